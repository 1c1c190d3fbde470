// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form16_goals.h"

#include "game/goals.h"
#include "ui/game_session.h"

#include <QLabel>

namespace {
constexpr int CaptionRight = 282; // common right edge of the four captions
constexpr int StateLeft = 287;
constexpr int FirstRowTop = 16;
constexpr int RowStep = 24;

void ShowGoal(QLabel* label, bool met) {
    const QString text = met ? QStringLiteral("erfüllt!") : QStringLiteral("nicht erfüllt!");
    const QColor colour = met ? QColor(0, 255, 0) : QColor(255, 0, 0);
    if (label->text() != text)
        label->setText(text);
    if (label->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}
} // namespace

TForm16::TForm16(GameSession& session)
    : TRefreshingForm(QStringLiteral("Spielziele"), 355, 123), session_(session) {
    setObjectName(QStringLiteral("Form16"));
    Label1 = AddCaption("Label1",
                        QStringLiteral("Setzen Sie alle 50 Getränke auf ihre Getränkekarte:"), 0);
    Label2 =
        AddCaption("Label2", QStringLiteral("Setzen Sie alle 30 Weine auf ihre Weinkarte:"), 1);
    Label3 =
        AddCaption("Label3", QStringLiteral("Setzen Sie alle 30 Speisen auf die Speisekarte:"), 2);
    Label4 =
        AddCaption("Label4", QStringLiteral("Erwirtschaften Sie 100.000 € (ohne Schulden):"), 3);
    Label5 = AddState("Label5", 0);
    Label6 = AddState("Label6", 1);
    Label7 = AddState("Label7", 2);
    Label8 = AddState("Label8", 3);
    Label1->setBuddy(Label5);
    Label2->setBuddy(Label6);
    Label3->setBuddy(Label7);
    Label4->setBuddy(Label8);
}

QLabel* TForm16::AddCaption(const char* name, const QString& text, int row) {
    return MakeLabel(this, name, text, {0, FirstRowTop + RowStep * row, CaptionRight, 16},
                     Qt::AlignRight | Qt::AlignTop);
}

QLabel* TForm16::AddState(const char* name, int row) {
    return MakeLabel(this, name, QString(),
                     {StateLeft, FirstRowTop + RowStep * row, 355 - StateLeft, 16},
                     Qt::AlignLeft | Qt::AlignTop);
}

void TForm16::FormPaint() {
    const GameState& state = session_.state();
    ShowGoal(Label5, AllOnCard(state, ArticleKind::Drink));
    ShowGoal(Label6, AllOnCard(state, ArticleKind::Wine));
    ShowGoal(Label7, AllOnCard(state, ArticleKind::Dish));
    ShowGoal(Label8, WealthGoalReached(state));
}

void TForm16::showEvent(QShowEvent* event) {
    FormPaint();
    TRefreshingForm::showEvent(event);
}
