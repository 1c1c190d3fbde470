// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form2_lease.h"

#include "game/game_state.h"
#include "game/lease.h"
#include "game/number_format.h"
#include "ui/game_session.h"
#include "ui/names.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int CaptionRight = 104; // the captions end here, the values start a little after
constexpr int ValueLeft = 112;
constexpr int RowTops[] = {16, 36, 56};

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}
} // namespace

TForm2::TForm2(GameSession& session)
    : TRefreshingForm(QStringLiteral("Kneipe pachten"), 254, 130), session_(session) {
    setObjectName(QStringLiteral("Form2"));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Standort:"),
                       {0, RowTops[0], CaptionRight, 16}, right);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("potentielle Kunden:"),
                       {0, RowTops[1], CaptionRight, 16}, right);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Pacht pro Tag:"),
                       {0, RowTops[2], CaptionRight, 16}, right);
    Label3->setFont(GameFont(8, true));
    Label4 = new TNameLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(ValueLeft, RowTops[0], 254 - ValueLeft, 16);
    Label5 =
        MakeLabel(this, "Label5", QString(), {ValueLeft, RowTops[1], 254 - ValueLeft, 16}, left);
    Label6 =
        MakeLabel(this, "Label6", QString(), {ValueLeft, RowTops[2], 254 - ValueLeft, 16}, left);
    Label6->setFont(GameFont(8, true));

    Button2 = AddButton("Button2", QStringLiteral("Zurück"), 14, &TForm2::Button2Click);
    Button1 = AddButton("Button1", QStringLiteral("Vor"), 89, &TForm2::Button1Click);
    Button3 = AddButton("Button3", QStringLiteral("Pachten"), 164, &TForm2::Button3Click);

    Label1->setBuddy(Label4);
    Label2->setBuddy(Label5);
    Label3->setBuddy(Label6);
    const QString pages = QStringLiteral("Blättert durch die 30 Standorte.");
    NamePaging(Button2, QStringLiteral("voriger Standort"), pages);
    NamePaging(Button1, QStringLiteral("nächster Standort"), pages);
}

QPushButton* TForm2::AddButton(const char* name, const QString& caption, int left,
                               void (TForm2::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 90, 75, 25);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TForm2::FormPaint() {
    const GameState& state = session_.state();
    const TLocation& location = state.Locations[ShownLocation(state)];
    Label4->SetName(location.Name.ToUtf8());
    SetText(Label5, QString::number(location.PotentialCustomers));
    SetText(Label6, QString::fromStdString(FormatGeneral(location.RentPerDay) + " €"));
    Button3->setVisible(!location.Leased);
}

void TForm2::showEvent(QShowEvent* event) {
    FormPaint();
    TRefreshingForm::showEvent(event);
}

void TForm2::Button1Click() {
    ShowNextLocation(session_.state());
    FormPaint();
}

void TForm2::Button2Click() {
    ShowPreviousLocation(session_.state());
    FormPaint();
}

void TForm2::Button3Click() {
    LeaseShownLocation(session_.state());
    FormClose();
}

void TForm2::FormClose() {
    session_.AdoptLease();
    TRefreshingForm::FormClose();
}
