// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

class QPainter;

enum TMeterDirection { mdDown, mdLeft, mdRight, mdUp };
enum TBevelStyle { bvNone, bvLowered, bvRaised, bvSpace };

// Sizes and counts that place the segments for the meter's current size and properties.
struct TLEDLayout {
    int Bevel = 0;         // width of the frame: 1, or 0 without bevel
    int SegmentWidth = 0;  // distance between the left edges of neighbouring segments (w)
    int SegmentHeight = 0; // height of one segment including its outline (h)
    int FirstLit = 0;      // first segment lit: the last lit one alone with SingleLED
    int Lit = 0;           // segments lit by Position, counted from the start of the bar
    int Zone2Start = 0;    // first segment of zone 2
    int Zone3Start = 0;    // first segment of zone 3
};

// One segment as drawn: `Area` includes the outline; its right and bottom edge columns/rows
// are the outline's, so neighbouring horizontal segments share one column.
struct TLEDSegment {
    QRect Area;
    QColor Fill;
    int Zone = 1; // 1..3
    bool Bright = false;
};

// A bar of separate rectangular segments, like a row of LEDs. The first segments, counted from
// the side the bar grows from, are lit; the rest show dimmed versions of their zone colours, so
// the whole scale stays visible. The owner sets Position whenever the shown value changes.
class TLEDMeter : public QWidget {
    Q_OBJECT
public:
    explicit TLEDMeter(QWidget* parent = nullptr);

    TBevelStyle BevelStyle() const { return bevelStyle_; }
    QColor ColorLED1() const { return colorLED_[0]; }
    QColor ColorLED2() const { return colorLED_[1]; }
    QColor ColorLED3() const { return colorLED_[2]; }
    QColor ColorSeperator() const { return colorSeperator_; }
    TMeterDirection Direction() const { return direction_; }
    int LEDContrast() const { return contrast_; }
    int Max() const { return max_; }
    int Min() const { return min_; }
    int NumDigits() const { return numDigits_; }
    int Position() const { return position_; }
    bool SingleLED() const { return singleLED_; }
    int StartColor2() const { return startColor2_; }
    int StartColor3() const { return startColor3_; }
    // The dimmed colour of zone 1..3.
    QColor DimmedColor(int zone) const { return dimmed_[zone - 1]; }

    // Every setter does nothing when the value equals the current one. A change schedules a
    // repaint with update(): several changes before the next paint cost one paint.
    void SetBevelStyle(TBevelStyle value);
    void SetColorLED1(const QColor& value);
    void SetColorLED2(const QColor& value);
    void SetColorLED3(const QColor& value);
    void SetColorSeperator(const QColor& value);
    void SetDirection(TMeterDirection value);
    // Contrast runs 0..9; other values are ignored.
    void SetLEDContrast(int value);
    // Max and Min pull StartColor2/3 into the new range but leave Position where it is.
    void SetMax(int value);
    void SetMin(int value);
    // A bar needs at least one segment; 0 and negative counts are ignored.
    void SetNumDigits(int value);
    // Limited to at most Max, then to at least Min; raises OnChange.
    void SetPosition(int value);
    void SetSingleLED(bool value);
    // Limited to at most Max, then to at least Min, then to at most StartColor3.
    void SetStartColor2(int value);
    // Limited to at most Max, then to at least Min, then to at least StartColor2.
    void SetStartColor3(int value);

    QSize sizeHint() const override;

    // The dimmed colour of `color` at contrast 0..9: its HLS lightness scaled by (10 - k) / 10.
    // A contrast outside 0..9 counts as the nearer end.
    static QColor Dim(const QColor& color, int contrast);

    // Where the segments go for the current size and properties.
    TLEDLayout Layout() const;
    // Segment `index` (0 at the start of the bar) of `layout`.
    TLEDSegment Segment(const TLEDLayout& layout, int index) const;
    // Draws the whole meter segment by segment, with the painter's origin at the meter's
    // top-left corner.
    void Paint(QPainter& painter) const;
    // Draws the same pixels from two pictures of the meter, all lit and none lit, kept until
    // the size, a colour, the contrast or the segments' layout change. A gauge is redrawn with
    // every change of its value, so this is what the paint event uses.
    void PaintFromLooks(QPainter& painter);

signals:
    void OnChange(TLEDMeter* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int SegmentCount(int scaleValue) const;
    QRect SegmentArea(const TLEDLayout& layout, int index) const;
    void PaintLayout(QPainter& painter, const TLEDLayout& layout) const;
    void PaintBevel(QPainter& painter) const;
    void SetColorLED(int zoneIndex, const QColor& value);
    // A change of everything but Position and SingleLED: repaint with fresh looks.
    void LookChanged();
    QImage DrawLook(const TLEDLayout& layout, qreal ratio) const;
    void UpdateLooks(qreal ratio);

    TBevelStyle bevelStyle_ = bvLowered;
    QColor colorLED_[3] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)};
    QColor colorSeperator_ = QColor(0, 0, 0);
    TMeterDirection direction_ = mdRight;
    int contrast_ = 6;
    int max_ = 100;
    int min_ = 0;
    int numDigits_ = 20;
    int position_ = 0;
    bool singleLED_ = false;
    int startColor2_ = 75;
    int startColor3_ = 90;
    // Kept up to date by the colour and contrast setters so that painting only reads them.
    QColor dimmed_[3];
    // The whole meter with every segment lit and with none lit; null when out of date.
    QImage litLook_;
    QImage unlitLook_;
};
