#include "widgets/led_meter.h"

// Skeleton; painting and the setter rules come in their own change.
TLEDMeter::TLEDMeter(QWidget* parent) : QWidget(parent) { resize(143, 16); }
void TLEDMeter::SetBevelStyle(TBevelStyle value) { bevelStyle_ = value; }
void TLEDMeter::SetColorLED1(const QColor& value) { colorLED_[0] = value; }
void TLEDMeter::SetColorLED2(const QColor& value) { colorLED_[1] = value; }
void TLEDMeter::SetColorLED3(const QColor& value) { colorLED_[2] = value; }
void TLEDMeter::SetColorSeperator(const QColor& value) { colorSeperator_ = value; }
void TLEDMeter::SetDirection(TMeterDirection value) { direction_ = value; }
void TLEDMeter::SetLEDContrast(int value) { contrast_ = value; }
void TLEDMeter::SetMax(int value) { max_ = value; }
void TLEDMeter::SetMin(int value) { min_ = value; }
void TLEDMeter::SetNumDigits(int value) { numDigits_ = value; }
void TLEDMeter::SetPosition(int value) { position_ = value; }
void TLEDMeter::SetSingleLED(bool value) { singleLED_ = value; }
void TLEDMeter::SetStartColor2(int value) { startColor2_ = value; }
void TLEDMeter::SetStartColor3(int value) { startColor3_ = value; }
QSize TLEDMeter::sizeHint() const { return {143, 16}; }
QColor TLEDMeter::Dim(const QColor& color, int) { return color; }
void TLEDMeter::paintEvent(QPaintEvent*) {}
