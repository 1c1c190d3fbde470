// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_form.h"

#include "ui/enter_key.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QRadioButton>

namespace {
const char* const SansSerif = "Liberation Sans";
}

QFont GameFont(int pointSize, bool bold) {
    QFont font(SansSerif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont GamePixelFont(int pixelSize, bool bold) {
    QFont font(SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void ApplyGameLook(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::yellow);
    palette.setColor(QPalette::Text, Qt::yellow);
    palette.setColor(QPalette::Base, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setFont(GameFont());
}

void ApplyLightIndicators(QWidget* widget) {
    for (auto* button : widget->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button))
            continue;
        QPalette palette = button->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        button->setPalette(palette);
    }
}

TDialogForm::TDialogForm(const QString& caption, int clientWidth, int clientHeight)
    : QWidget(nullptr) {
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    ApplyGameLook(this);
}

void TDialogForm::FormClose() {
    hide();
    ShowMainWindow();
}

void TDialogForm::closeEvent(QCloseEvent* event) {
    // The window is only hidden; it lives for the whole run.
    event->ignore();
    FormClose();
}

void TDialogForm::keyPressEvent(QKeyEvent* event) {
    if (!PressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}
