// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_form.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
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

void GiveOutlineOnBlack(QWidget* control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, QColor(150, 150, 150));
    palette.setColor(QPalette::Base, Qt::black);
    control->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

bool PressFocusedButton(QWidget* window, QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier || event->isAutoRepeat())
        return false;
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (!button || button->window() != window || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

TDialogForm::TDialogForm(const QString& caption, int clientWidth, int clientHeight)
    : QWidget(nullptr) {
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    ApplyGameLook(this);
}

void TDialogForm::FormClose() {
    hide();
    emit Closed();
}

void TDialogForm::closeEvent(QCloseEvent* event) {
    // The window is only hidden; it lives for the whole run.
    event->ignore();
    FormClose();
}

namespace {
// Escape closes a window as its title bar's close button does, close handler included; Enter
// presses the focused button.
bool CloseOrPress(QWidget* window, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        window->close();
        return true;
    }
    return PressFocusedButton(window, event);
}
} // namespace

void TDialogForm::keyPressEvent(QKeyEvent* event) {
    if (!CloseOrPress(this, event))
        QWidget::keyPressEvent(event);
}

TSideWindow::TSideWindow() : QWidget(nullptr) {
    ApplyGameLook(this);
}

void TSideWindow::keyPressEvent(QKeyEvent* event) {
    if (!CloseOrPress(this, event))
        QWidget::keyPressEvent(event);
}
