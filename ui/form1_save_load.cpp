// SPDX-License-Identifier: GPL-3.0-or-later
// "Speichern" and "Laden" of the main window. Both run with the game timer stopped, so no
// tick sees a game half saved or half loaded; a load that fails leaves the game untouched.

#include "ui/form1_main.h"

#include "game/booking.h"
#include "game/date_time.h"
#include "game/guests.h"
#include "game/lease.h"
#include "persistence/save_game.h"
#include "ui/form7_settings.h"
#include "ui/forms.h"

#include <QFile>
#include <QPushButton>
#include <memory>

namespace {
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TForm1::Button11Click() {
    SetTimerEnabled(false);
    const QString path = SaveDialog1();
    if (!path.isEmpty()) {
        const SaveResult saved = WriteSavedGame(LocalPath(path), state());
        if (!saved.Ok)
            ShowMessage(saved.Error);
    }
    SetTimerEnabled(true);
}

void TForm1::Button12Click() {
    const bool timerWasRunning = TimerEnabled();
    SetTimerEnabled(false);
    const QString path = OpenDialog1();
    if (path.isEmpty()) {
        SetTimerEnabled(timerWasRunning);
        return;
    }
    LoadStoppedGame(path, timerWasRunning);
}

void TForm1::LoadSavedGame(const QString& path) {
    const bool timerWasRunning = TimerEnabled();
    SetTimerEnabled(false);
    LoadStoppedGame(path, timerWasRunning);
}

void TForm1::LoadStoppedGame(const QString& path, bool timerWasRunning) {
    // The whole file is read and checked before anything of the running game changes.
    const auto loaded =
        std::make_unique<LoadResult>(ReadSavedGame(LocalPath(path), state().Controls));
    if (!loaded->Ok) {
        ShowMessage(loaded->Error);
        SetTimerEnabled(timerWasRunning);
        return;
    }
    Button1Click();
    ApplySavedGame(state(), loaded->Game);
    BeginBooks(game_, BooksOrigin::Loaded);
    // The entertainment dialog reads its purchase flags from the game whenever it is shown.
    Form7->ApplyControls(state().Controls);
    if (const int interval = SpeedInterval(state().Controls.SpeedIndex); interval > 0)
        SetTimerInterval(interval);
    ShowStageOfLoadedGame();
    // The displays show the loaded game at once, not only after the next tick (which may be
    // days away at "Pause (0)").
    vermoegenanzeigen();
    SetClockText(ClockText(state().GameClock));
    ShowAllGauges(game_);
    emit GameLoaded();
    SetTimerEnabled(true);
}

void TForm1::ShowStageOfLoadedGame() {
    if (AnyLocationLeased(state())) {
        knoepfezeigen();
        Button2->setEnabled(false);
    } else {
        HideManagementButtons();
        Button2->setEnabled(true);
    }
}
