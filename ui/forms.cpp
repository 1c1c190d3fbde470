// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms.h"

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

#include <QString>

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

void CreateForms(RandomSource* rng) {
    Form1 = new TForm1(rng);
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form7 = new TForm7;
    Form8 = new TForm8;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form11 = new TForm11;
    Form12 = new TForm12;
    Form13 = new TForm13;
    Form16 = new TForm16;
    // A dialog the player closed gives the screen back to the main window.
    const std::initializer_list<TDialogForm*> dialogs = {
        Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form12, Form13, Form16};
    for (TDialogForm* dialog : dialogs)
        QObject::connect(dialog, &TDialogForm::Closed, dialog, ShowMainWindow);
}

void ShowMainWindow() {
    if (Form1 && !Form1->Ending())
        Form1->show();
}

void ShowFirstWindow(const QString& savedGame) {
    Form1->show();
    if (!savedGame.isEmpty())
        Form1->LoadSavedGame(savedGame);
}

template <class T> static void Destroy(T*& form) {
    delete form;
    form = nullptr;
}

void DestroyForms() {
    // Dialogs first: their destructors may still look at the main window.
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
}
