// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

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
