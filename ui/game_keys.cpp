// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_keys.h"

#include "ui/game_session.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
// Whether a digit typed into `widget` is text for it.
bool TakesTypedText(const QWidget* widget) {
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return !field->isReadOnly();
    if (const auto* spinBox = qobject_cast<const QAbstractSpinBox*>(widget))
        return !spinBox->isReadOnly();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->isEditable();
    return false;
}

// The speed key a pressed key stands for. With Ctrl or Alt held a digit types no character.
std::optional<QChar> SpeedKeyOf(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = key.text();
    if (text.size() != 1 || !GameSession::SpeedKeyInterval(text[0]))
        return std::nullopt;
    return text[0];
}
} // namespace

std::optional<RewardKey> RewardKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers needed = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    if ((modifiers & needed) != needed)
        return std::nullopt;
    switch (key) {
    case Qt::Key_F9:
        return RewardKey::F9;
    case Qt::Key_F10:
        return RewardKey::F10;
    case Qt::Key_F11:
        return RewardKey::F11;
    case Qt::Key_F12:
        return RewardKey::F12;
    default:
        return std::nullopt;
    }
}

GameKeys::GameKeys(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

GameKeys::~GameKeys() {
    qApp->removeEventFilter(this);
}

// The filter sees a key at every widget it passes on its way up through the parents; a handled
// key is consumed at the first, so that it acts once.
bool GameKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (type == QEvent::KeyPress) {
        const std::optional<QChar> speedKey = SpeedKeyOf(key);
        if (!speedKey || TakesTypedText(widget) || TakesTypedText(widget->window()->focusWidget()))
            return false;
        emit SpeedKeyPressed(*speedKey);
        return true;
    }
    if (widget->window() != &mainWindow_ || key.isAutoRepeat() ||
        !RewardKeyOf(key.key(), key.modifiers()))
        return false;
    emit RewardKeyReleased(key.key(), key.modifiers());
    return true;
}
