// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "game/game_host.h"
#include "game/random.h"
#include "ui/game_timer.h"
#include "ui/tick_displays.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QPushButton;
class TLEDMeter;

// The main window: money, clock, the five gauges, the game timer and one button per command.
// It owns the one game of the run and is the model's host.
class TForm1 : public QWidget, public GameHost {
    Q_OBJECT
public:
    explicit TForm1(RandomSource* rng = nullptr);
    ~TForm1() override;

    Game& game() { return game_; }
    GameState& state() { return game_.State; }

    // Rewrites the money text into all five money labels.
    void vermoegenanzeigen();
    // Shows the nine management buttons.
    void knoepfezeigen();
    // Mean margin of the cards.
    double pve() const;

    // Handlers.
    void Button1Click();  // "Spiel starten"
    void Button2Click();  // "Kneipe pachten"
    void Button3Click();  // "Top Ten"
    void Button4Click();  // "Getränkekarte"
    void Button5Click();  // "Speisekarte"
    void Button6Click();  // "Weinkarte"
    void Button7Click();  // "Personal"
    void Button8Click();  // "Bank"
    void Button9Click();  // "Unterhaltung"
    void Button10Click(); // "Preise"
    void Button11Click(); // "Speichern"
    void Button12Click(); // "Laden"
    // Loads the saved game at `path` as "Laden" does once its file is chosen (the command
    // line's saved game comes this way).
    void LoadSavedGame(const QString& path);
    void Button13Click(); // "Spielende"
    void Button15Click(); // "Einstellungen"
    void Button16Click(); // "Lager"
    void Button17Click(); // "Spielziele"
    void Timer1Timer();
    void FormKeyPress(QChar key);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);

    // Timer helpers for the dialogs.
    bool TimerEnabled() const;
    void SetTimerInterval(int milliseconds);

    // True once the program is ending (goals, bankruptcy, "Spielende"): nothing is shown and
    // the timer stays off from then on.
    bool Ending() const { return game_.Ending; }

    // While one of these lives no tick starts. A tick holds one itself, so ticks never nest
    // even when a message box of a tick runs the event loop.
    class TickBlocker {
    public:
        explicit TickBlocker(TForm1& form) : form_(form) { ++form_.tickBlockers_; }
        ~TickBlocker() { --form_.tickBlockers_; }
        TickBlocker(const TickBlocker&) = delete;
        TickBlocker& operator=(const TickBlocker&) = delete;

    private:
        TForm1& form_;
    };
    bool TickRunning() const { return tickBlockers_ > 0; }

    // GameHost
    void ShowMessage(const std::string& text) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowEventWindow() override;
    void SetGauge(Gauge gauge, int value) override;
    void SetClockText(const std::string& text) override;
    void RefreshMoney() override;
    void Quit() override;

    // File dialogs of "Speichern" and "Laden"; tests replace them with functions that hand
    // back a path (empty = cancelled).
    std::function<QString()> SaveDialog1;
    std::function<QString()> OpenDialog1;

    // The last step of ending the program: leaves the event loop. Tests replace it to keep
    // their process running.
    std::function<void()> EndProgram;

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QPushButton* Button17 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    TLEDMeter* Progressbar1 = nullptr;
    TLEDMeter* Progressbar2 = nullptr;
    TLEDMeter* Progressbar3 = nullptr;
    TLEDMeter* Progressbar4 = nullptr;
    TLEDMeter* Progressbar5 = nullptr;
    TGameTimer* Timer1 = nullptr;

signals:
    // Another game has been loaded: whatever a window keeps of the previous one (list entries
    // that stand for articles) must be rebuilt.
    void GameLoaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Key preview: the speed and reward keys work whichever control has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                           bool visible, void (TForm1::*handler)());
    QLabel* AddLabel(const char* name, const QString& caption, int left, int top, bool visible);
    TLEDMeter* AddGauge(const char* name, int top);
    void BuildControls();
    void SetFocusOrder();
    void OpenDialog(QWidget* dialog);
    void LoadStoppedGame(const QString& path, bool timerWasRunning);
    void ShowStageOfLoadedGame();
    void HideManagementButtons();
    // What drawing the tick's displays means; TickDisplays decides when.
    TLEDMeter* GaugeControl(Gauge gauge) const;
    void DrawClockText(const std::string& text);
    void DrawMoney(double wealth);
    void WriteMoneyLabels(double wealth);
    void PaceTimerToScreen();

    std::unique_ptr<RandomSource> ownRng_;
    Game game_;
    int tickBlockers_ = 0;
    bool moneyShown_ = false;
    double shownWealth_ = 0;
    std::string clockText_;
    std::unique_ptr<TickDisplays> displays_;
};
