// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows of the game and the game session behind them. Each exists once for the whole run,
// created at start (the session, then the windows in the order Form1, Form2 ... Form13, Form16,
// then the books, the manual and the about window) and reached through its program-wide pointer.
// Only here do the windows meet: a dialog knows the session alone, and the window set ties what the
// session and the dialogs announce to the main window.
class GameSession;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm16;
class TBalanceForm;
class THelpForm;
class TAboutForm;

extern GameSession* Session;      // the game
extern TForm1* Form1;             // main window
extern TForm2* Form2;             // lease
extern TForm3* Form3;             // staff
extern TForm4* Form4;             // drinks card
extern TForm5* Form5;             // dishes card
extern TForm6* Form6;             // wines card
extern TForm7* Form7;             // settings
extern TForm8* Form8;             // prices
extern TForm9* Form9;             // storage
extern TForm10* Form10;           // entertainment
extern TForm11* Form11;           // event window
extern TForm12* Form12;           // bank
extern TForm13* Form13;           // top ten
extern TForm16* Form16;           // goals
extern TBalanceForm* BalanceForm; // "Bilanz", F2
extern THelpForm* HelpForm;       // "Spielanleitung", F1
extern TAboutForm* AboutForm;     // "Über Das Krugheim"

#include <string>

class RandomSource;

// Creates the session and all windows in their order; only the main window is shown by the
// caller. `rng` replaces the game's generator (tests script it); nullptr keeps the real one.
void CreateForms(RandomSource* rng = nullptr);

// Destroys all windows and the session (tests start every case from a fresh program).
void DestroyForms();

// Shows the main window of the freshly created program. A saved game named on the command line
// (by the bytes of its path) is then loaded as "Laden" would load it; one that cannot be loaded
// leaves its message and the fresh program.
void ShowFirstWindow(const std::string& savedGame);
