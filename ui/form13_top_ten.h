#pragma once

#include "ui/dialog_form.h"
#include "ui/paint_refresh.h"

class QLabel;
class QPlainTextEdit;

// Window "Top Ten": the ten best-selling articles over all three kinds.
class TForm13 : public TDialogForm {
    Q_OBJECT
public:
    TForm13();

    // Ranks the articles anew (the paint handler).
    void FormPaint();

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintRefresh paintRefresh_{this, [this] { FormPaint(); }};
};
