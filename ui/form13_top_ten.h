// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/refreshing_form.h"

class GameSession;
class QLabel;
class QPlainTextEdit;

// Window "Top Ten": the ten best-selling articles over all three kinds.
class TForm13 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm13(GameSession& session);

    // Ranks the articles anew (the paint handler).
    void FormPaint() override;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

private:
    GameSession& session_;
};
