// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>

// A whole-number field with up and down arrows and a range. Its value is the whole number
// written in it, brought into the range; while the text is not a whole number it reads as the
// minimum. Typing is limited to digits, "+", "-" and the decimal comma, and a number outside
// the range is corrected when the field loses the focus. Other text stays as typed, so a
// cleared field stays empty.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    // Qt's accessibility reads a spin box's value and range from these properties.
    Q_PROPERTY(int value READ Value WRITE SetValue NOTIFY Changed)
    Q_PROPERTY(int minimum READ MinValue CONSTANT)
    Q_PROPERTY(int maximum READ MaxValue CONSTANT)
    Q_PROPERTY(int stepSize READ StepSize CONSTANT)
public:
    TSpinEdit(int minValue, int maxValue, int value, QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int StepSize() const { return 1; }

    int Value() const;
    // Writes `value`, brought into the range, as the field's text.
    void SetValue(int value);
    // A number typed outside the range is brought into it, as when the field loses the focus.
    void CorrectIntoRange();

signals:
    // Every change of the text, typed or stepped ("OnChange").
    void Changed(int value);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minValue_;
    int maxValue_;
};
