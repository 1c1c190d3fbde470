#pragma once

#include <QColor>
#include <QWidget>

enum TMeterDirection { mdDown, mdLeft, mdRight, mdUp };
enum TBevelStyle { bvNone, bvLowered, bvRaised, bvSpace };

// A bar of separate rectangular segments, like a row of LEDs. The first segments, counted from
// the side the bar grows from, are lit; the rest show dimmed versions of their zone colours.
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

    void SetBevelStyle(TBevelStyle value);
    void SetColorLED1(const QColor& value);
    void SetColorLED2(const QColor& value);
    void SetColorLED3(const QColor& value);
    void SetColorSeperator(const QColor& value);
    void SetDirection(TMeterDirection value);
    void SetLEDContrast(int value);
    void SetMax(int value);
    void SetMin(int value);
    void SetNumDigits(int value);
    void SetPosition(int value);
    void SetSingleLED(bool value);
    void SetStartColor2(int value);
    void SetStartColor3(int value);

    QSize sizeHint() const override;

    // The dimmed colour of `color` at contrast k (0..9), through the HLS model.
    static QColor Dim(const QColor& color, int contrast);

signals:
    void OnChange(TLEDMeter* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelStyle bevelStyle_ = bvLowered;
    QColor colorLED_[3] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 0)};
    QColor colorSeperator_ = Qt::black;
    TMeterDirection direction_ = mdRight;
    int contrast_ = 6;
    int max_ = 100;
    int min_ = 0;
    int numDigits_ = 20;
    int position_ = 0;
    bool singleLED_ = false;
    int startColor2_ = 75;
    int startColor3_ = 90;
    QColor dimmed_[3];
};
