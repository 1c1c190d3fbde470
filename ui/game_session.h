// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "game/game_host.h"
#include "game/random.h"
#include "ui/game_timer.h"
#include "ui/tick_displays.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

// The one game of the run, behind all windows: the game with its random source, the game timer
// "Timer1" whose firings run the ticks, the displays the ticks write, the tick guard, and
// saving and loading. It is the model's host. The windows act on the game through it and learn
// by its signals what changed; every signal is delivered at once, to the windows in the order
// in which they connected (the order in which the window set created them).
class GameSession : public QObject, public GameHost {
    Q_OBJECT
public:
    // `rng` replaces the game's generator (tests script it); nullptr keeps the real one.
    explicit GameSession(RandomSource* rng = nullptr);
    ~GameSession() override;

    Game& game() { return game_; }
    GameState& state() { return game_.State; }
    const GameState& state() const { return game_.State; }

    // True once the program is ending (goals, bankruptcy, "Spielende"): nothing is shown and
    // the timer stays off from then on.
    bool Ending() const { return game_.Ending; }

    // The game timer; its firings run RunTick.
    TGameTimer* Timer() const { return timer_; }
    bool TimerEnabled() const;
    void SetTimerInterval(int milliseconds);
    // The interval a speed key sets: "0" to "3", as the speeds of the settings window.
    static std::optional<int> SpeedKeyInterval(QChar key);

    // At full speed the displays are drawn once per frame of the screen `window` is on.
    void ShowDisplaysOn(const QWidget* window);

    // One tick of the game, unless a tick runs already or the program is ending.
    void RunTick();

    // While one of these lives no tick starts. A tick holds one itself, so ticks never nest
    // even when a message box of a tick runs the event loop.
    class TickBlocker {
    public:
        explicit TickBlocker(GameSession& session) : session_(session) { ++session_.tickBlockers_; }
        ~TickBlocker() { --session_.tickBlockers_; }
        TickBlocker(const TickBlocker&) = delete;
        TickBlocker& operator=(const TickBlocker&) = delete;

    private:
        GameSession& session_;
    };
    bool TickRunning() const { return tickBlockers_ > 0; }

    // "Spiel starten": deals a new game, shows its clock and money, then starts the timer.
    void StartNewGame();
    // Rewrites the money text at once ("vermoegenanzeigen").
    void ShowMoney();
    // The lease dialog closes: a location leased meanwhile becomes the pub.
    void AdoptLease();

    // "Speichern": stops the timer, asks `askPath` for the file (empty: cancelled), writes the
    // game there and starts the timer again.
    void SaveGame(const std::function<QString()>& askPath);
    // "Laden": stops the timer and asks `askPath` for the file; a cancelled choice restarts
    // the timer exactly when it ran before.
    void LoadGame(const std::function<QString()>& askPath);
    // Loads the saved game at `localPath` (the path's bytes, as the file system takes them) as
    // "Laden" does once its file is chosen. The whole file is read and checked before anything
    // of the running game changes; a load that fails leaves the game untouched.
    void LoadSavedGame(const std::string& localPath);

    // The last step of ending the program: leaves the event loop. Tests replace it to keep
    // their process running.
    std::function<void()> EndProgram;

    // GameHost
    void ShowMessage(const std::string& text) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowEventWindow() override;
    void SetGauge(Gauge gauge, int value) override;
    void SetClockText(const std::string& text) override;
    void RefreshMoney() override;
    void Quit() override;

signals:
    // The displays of the ticks, each when it shows something new: at full speed at most once
    // per screen frame, else at once.
    void MoneyTextChanged(const QString& text);
    void ClockTextChanged(const QString& text);
    void GaugeChanged(Gauge gauge, int value);
    // The tick's displays are up to date: at full speed once per screen frame, else after every
    // change and whenever the timer starts or stops. Windows that show more of the game (its
    // books) follow it at this pace.
    void DisplaysDrawn();
    // A new game has been dealt and its displays written; the timer starts right after.
    void NewGameStarted();
    // A loaded game's control-held values, for the windows that hold them.
    void ControlsLoaded(const ControlValues& values);
    // Whether the game has a leased pub: a lease was adopted (true) or a game was loaded.
    void LeaseStageChanged(bool pubLeased);
    // Another game has been loaded: whatever a window keeps of the previous one (list entries
    // that stand for articles) must be rebuilt.
    void GameLoaded();
    // A tick picked an event and stopped the timer: the event window is to show it.
    void EventRaised();
    // The program ends: nothing is to be seen any more.
    void Ended();

private:
    void PaceTimerToScreen();
    void LoadStoppedGame(const std::string& localPath, bool timerWasRunning);
    // What drawing the tick's displays means; TickDisplays decides when.
    void DrawClockText(const std::string& text);
    void DrawMoney(double wealth);
    void WriteMoney(double wealth);

    std::unique_ptr<RandomSource> ownRng_;
    Game game_;
    TGameTimer* timer_ = nullptr;
    int tickBlockers_ = 0;
    bool moneyShown_ = false;
    double shownWealth_ = 0;
    std::string clockText_;
    std::unique_ptr<TickDisplays> displays_;
};

// The game's message to the player: a modal box titled "Das Krugheim" with the text and one
// OK button, whole and as plain text, with room for the title. It belongs to `owner`, the
// visible window that raised it (none: to the whole program, centred on the screen).
std::unique_ptr<QMessageBox> MakeGameMessageBox(const QString& text, QWidget* owner = nullptr);
