// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form12_bank.h"

#include "game/bank.h"
#include "game/number_format.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"
#include "ui/names.h"
#include "ui/spin_edit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace {

TSpinEdit* MakeAmountField(QWidget* parent, const char* name, int top) {
    auto* field = new TSpinEdit(0, BankAmountMaximum, 0, parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(8, top, 92, 22);
    GiveOutlineOnBlack(field);
    return field;
}

QPushButton* MakeOkButton(QWidget* parent, const char* name, int top) {
    auto* button = new QPushButton(QStringLiteral("OK"), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(104, top, 33, 22);
    return button;
}

QString AmountText(double value) {
    return QString::fromStdString(FormatFixed2(value)) + QStringLiteral(" €");
}

} // namespace

TForm12::TForm12(GameSession& session)
    : TRefreshingForm(QStringLiteral("Bank"), 145, 205), session_(session) {
    setObjectName(QStringLiteral("Form12"));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Vermögen:"), {8, 8, 135, LineHeight});
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Kreditlimit:"), {8, 30, 56, LineHeight});
    Label6 = MakeLabel(this, "Label6", QString(), {62, 30, 81, LineHeight});
    Label7 = MakeLabel(this, "Label7", QStringLiteral("Schulden:"), {8, 48, 56, LineHeight});
    Label8 = MakeLabel(this, "Label8", QString(), {62, 48, 81, LineHeight});
    Label3 =
        MakeLabel(this, "Label3", QStringLiteral("Kredit aufnehmen:"), {8, 76, 130, LineHeight});
    SpinEdit1 = MakeAmountField(this, "SpinEdit1", 92);
    Button1 = MakeOkButton(this, "Button1", 92);
    Label4 =
        MakeLabel(this, "Label4", QStringLiteral("Kredit abbezahlen:"), {8, 128, 130, LineHeight});
    SpinEdit2 = MakeAmountField(this, "SpinEdit2", 144);
    Button2 = MakeOkButton(this, "Button2", 144);
    Label2->setBuddy(Label6);
    Label7->setBuddy(Label8);
    Label3->setBuddy(SpinEdit1);
    Label4->setBuddy(SpinEdit2);
    NameForSubject(Button1, CaptionName(Label3));
    NameForSubject(Button2, CaptionName(Label4));

    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
    connect(&session_, &GameSession::MoneyTextChanged, Label1, &QLabel::setText);
}

void TForm12::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
        for (auto [field, ok] : {std::pair{SpinEdit1, Button1}, std::pair{SpinEdit2, Button2}}) {
            QWidget* focus = focusWidget();
            if (focus != field && !field->isAncestorOf(focus))
                continue;
            // The amount is corrected as if the field lost the focus, which a click on "OK"
            // would have done first.
            field->CorrectIntoRange();
            ok->click();
            return;
        }
    }
    TRefreshingForm::keyPressEvent(event);
}

void TForm12::FormPaint() {
    session_.ShowMoney();
    const GameState& state = session_.state();
    creditLimit_ = ComputeCreditLimit(state);
    Label6->setText(AmountText(creditLimit_));
    Label8->setText(AmountText(state.Debt));
}

void TForm12::ShowOutcome(const std::string& refusal) {
    if (!refusal.empty())
        session_.ShowMessage(refusal);
    FormPaint();
    update();
}

void TForm12::Button1Click() {
    ShowOutcome(TakeCredit(session_.game(), creditLimit_, SpinEdit1->Value()));
}

void TForm12::Button2Click() {
    ShowOutcome(RepayDebt(session_.game(), SpinEdit2->Value()));
}
