// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/led_meter_accessible.h"

#include "widgets/led_meter.h"

namespace {

QAccessibleInterface* MeterInterfaceFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(TLEDMeter::staticMetaObject.className()))
        return nullptr;
    auto* meter = qobject_cast<TLEDMeter*>(object);
    return meter ? new TLEDMeterAccessible(meter) : nullptr;
}

void AnnouncePosition(TLEDMeter* meter) {
    // Qt passes events on only while a screen reader listens; without one, skip building it.
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(meter, meter->Position());
    QAccessible::updateAccessibility(&event);
}

} // namespace

TLEDMeterAccessible::TLEDMeterAccessible(TLEDMeter* meter)
    : QAccessibleWidget(meter, QAccessible::ProgressBar) {}

const TLEDMeter* TLEDMeterAccessible::Meter() const {
    return static_cast<const TLEDMeter*>(widget());
}

void* TLEDMeterAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TLEDMeterAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return QString::number(Meter()->Position());
    QString text = QAccessibleWidget::text(type);
    // A caption label reads "Vielfalt:"; the colon only separates it from the bar on screen.
    if (type == QAccessible::Name && text.endsWith(u':'))
        text.chop(1);
    return text;
}

QVariant TLEDMeterAccessible::currentValue() const {
    return Meter()->Position();
}

void TLEDMeterAccessible::setCurrentValue(const QVariant&) {
    // The game sets the meters; the player only reads them.
}

QVariant TLEDMeterAccessible::maximumValue() const {
    return Meter()->Max();
}

QVariant TLEDMeterAccessible::minimumValue() const {
    return Meter()->Min();
}

QVariant TLEDMeterAccessible::minimumStepSize() const {
    return 1;
}

void MakeAccessible(TLEDMeter* meter) {
    static const bool registered = [] {
        QAccessible::installFactory(MeterInterfaceFactory);
        return true;
    }();
    Q_UNUSED(registered);
    // OnChange also comes when a value is only limited back to the one shown: a screen reader
    // would hear the same value again in every tick.
    QObject::connect(meter, &TLEDMeter::OnChange, meter,
                     [last = meter->Position()](TLEDMeter* changed) mutable {
                         if (changed->Position() == last)
                             return;
                         last = changed->Position();
                         AnnouncePosition(changed);
                     });
}
