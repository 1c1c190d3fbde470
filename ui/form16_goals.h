// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/refreshing_form.h"

class GameSession;
class QLabel;

// Window "Spielziele": the four goals and whether each is met right now. Only reports.
class TForm16 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm16(GameSession& session);

    // Writes the state of every goal; runs at every paint.
    void FormPaint() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddCaption(const char* name, const QString& text, int row);
    QLabel* AddState(const char* name, int row);

    GameSession& session_;
};
