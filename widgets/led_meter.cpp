// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/led_meter.h"

#include "widgets/hls_color.h"
#include "widgets/led_meter_accessible.h"

#include <QEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxContrast = 9;

// Nearest whole number, exact halves to the even neighbour (the default rounding mode).
double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

int ToChannel(double fraction) {
    return static_cast<int>(std::clamp(RoundHalfEven(fraction * 255.0), 0.0, 255.0));
}

// Rectangles of a tiny meter can come out empty or negative; those draw nothing.
void FillIfAny(QPainter& painter, const QRect& area, const QColor& color) {
    if (!area.isEmpty()) {
        painter.fillRect(area, color);
    }
}

bool IsHorizontal(TMeterDirection direction) {
    return direction == mdLeft || direction == mdRight;
}

} // namespace

TLEDMeter::TLEDMeter(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
    for (int zone = 0; zone < 3; ++zone) {
        dimmed_[zone] = Dim(colorLED_[zone], contrast_);
    }
    MakeAccessible(this);
}

QSize TLEDMeter::sizeHint() const {
    return {143, 16};
}

QColor TLEDMeter::Dim(const QColor& color, int contrast) {
    const QColor rgb = color.toRgb();
    HlsFraction hls = RgbToHls({rgb.red() / 255.0, rgb.green() / 255.0, rgb.blue() / 255.0});
    // The factor is a 4-byte real on purpose: at contrast 7 it is slightly above 0.3, which
    // turns red 76.5 into 77 rather than 76.
    const int k = std::clamp(contrast, 0, kMaxContrast);
    const float factor = static_cast<float>(10 - k) / 10.0f;
    hls.Luminance *= factor;
    const RgbFraction dimmed = HlsToRgb(hls);
    return QColor(ToChannel(dimmed.Red), ToChannel(dimmed.Green), ToChannel(dimmed.Blue));
}

void TLEDMeter::SetBevelStyle(TBevelStyle value) {
    if (value == bevelStyle_) {
        return;
    }
    bevelStyle_ = value;
    LookChanged();
}

void TLEDMeter::SetColorLED1(const QColor& value) {
    SetColorLED(0, value);
}
void TLEDMeter::SetColorLED2(const QColor& value) {
    SetColorLED(1, value);
}
void TLEDMeter::SetColorLED3(const QColor& value) {
    SetColorLED(2, value);
}

void TLEDMeter::SetColorLED(int zoneIndex, const QColor& value) {
    if (value == colorLED_[zoneIndex]) {
        return;
    }
    colorLED_[zoneIndex] = value;
    dimmed_[zoneIndex] = Dim(value, contrast_);
    LookChanged();
}

void TLEDMeter::SetColorSeperator(const QColor& value) {
    if (value == colorSeperator_) {
        return;
    }
    colorSeperator_ = value;
    LookChanged();
}

void TLEDMeter::SetDirection(TMeterDirection value) {
    if (value == direction_) {
        return;
    }
    direction_ = value;
    LookChanged();
}

void TLEDMeter::SetLEDContrast(int value) {
    if (value == contrast_ || value < 0 || value > kMaxContrast) {
        return;
    }
    contrast_ = value;
    for (int zone = 0; zone < 3; ++zone) {
        dimmed_[zone] = Dim(colorLED_[zone], contrast_);
    }
    LookChanged();
}

void TLEDMeter::SetMax(int value) {
    if (value == max_) {
        return;
    }
    max_ = value;
    startColor2_ = std::min(startColor2_, max_);
    startColor3_ = std::min(startColor3_, max_);
    LookChanged();
}

void TLEDMeter::SetMin(int value) {
    if (value == min_) {
        return;
    }
    min_ = value;
    startColor2_ = std::max(startColor2_, min_);
    startColor3_ = std::max(startColor3_, min_);
    LookChanged();
}

void TLEDMeter::SetNumDigits(int value) {
    if (value == numDigits_ || value < 1) {
        return;
    }
    numDigits_ = value;
    LookChanged();
}

// The game sets every gauge in every tick, so an unchanged value must return before anything
// else. A value that is only limited back to the current one still counts as a change.
void TLEDMeter::SetPosition(int value) {
    if (value == position_) {
        return;
    }
    position_ = std::max(std::min(value, max_), min_);
    update();
    emit OnChange(this);
}

void TLEDMeter::SetSingleLED(bool value) {
    if (value == singleLED_) {
        return;
    }
    singleLED_ = value;
    update();
}

void TLEDMeter::SetStartColor2(int value) {
    if (value == startColor2_) {
        return;
    }
    startColor2_ = std::min(std::max(std::min(value, max_), min_), startColor3_);
    LookChanged();
}

void TLEDMeter::SetStartColor3(int value) {
    if (value == startColor3_) {
        return;
    }
    startColor3_ = std::max(std::max(std::min(value, max_), min_), startColor2_);
    LookChanged();
}

// Segments up to a scale value: NumDigits / (range / value). The value is deliberately not
// reduced by Min. Counts beyond the bar are cut to one past its end, which keeps "the last lit
// segment" outside the bar just as the uncut count would.
int TLEDMeter::SegmentCount(int scaleValue) const {
    const double range = static_cast<double>(max_) - static_cast<double>(min_);
    if (range <= 0 || scaleValue <= 0) {
        return 0;
    }
    const double count = RoundHalfEven(numDigits_ / (range / scaleValue));
    return static_cast<int>(std::min(count, numDigits_ + 1.0));
}

