// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spin_edit.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <optional>

namespace {
const QChar DecimalSeparator = u',';

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool IsAllowedCharacter(QChar c) {
    return IsAsciiDigit(c) || c == u'+' || c == u'-' || c == DecimalSeparator;
}

// A whole number is an optional sign followed by digits. Numbers too long for 64 bits still
// count as whole numbers; they saturate and are clamped like any other.
std::optional<long long> ParseWholeNumber(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    constexpr long long Saturation = 1'000'000'000'000LL;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i]))
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), Saturation);
    }
    return negative ? -magnitude : magnitude;
}
} // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, int value, QWidget* parent)
    : QAbstractSpinBox(parent), minValue_(minValue), maxValue_(std::max(minValue, maxValue)) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::yellow);
    // The arrows are drawn like buttons, dark on light, whatever the window's text colour.
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    // The frame is drawn in a shade of the window colour; a light one keeps it visible.
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    setAccelerated(false);
    SetValue(value);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        const int value = Value();
        emit Changed(value);
        // As Qt's own spin boxes do, for a screen reader that listens.
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(this, value);
            QAccessible::updateAccessibility(&event);
        }
    });
}

int TSpinEdit::Value() const {
    const std::optional<long long> number = ParseWholeNumber(text());
    if (!number)
        return minValue_;
    return static_cast<int>(std::clamp<long long>(*number, minValue_, maxValue_));
}

void TSpinEdit::SetValue(int value) {
    lineEdit()->setText(QString::number(std::clamp(value, minValue_, maxValue_)));
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    return std::all_of(input.cbegin(), input.cend(), IsAllowedCharacter) ? QValidator::Acceptable
                                                                         : QValidator::Invalid;
}

void TSpinEdit::stepBy(int steps) {
    SetValue(static_cast<int>(
        std::clamp<long long>(static_cast<long long>(Value()) + steps, minValue_, maxValue_)));
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (Value() < maxValue_)
        enabled |= StepUpEnabled;
    if (Value() > minValue_)
        enabled |= StepDownEnabled;
    return enabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    CorrectIntoRange();
}

void TSpinEdit::CorrectIntoRange() {
    const std::optional<long long> number = ParseWholeNumber(text());
    if (number && (*number < minValue_ || *number > maxValue_))
        SetValue(Value());
}
