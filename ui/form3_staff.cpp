// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form3_staff.h"

#include "game/staff.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"
#include "ui/names.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 102, 72, 25);
    return button;
}

} // namespace

TForm3::TForm3(GameSession& session)
    : TRefreshingForm(QStringLiteral("Personal"), 324, 136), session_(session) {
    setObjectName(QStringLiteral("Form3"));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Name:"), {16, 12, 70, LineHeight});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Erfahrung:"), {16, 34, 70, LineHeight});
    Label7 = MakeLabel(this, "Label7", QStringLiteral("Art:"), {16, 56, 70, LineHeight});
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Gehalt:"), {16, 78, 70, LineHeight});
    Label4 = new TNameLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(96, 12, 220, 14);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(96, 33, 150, 14);
    ProgressBar1->setRange(1, 10);
    ProgressBar1->setValue(1);
    ProgressBar1->setTextVisible(false);
    GiveOutlineOnBlack(ProgressBar1);
    Label2->setBuddy(ProgressBar1);

    Label8 = MakeLabel(this, "Label8", QString(), {96, 56, 150, LineHeight});
    Label6 = MakeLabel(this, "Label6", QString(), {96, 78, 150, LineHeight});

    Button1 = MakeButton(this, "Button1", QStringLiteral("Zurück"), 10);
    Button2 = MakeButton(this, "Button2", QStringLiteral("Vor"), 88);
    Button3 = MakeButton(this, "Button3", QStringLiteral("Einstellen"), 166);
    Button4 = MakeButton(this, "Button4", QStringLiteral("Entlassen"), 244);

    Label1->setBuddy(Label4);
    Label7->setBuddy(Label8);
    Label3->setBuddy(Label6);
    const QString pages = QStringLiteral("Blättert durch die 20 Bewerber und Angestellten.");
    NamePaging(Button1, QStringLiteral("vorige Person"), pages);
    NamePaging(Button2, QStringLiteral("nächste Person"), pages);

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm3::Button4Click);
}

void TForm3::FormPaint() {
    GameState& state = session_.state();
    const TStaffMember& member = state.StaffPool[ShownStaffIndex(state)];
    Label4->SetName(member.Name.ToUtf8());
    ProgressBar1->setValue(std::clamp(member.Experience, 1, 10));
    Label8->setText(QString::fromStdString(StaffKindText(member)));
    Button3->setVisible(!member.Employed);
    Button4->setVisible(member.Employed);
    Label6->setText(QString::fromStdString(WageText(member)));
}

void TForm3::Refresh() {
    FormPaint();
    update();
}

void TForm3::Button1Click() {
    ShowPreviousStaffMember(session_.state());
    Refresh();
}

void TForm3::Button2Click() {
    ShowNextStaffMember(session_.state());
    Refresh();
}

void TForm3::Button3Click() {
    HireShownStaffMember(session_.state());
    Refresh();
}

void TForm3::Button4Click() {
    DismissShownStaffMember(session_.game());
    Refresh();
}