TLEDLayout TLEDMeter::Layout() const {
    TLEDLayout layout;
    layout.Bevel = bevelStyle_ == bvNone ? 0 : 1;
    const int innerWidth = width() - 2 * layout.Bevel;
    const int innerHeight = height() - 2 * layout.Bevel;
    if (IsHorizontal(direction_)) {
        layout.SegmentWidth = innerWidth / numDigits_;
        layout.SegmentHeight = innerHeight;
    } else {
        layout.SegmentWidth = innerWidth - 1;
        layout.SegmentHeight = innerHeight / numDigits_;
    }
    layout.Lit = SegmentCount(position_);
    layout.FirstLit = singleLED_ ? std::max(layout.Lit - 1, 0) : 0;
    layout.Zone2Start = SegmentCount(startColor2_);
    layout.Zone3Start = SegmentCount(startColor3_);
    return layout;
}

QRect TLEDMeter::SegmentArea(const TLEDLayout& layout, int index) const {
    const int b = layout.Bevel;
    const int w = layout.SegmentWidth;
    const int h = layout.SegmentHeight;
    int x = b;
    int y = b;
    switch (direction_) {
    case mdRight:
        x = b + index * w;
        break;
    case mdLeft:
        x = width() - b - (index + 1) * w - 1;
        break;
    case mdDown:
        y = b + index * h;
        break;
    case mdUp:
        y = height() - b - (index + 1) * h;
        break;
    }
    // One column wider than the step, so horizontal neighbours share their outline column.
    return QRect(x, y, w + 1, h);
}

TLEDSegment TLEDMeter::Segment(const TLEDLayout& layout, int index) const {
    TLEDSegment segment;
    segment.Area = SegmentArea(layout, index);
    segment.Zone = index < layout.Zone2Start ? 1 : index < layout.Zone3Start ? 2 : 3;
    segment.Bright = index >= layout.FirstLit && index < layout.Lit;
    segment.Fill = segment.Bright ? colorLED_[segment.Zone - 1] : dimmed_[segment.Zone - 1];
    return segment;
}

// Only fillRect with plain colours: it needs no pen or brush objects, so a paint allocates
// nothing, and integer rectangles hit exactly the pixels meant.
void TLEDMeter::Paint(QPainter& painter) const {
    PaintLayout(painter, Layout());
}

void TLEDMeter::PaintLayout(QPainter& painter, const TLEDLayout& layout) const {
    for (int index = 0; index < numDigits_; ++index) {
        const TLEDSegment segment = Segment(layout, index);
        if (segment.Area.isEmpty()) {
            break; // all segments have the same size
        }
        painter.fillRect(segment.Area, colorSeperator_);
        FillIfAny(painter, segment.Area.adjusted(1, 1, -1, -1), segment.Fill);
    }
    PaintBevel(painter);
}

// Two lines around the control, each leaving out its end point: top edge and left edge in the
// first colour, bottom edge and right edge in the second.
void TLEDMeter::PaintBevel(QPainter& painter) const {
    if (bevelStyle_ == bvNone) {
        return;
    }
    const QColor& highlight = palette().color(QPalette::Light);
    const QColor& shadow = palette().color(QPalette::Dark);
    const bool raised = bevelStyle_ == bvRaised;
    const QColor& first = raised ? highlight : shadow;
    const QColor& second = raised ? shadow : highlight;
    const int w = width();
    const int h = height();
    FillIfAny(painter, QRect(1, 0, w - 1, 1), first);
    FillIfAny(painter, QRect(0, 0, 1, h - 1), first);
    FillIfAny(painter, QRect(0, h - 1, w - 1, 1), second);
    FillIfAny(painter, QRect(w - 1, 1, 1, h - 1), second);
}

void TLEDMeter::LookChanged() {
    litLook_ = QImage();
    unlitLook_ = QImage();
    update();
}

// Transparent where no segment and no bevel is drawn, so that the parent's background shows
// there as it does under a direct paint.
QImage TLEDMeter::DrawLook(const TLEDLayout& layout, qreal ratio) const {
    QImage look(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    look.setDevicePixelRatio(ratio);
    look.fill(Qt::transparent);
    QPainter painter(&look);
    PaintLayout(painter, layout);
    return look;
}

void TLEDMeter::UpdateLooks(qreal ratio) {
    if (!litLook_.isNull() && litLook_.devicePixelRatio() == ratio) {
        return;
    }
    TLEDLayout layout = Layout();
    layout.FirstLit = 0;
    layout.Lit = numDigits_;
    litLook_ = DrawLook(layout, ratio);
    layout.Lit = 0;
    unlitLook_ = DrawLook(layout, ratio);
}

// The lit segments form one run; the rectangle around it holds nothing but those segments,
// outline columns they share with unlit neighbours and bevel pixels, and the latter two are
// the same in both looks.
void TLEDMeter::PaintFromLooks(QPainter& painter) {
    if (size().isEmpty()) {
        return;
    }
    // The pictures are drawn at the resolution they are shown at.
    UpdateLooks(painter.device()->devicePixelRatioF());
    painter.drawImage(QPoint(0, 0), unlitLook_);
    const TLEDLayout layout = Layout();
    const int last = std::min(layout.Lit, numDigits_) - 1;
    if (layout.FirstLit > last) {
        return;
    }
    const QRect run =
        SegmentArea(layout, layout.FirstLit).united(SegmentArea(layout, last)) & rect();
    if (run.isEmpty()) {
        return;
    }
    const qreal ratio = litLook_.devicePixelRatio();
    painter.drawImage(QRectF(run), litLook_,
                      QRectF(QPointF(run.topLeft()) * ratio, QSizeF(run.size()) * ratio));
}

void TLEDMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFromLooks(painter);
}

void TLEDMeter::resizeEvent(QResizeEvent*) {
    LookChanged();
}

// The bevel takes its colours from the palette.
void TLEDMeter::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        LookChanged();
    }
    QWidget::changeEvent(event);
}
