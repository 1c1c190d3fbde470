#pragma once

#include "ui/dialog_form.h"
#include "ui/paint_refresh.h"

class QLabel;

// Window "Spielziele": the four goals and whether each is met right now. Only reports.
class TForm16 : public TDialogForm {
    Q_OBJECT
public:
    TForm16();

    // Writes the state of every goal; runs at every paint.
    void FormPaint();

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
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* AddCaption(const char* name, const QString& text, int row);
    QLabel* AddState(const char* name, int row);
    PaintRefresh paintRefresh_{this, [this] { FormPaint(); }};
};
