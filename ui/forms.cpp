// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms.h"

#include "ui/about_form.h"
#include "ui/balance_form.h"
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
#include "ui/game_keys.h"
#include "ui/game_menu.h"
#include "ui/game_session.h"
#include "ui/help_form.h"
#include "ui/names.h"
#include "ui/own_title_bar.h"
#include "ui/window_placement.h"
#include "ui/window_roles.h"

#include <QApplication>
#include <QPushButton>
#include <initializer_list>

GameSession* Session = nullptr;
TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm13* Form13 = nullptr;
TForm16* Form16 = nullptr;
TBalanceForm* BalanceForm = nullptr;
THelpForm* HelpForm = nullptr;
TAboutForm* AboutForm = nullptr;

namespace {

// A dialog was closed: the main window comes back, unless the program is ending.
void ShowMainWindow() {
    if (Form1 && !Session->Ending())
        Form1->show();
}

// Message boxes and file dialogs included.
void HideEveryWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
}

void ConnectWindows() {
    Form1->SetDialogs({.Lease = Form2,
                       .Staff = Form3,
                       .Drinks = Form4,
                       .Dishes = Form5,
                       .Wines = Form6,
                       .Settings = Form7,
                       .Prices = Form8,
                       .Storage = Form9,
                       .Entertainment = Form10,
                       .Bank = Form12,
                       .TopTen = Form13,
                       .Goals = Form16});
    const std::initializer_list<TDialogForm*> dialogs = {Form2,  Form3,  Form4, Form5,  Form6,
                                                         Form7,  Form8,  Form9, Form10, Form11,
                                                         Form12, Form13, Form16};
    for (TDialogForm* dialog : dialogs)
        QObject::connect(dialog, &TDialogForm::Closed, Form1, ShowMainWindow);
    // After the event window has shown itself: it connected when it was created.
    QObject::connect(Session, &GameSession::EventRaised, Form1, &QWidget::hide);
    QObject::connect(Session, &GameSession::Ended, Session, HideEveryWindow);
    // The menu and the key preview belong to the main window, which deletes them.
    new GameMenu(Form1, BalanceForm, HelpForm, AboutForm);
    auto* keys = new GameKeys(*Form1); // the speed keys act from every window
    QObject::connect(keys, &GameKeys::SpeedKeyPressed, Form1, &TForm1::FormKeyPress);
    QObject::connect(keys, &GameKeys::RewardKeyReleased, Form1, &TForm1::FormKeyUp);
}

// What every window of the game shares: captions read without their colons, a place kept
// while the window is hidden, and room for its title.
void PrepareWindows() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8,
                                         Form9, Form10, Form11, Form12, Form13, Form16}) {
        NameCaptions(window);
        KeepPlaceWhenHidden(window);
        GiveTitleRoom(window);
    }
}

} // namespace

void CreateForms(RandomSource* rng) {
    GiveWindowsTheirRoles();
    Session = new GameSession(rng);
    Form1 = new TForm1(*Session);
    Form2 = new TForm2(*Session);
    Form3 = new TForm3(*Session);
    Form4 = new TForm4(*Session, Form1->Button4);
    Form5 = new TForm5(*Session, Form1->Button5);
    Form6 = new TForm6(*Session, Form1->Button6);
    Form7 = new TForm7(*Session);
    Form8 = new TForm8(*Session, Form1->Button10);
    Form9 = new TForm9(*Session);
    Form10 = new TForm10(*Session);
    Form11 = new TForm11(*Session);
    Form12 = new TForm12(*Session);
    Form13 = new TForm13(*Session);
    Form16 = new TForm16(*Session);
    BalanceForm = new TBalanceForm(*Session);
    HelpForm = new THelpForm;
    AboutForm = new TAboutForm;
    ConnectWindows();
    PrepareWindows();
}

void ShowFirstWindow(const std::string& savedGame) {
    Form1->show();
    if (!savedGame.empty())
        Session->LoadSavedGame(savedGame);
}

template <class T> static void Destroy(T*& object) {
    delete object;
    object = nullptr;
}

void DestroyForms() {
    // Dialogs first, the session last: every window holds on to it.
    Destroy(AboutForm);
    Destroy(HelpForm);
    Destroy(BalanceForm);
    Destroy(Form16);
    Destroy(Form13);
    Destroy(Form12);
    Destroy(Form11);
    Destroy(Form10);
    Destroy(Form9);
    Destroy(Form8);
    Destroy(Form7);
    Destroy(Form6);
    Destroy(Form5);
    Destroy(Form4);
    Destroy(Form3);
    Destroy(Form2);
    Destroy(Form1);
    Destroy(Session);
}
