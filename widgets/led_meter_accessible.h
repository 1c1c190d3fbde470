// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class TLEDMeter;

// What a screen reader learns of a meter: a progress bar named after its caption label (the
// label whose buddy it is, without the colon) with its Position as value, read-only.
class TLEDMeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TLEDMeterAccessible(TLEDMeter* meter);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    const TLEDMeter* Meter() const;
};

// Makes `meter` known to accessibility: registers the meters' interface with Qt once, and
// announces every change of the meter's Position to a listening screen reader.
void MakeAccessible(TLEDMeter* meter);
