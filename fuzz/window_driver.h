// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays a saved game through the real windows, as a player who looks everywhere would: the
// file is loaded with "Laden", every dialog is opened from the main window and drawn (those
// that page through locations or staff show every page, the prices dialog every kind), the
// event window shows every event and is answered, the clock moves on to the next day end so
// that its messages name the pub and the staff, and the game is saved with "Speichern" and
// must load again. Every message box is drawn and answered at once. The names and numbers of
// the file thereby pass through every widget of the game.
//
// The game timer stays out of it: ticks run only when the driver calls them, so that every
// input plays the same way. Used by the window fuzz target and by its regression test.

#include "fuzz/next_day_end.h"
#include "game/events.h"
#include "game/random.h"
#include "persistence/save_game.h"
#include "ui/form10_entertainment.h"
#include "ui/form11_event.h"
#include "ui/form12_bank.h"
#include "ui/form13_top_ten.h"
#include "ui/form16_goals.h"
#include "ui/form1_main.h"
#include "ui/form2_lease.h"
#include "ui/form3_staff.h"
#include "ui/form4_cards.h"
#include "ui/form7_settings.h"
#include "ui/form8_prices.h"
#include "ui/form9_storage.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace WindowDriver {

inline void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The game's generator on a fixed seed, without random events: the driver shows each event
// itself.
class QuietRandom final : public RandomSource {
public:
    int Random(int n) override { return n == 1440 ? 1439 : inner_.Random(n); }
    void Randomize() override { inner_.Seed(Seed); }

private:
    static constexpr std::uint64_t Seed = 20261208;
    GameRandom inner_{Seed};
};

// Draws every message box as soon as it is shown, then presses its OK.
class MessageAnswerer final : public QObject {
public:
    int Answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show)
            QTimer::singleShot(0, box, [this, box] {
                (void)box->grab();
                ++Answered;
                box->button(QMessageBox::Ok)->click();
            });
        return false;
    }
};

// Draws a window with everything its paint handler rebuilds.
inline void Draw(QWidget* window) {
    (void)window->grab();
    QCoreApplication::processEvents();
    (void)window->grab();
}

inline void Close(QWidget* window) {
    window->close();
    QCoreApplication::processEvents();
}

class Player {
public:
    // The program with all its windows; `folder` takes the files of the loads and saves.
    explicit Player(const std::string& folder)
        : loadPath_(QString::fromStdString(folder + "/laden.krg")),
          savePath_(QString::fromStdString(folder + "/speichern.krg")) {
        qApp->installEventFilter(&answerer_);
        Start();
    }
    ~Player() {
        qApp->removeEventFilter(&answerer_);
        DestroyForms();
    }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void Play(std::span<const std::uint8_t> file) {
        // Won or bankrupt: the program ended, and the player starts it again.
        if (Session->Ending()) {
            DestroyForms();
            Start();
        }
        if (!Load(file))
            return;
        OpenEveryDialog();
        ShowEveryEvent();
        PlayTheDayEnd();
        SaveAndLoadAgain();
    }

private:
    void Start() {
        CreateForms(&rng_);
        Session->EndProgram = [] {};
        Form1->OpenDialog1 = [this] { return loadPath_; };
        Form1->SaveDialog1 = [this] { return savePath_; };
        Form1->show();
    }

    bool Load(std::span<const std::uint8_t> file) {
        QFile out(loadPath_);
        Require(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(out.write(reinterpret_cast<const char*>(file.data()),
                          static_cast<qint64>(file.size())) == static_cast<qint64>(file.size()));
        out.close();
        const int messagesBefore = answerer_.Answered;
        Form1->Button12Click();
        StopTheTimer();
        return answerer_.Answered == messagesBefore;
    }

    // Ticks come only from the driver.
    void StopTheTimer() {
        Session->SetTimerEnabled(false);
        Session->SetTimerInterval(500000000);
    }

    void Open(void (TForm1::*command)(), QWidget* dialog) {
        (Form1->*command)();
        StopTheTimer();
        Draw(dialog);
    }

    void OpenEveryDialog() {
        Open(&TForm1::Button2Click, Form2);
        for (int page = 1; page < LocationCount; ++page) {
            Form2->Button1->click();
            Draw(Form2);
        }
        Close(Form2);
        Open(&TForm1::Button7Click, Form3);
        for (int page = 1; page < StaffCount; ++page) {
            Form3->Button2->click();
            Draw(Form3);
        }
        Close(Form3);
        Open(&TForm1::Button10Click, Form8);
        for (int kind = 1; kind < Form8->ComboBox1->count(); ++kind) {
            Form8->ComboBox1->setCurrentIndex(kind);
            Draw(Form8);
        }
        Close(Form8);
        const std::pair<void (TForm1::*)(), QWidget*> others[] = {
            {&TForm1::Button3Click, Form13},  {&TForm1::Button4Click, Form4},
            {&TForm1::Button5Click, Form5},   {&TForm1::Button6Click, Form6},
            {&TForm1::Button8Click, Form12},  {&TForm1::Button9Click, Form10},
            {&TForm1::Button15Click, Form7},  {&TForm1::Button16Click, Form9},
            {&TForm1::Button17Click, Form16},
        };
        for (const auto& [command, dialog] : others) {
            Open(command, dialog);
            Close(dialog);
        }
    }

    // Every event, answered "Ja", "Nein" or "OK" in turn as the window offers them.
    void ShowEveryEvent() {
        for (int event = 1; event <= EventCount; ++event) {
            ShowEvent(Session->game().Event, event);
            Session->ShowEventWindow();
            for (int press = 0; press < 3 && Form11->isVisible(); ++press) {
                Draw(Form11);
                QPushButton* const choices[] = {Form11->Button1, Form11->Button2, Form11->Button3};
                QPushButton* answer = choices[(event + press) % 3];
                for (int i = 0; i < 3 && !answer->isVisibleTo(Form11); ++i)
                    answer = choices[(event + press + i + 1) % 3];
                answer->click();
            }
            Require(!Form11->isVisible());
            StopTheTimer();
        }
    }

    void PlayTheDayEnd() {
        GameState& state = Session->state();
        state.GameClock = NextDayEnd(state.GameClock);
        for (int minute = 0; minute < 2 && !Session->Ending(); ++minute)
            Form1->Timer1Timer();
        StopTheTimer();
        Draw(Form1);
    }

    void SaveAndLoadAgain() {
        if (Session->Ending())
            return;
        const int messagesBefore = answerer_.Answered;
        Form1->Button11Click();
        StopTheTimer();
        Require(answerer_.Answered == messagesBefore);
        const LoadResult again =
            ReadSavedGame(QFile::encodeName(savePath_).toStdString(), Session->state().Controls);
        Require(again.Ok);
        Require(EncodeSavedGame(again.Game) == EncodeSavedGame(Session->state()));
    }

    QuietRandom rng_;
    MessageAnswerer answerer_;
    QString loadPath_;
    QString savePath_;
};

} // namespace WindowDriver
