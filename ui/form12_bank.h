// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/refreshing_form.h"

class GameSession;
class QLabel;
class QPushButton;
class TSpinEdit;

// Window "Bank": borrow up to the credit limit, repay debts.
class TForm12 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm12(GameSession& session);

    // Shows money and debt and computes the credit limit that the next "OK" tests against.
    void FormPaint() override;
    void Button1Click(); // take credit
    void Button2Click(); // repay

    double CreditLimit() const { return creditLimit_; }

    QLabel* Label1 = nullptr; // money text, following the game's
    QLabel* Label2 = nullptr; // "Kreditlimit:"
    QLabel* Label6 = nullptr; // the limit
    QLabel* Label7 = nullptr; // "Schulden:"
    QLabel* Label8 = nullptr; // the debt
    QLabel* Label3 = nullptr; // "Kredit aufnehmen:"
    TSpinEdit* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label4 = nullptr; // "Kredit abbezahlen:"
    TSpinEdit* SpinEdit2 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    // Return in an amount field presses its "OK".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowOutcome(const std::string& refusal);

    GameSession& session_;
    double creditLimit_ = 0;
};
