// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/led_meter.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cstddef>
#include <utility>

// Counts heap allocations on the test's thread while switched on, to show that painting
// allocates nothing. Qt's containers call malloc directly, so malloc itself is replaced
// (operator new ends up here too); glibc's own entry points do the work. AddressSanitizer brings
// its own malloc; counting is left out in such builds.
namespace {
thread_local bool countAllocations = false;
thread_local int allocations = 0;
} // namespace

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);

void* malloc(std::size_t size) {
    allocations += countAllocations ? 1 : 0;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    allocations += countAllocations ? 1 : 0;
    return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
    allocations += countAllocations ? 1 : 0;
    return __libc_realloc(memory, size);
}
}
#endif

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kDimRed(77, 0, 0);
const QColor kDimYellow(77, 77, 0);
const QColor kDimLime(0, 77, 0);
// Never drawn by the meter: shows where the parent's background stays visible.
const QColor kBackground(12, 34, 56);
const QColor kHighlight(250, 240, 230);
const QColor kShadow(60, 50, 40);

// A meter with the settings of the main window's five gauges.
struct Gauge : TLEDMeter {
    explicit Gauge(int position = 0) {
        resize(143, 11);
        SetBevelStyle(bvLowered);
        SetColorLED1(kRed);
        SetColorLED2(kYellow);
        SetColorLED3(kLime);
        SetColorSeperator(kBlack);
        SetDirection(mdRight);
        SetLEDContrast(7);
        SetMin(0);
        SetMax(100);
        SetNumDigits(20);
        SetPosition(position);
        SetSingleLED(false);
        SetStartColor2(50);
        SetStartColor3(75);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Light, kHighlight);
        palette.setColor(QPalette::Dark, kShadow);
        setPalette(palette);
    }
};

QImage Render(TLEDMeter& meter) {
    QImage image(meter.size(), QImage::Format_RGB32);
    image.fill(kBackground);
    meter.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The meter drawn segment by segment, the reference for what the paint event shows.
QImage RenderDirectly(const TLEDMeter& meter) {
    QImage image(meter.size(), QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    meter.Paint(painter);
    return image;
}

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The fill of gauge segment i when `lit` segments are lit: zones start at segments 10 and 15.
QColor GaugeFill(int i, int lit, bool singleLed = false) {
    const bool bright = i < lit && (!singleLed || i == lit - 1);
    if (i < 10) {
        return bright ? kRed : kDimRed;
    }
    if (i < 15) {
        return bright ? kYellow : kDimYellow;
    }
    return bright ? kLime : kDimLime;
}

// Compares the centre pixel of every horizontal gauge segment (columns 1 + 7i .. 8 + 7i, rows
// 1..9) with its expected fill.
void ExpectGauge(const QImage& image, int lit, bool singleLed = false) {
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(Pixel(image, 5 + 7 * i, 5), GaugeFill(i, lit, singleLed));
    }
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

} // namespace

class LedMeterTest : public QObject {
    Q_OBJECT
private slots:
    void constructionValues() {
        TLEDMeter meter;
        QCOMPARE(meter.size(), QSize(143, 16));
        QCOMPARE(meter.sizeHint(), QSize(143, 16));
        QCOMPARE(meter.focusPolicy(), Qt::NoFocus);
        QCOMPARE(meter.BevelStyle(), bvLowered);
        QCOMPARE(meter.ColorLED1(), kLime);
        QCOMPARE(meter.ColorLED2(), kYellow);
        QCOMPARE(meter.ColorLED3(), kRed);
        QCOMPARE(meter.ColorSeperator(), kBlack);
        QCOMPARE(meter.Direction(), mdRight);
        QCOMPARE(meter.LEDContrast(), 6);
        QCOMPARE(meter.Max(), 100);
        QCOMPARE(meter.Min(), 0);
        QCOMPARE(meter.NumDigits(), 20);
        QCOMPARE(meter.Position(), 0);
        QCOMPARE(meter.SingleLED(), false);
        QCOMPARE(meter.StartColor2(), 75);
        QCOMPARE(meter.StartColor3(), 90);
    }

    void dimReferenceTable_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<QColor>("dimmed");
        QTest::newRow("red 6") << kRed << 6 << QColor(102, 0, 0);
        QTest::newRow("red 7") << kRed << 7 << QColor(77, 0, 0); // 76.500003 with the 4-byte factor
        QTest::newRow("yellow 6") << kYellow << 6 << QColor(102, 102, 0);
        QTest::newRow("yellow 7") << kYellow << 7 << QColor(77, 77, 0);
        QTest::newRow("lime 6") << kLime << 6 << QColor(0, 102, 0);
        QTest::newRow("lime 7") << kLime << 7 << QColor(0, 77, 0);
        QTest::newRow("contrast 0 keeps colour")
            << QColor(200, 100, 50) << 0 << QColor(200, 100, 50);
        QTest::newRow("red 9 keeps a tenth") << kRed << 9 << QColor(26, 0, 0);
        QTest::newRow("white 5 is mid grey") << QColor(255, 255, 255) << 5 << QColor(128, 128, 128);
        QTest::newRow("black stays black") << kBlack << 7 << kBlack;
    }

    void dimReferenceTable() {
        QFETCH(QColor, color);
        QFETCH(int, contrast);
        QFETCH(QColor, dimmed);
        QCOMPARE(TLEDMeter::Dim(color, contrast), dimmed);
    }

    // Qt's own HSL model is the same as HLS; it keeps 16-bit components, so allow one step.
    void dimKeepsHueAndSaturation() {
        for (const QColor& color : {QColor(200, 100, 50), QColor(30, 60, 220), QColor(10, 240, 130),
                                    QColor(250, 200, 240), QColor(90, 90, 40)}) {
            for (int contrast = 0; contrast <= 9; ++contrast) {
                const float factor = static_cast<float>(10 - contrast) / 10.0f;
                const QColor expected = QColor::fromHslF(color.hslHueF(), color.hslSaturationF(),
                                                         color.lightnessF() * factor);
                const QColor dimmed = TLEDMeter::Dim(color, contrast);
                QVERIFY2(std::abs(dimmed.red() - expected.red()) <= 1 &&
                             std::abs(dimmed.green() - expected.green()) <= 1 &&
                             std::abs(dimmed.blue() - expected.blue()) <= 1,
                         qPrintable(QStringLiteral("%1 at %2 gave %3, expected about %4")
                                        .arg(color.name())
                                        .arg(contrast)
                                        .arg(dimmed.name(), expected.name())));
            }
        }
    }

    void dimmedColoursFollowColourAndContrast() {
        TLEDMeter meter;
        const QColor blue(0, 0, 255);
        meter.SetColorLED2(blue);
        QCOMPARE(meter.DimmedColor(2), QColor(0, 0, 102));
        QCOMPARE(meter.DimmedColor(1), QColor(0, 102, 0));

        meter.SetLEDContrast(7);
        QCOMPARE(meter.LEDContrast(), 7);
        QCOMPARE(meter.DimmedColor(1), kDimLime);
        QCOMPARE(meter.DimmedColor(2), QColor(0, 0, 77));
        QCOMPARE(meter.DimmedColor(3), kDimRed);

        meter.SetLEDContrast(10);
        QCOMPARE(meter.LEDContrast(), 7);
        meter.SetLEDContrast(-1);
        QCOMPARE(meter.LEDContrast(), 7);
        QCOMPARE(meter.DimmedColor(3), kDimRed);

        meter.SetLEDContrast(0);
        QCOMPARE(meter.DimmedColor(3), kRed);
    }

    void gaugeAtPosition42() {
        Gauge meter(42);
        const QImage image = Render(meter);

        for (int i = 0; i < 20; ++i) {
            // The whole inside of the segment, not only its centre.
            for (int x = 2 + 7 * i; x <= 7 + 7 * i; ++x) {
                for (int y = 2; y <= 8; ++y) {
                    QCOMPARE(Pixel(image, x, y), GaugeFill(i, 8));
                }
            }
            // Outline rows.
            for (int x = 1 + 7 * i; x <= 8 + 7 * i; ++x) {
                QCOMPARE(Pixel(image, x, 1), kBlack);
                QCOMPARE(Pixel(image, x, 9), kBlack);
            }
        }
        // Neighbours share one outline column: 1, 8, 15, ..., 141.
        for (int column = 1; column <= 141; column += 7) {
            for (int y = 1; y <= 9; ++y) {
                QCOMPARE(Pixel(image, column, y), kBlack);
            }
        }
    }

    void gaugeLitCounts_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("lit");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("2") << 2 << 0;
        QTest::newRow("3") << 3 << 1;
        QTest::newRow("42") << 42 << 8;
        QTest::newRow("50") << 50 << 10;
        QTest::newRow("97") << 97 << 19;
        QTest::newRow("98") << 98 << 20;
        QTest::newRow("100") << 100 << 20;
        QTest::newRow("above max is limited") << 250 << 20;
        QTest::newRow("below min is limited") << -20 << 0;
    }

    void gaugeLitCounts() {
        QFETCH(int, position);
        QFETCH(int, lit);
        Gauge meter(position);
        ExpectGauge(Render(meter), lit);
    }

    // With ten segments every fifth value falls on a half.
    void halfCountsRoundToEven() {
        TLEDMeter meter;
        meter.SetNumDigits(10);
        for (const auto& [position, lit] : {std::pair{5, 0}, {15, 2}, {25, 2}, {35, 4}, {95, 10}}) {
            meter.SetPosition(position);
            QCOMPARE(meter.Layout().Lit, lit);
        }
    }

    void emptyScaleLightsNothing() {
        Gauge meter(60);
        meter.SetMax(0); // Max equal to Min; Position stays 60
        QCOMPARE(meter.Position(), 60);
        // Every zone starts at 0, so the whole bar shows the last zone, dimmed.
        const QImage image = Render(meter);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(Pixel(image, 5 + 7 * i, 5), kDimLime);
        }
    }

    void bevelUsesButtonColours_data() {
        QTest::addColumn<TBevelStyle>("style");
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::newRow("lowered") << bvLowered << kShadow << kHighlight;
        QTest::newRow("space") << bvSpace << kShadow << kHighlight;
        QTest::newRow("raised") << bvRaised << kHighlight << kShadow;
    }

    void bevelUsesButtonColours() {
        QFETCH(TBevelStyle, style);
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        Gauge meter;
        meter.SetBevelStyle(style);
        const QImage image = Render(meter);
        for (int x = 0; x < 143; ++x) {
            QCOMPARE(Pixel(image, x, 0), first);
            QCOMPARE(Pixel(image, x, 10), second);
        }
        for (int y = 0; y < 11; ++y) {
            QCOMPARE(Pixel(image, 0, y), y < 10 ? first : second);
            QCOMPARE(Pixel(image, 142, y), y > 0 ? second : first);
        }
    }

    void withoutBevelSegmentsStartAtOrigin() {
        Gauge meter(100);
        meter.SetBevelStyle(bvNone);
        const QImage image = Render(meter);
        // Segments 7 wide (143 / 20) and the full 11 high, the first at 0, 0.
        QCOMPARE(Pixel(image, 0, 0), kBlack);
        QCOMPARE(Pixel(image, 0, 10), kBlack);
        QCOMPARE(Pixel(image, 7, 0), kBlack);
        QCOMPARE(Pixel(image, 1, 1), kRed);
        QCOMPARE(Pixel(image, 6, 9), kRed);
        QCOMPARE(Pixel(image, 140, 5), kBlack); // last outline column: 19 * 7 + 7
        QCOMPARE(Pixel(image, 141, 5), kBackground);
        QCOMPARE(Pixel(image, 142, 0), kBackground);
    }

    void backgroundShowsBeyondSegments() {
        Gauge meter;
        meter.resize(150, 11); // 148 / 20 = 7: columns 142..148 stay uncovered
        const QImage image = Render(meter);
        QCOMPARE(Pixel(image, 141, 5), kBlack);
        for (int x = 142; x <= 148; ++x) {
            QCOMPARE(Pixel(image, x, 5), kBackground);
        }
        QCOMPARE(Pixel(image, 149, 5), kHighlight);
    }

    void leftMirrorsRight() {
        Gauge right(42);
        Gauge left(42);
        left.SetDirection(mdLeft);

        const QImage mirrored = Render(right).mirrored(true, false);
        const QImage image = Render(left);
        // Inside the bevel, which itself is not symmetric.
        for (int x = 1; x <= 141; ++x) {
            for (int y = 1; y <= 9; ++y) {
                QCOMPARE(Pixel(image, x, y), Pixel(mirrored, x, y));
            }
        }
        QCOMPARE(Pixel(image, 138, 5), kRed);
        QCOMPARE(Pixel(image, 4, 5), kDimLime);
    }

    void verticalDirections() {
        Gauge meter(42);
        meter.resize(11, 143);
        for (TMeterDirection direction : {mdDown, mdUp}) {
            meter.SetDirection(direction);
            const QImage image = Render(meter);
            // Segment i covers columns 1..9 and seven rows from `top`.
            for (int i = 0; i < 20; ++i) {
                const int top = direction == mdDown ? 1 + 7 * i : 143 - 1 - 7 * (i + 1);
                // Own outline rows, not shared with the neighbour.
                QCOMPARE(Pixel(image, 5, top), kBlack);
                QCOMPARE(Pixel(image, 5, top + 6), kBlack);
                QCOMPARE(Pixel(image, 1, top + 3), kBlack);
                QCOMPARE(Pixel(image, 9, top + 3), kBlack);
                for (int y = top + 1; y <= top + 5; ++y) {
                    QCOMPARE(Pixel(image, 2, y), GaugeFill(i, 8));
                    QCOMPARE(Pixel(image, 8, y), GaugeFill(i, 8));
                }
            }
            // 141 / 20 leaves one row between the last segment and the bevel.
            const int uncoveredRow = direction == mdDown ? 141 : 1;
            QCOMPARE(Pixel(image, 5, uncoveredRow), kBackground);
            QCOMPARE(Pixel(image, 10, 70), kHighlight);
        }
    }

    // The paint event draws from the cached all-lit and none-lit pictures: every pixel must
    // be the one the segment-by-segment drawing gives, for every direction, lit count and
    // size, also after each change that makes the pictures out of date.
    void cachedPaintMatchesDirectDrawing() {
        Gauge meter;
        const auto expectSame = [&meter](const char* step) {
            for (const bool single : {false, true}) {
                meter.SetSingleLED(single);
                for (const int position : {0, 1, 3, 42, 50, 74, 99, 100, 250}) {
                    meter.SetPosition(position);
                    QVERIFY2(Render(meter) == RenderDirectly(meter),
                             qPrintable(QStringLiteral("%1, position %2, single %3")
                                            .arg(QLatin1String(step))
                                            .arg(position)
                                            .arg(single)));
                }
            }
        };
        for (const TMeterDirection direction : {mdRight, mdLeft, mdUp, mdDown}) {
            meter.SetDirection(direction);
            const bool vertical = direction == mdUp || direction == mdDown;
            meter.resize(vertical ? QSize(11, 143) : QSize(143, 11));
            expectSame("gauge");
            meter.resize(vertical ? QSize(12, 150) : QSize(150, 12)); // background shows
            expectSame("resized");
            meter.SetLEDContrast(3);
            meter.SetColorLED2(QColor(0, 0, 255));
            meter.SetColorSeperator(QColor(90, 90, 90));
            expectSame("colours");
            QPalette palette = meter.palette();
            palette.setColor(QPalette::Light, QColor(1, 2, 3));
            meter.setPalette(palette);
            expectSame("palette");
            meter.SetNumDigits(7);
            meter.SetStartColor3(90);
            meter.SetBevelStyle(bvNone);
            expectSame("layout");
            meter.resize(3, 3); // tinier than its segments
            expectSame("tiny");
        }
    }

    void singleLedLightsOnlyLastSegment() {
        Gauge meter(50);
        meter.SetSingleLED(true);
        ExpectGauge(Render(meter), 10, true);
    }

    void maxAndMinPullStartColoursNotPosition() {
        Gauge meter(60);
        meter.SetMax(40);
        QCOMPARE(meter.StartColor3(), 40);
        QCOMPARE(meter.StartColor2(), 40);
        QCOMPARE(meter.Position(), 60);
        // Both zones start at the end of the scale: every segment lit in the first colour.
        const QImage image = Render(meter);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(Pixel(image, 5 + 7 * i, 5), kRed);
        }

        meter.SetMax(100);
        meter.SetStartColor3(75);
        meter.SetStartColor2(20);
        meter.SetMax(50); // only StartColor3 lies above
        QCOMPARE(meter.StartColor2(), 20);
        QCOMPARE(meter.StartColor3(), 50);

        meter.SetMin(30); // only StartColor2 lies below
        QCOMPARE(meter.StartColor2(), 30);
        QCOMPARE(meter.StartColor3(), 50);
        QCOMPARE(meter.Position(), 60);
    }

    void startColourLimits() {
        Gauge meter;
        meter.SetStartColor2(80);
        QCOMPARE(meter.StartColor2(), 75);
        meter.SetStartColor3(40);
        QCOMPARE(meter.StartColor3(), 75);
        meter.SetStartColor2(-5);
        QCOMPARE(meter.StartColor2(), 0);
        meter.SetStartColor3(200);
        QCOMPARE(meter.StartColor3(), 100);

        // Min above Max: the limits end on Min.
        meter.SetMin(120);
        QCOMPARE(meter.StartColor2(), 120);
        QCOMPARE(meter.StartColor3(), 120);
        meter.SetStartColor2(10);
        QCOMPARE(meter.StartColor2(), 120);

        // Max then pulls StartColor3 below Min; StartColor2 still ends at most StartColor3.
        meter.SetMax(50);
        QCOMPARE(meter.StartColor3(), 50);
        meter.SetStartColor2(10);
        QCOMPARE(meter.StartColor2(), 50);
    }

    void positionLimits() {
        TLEDMeter meter;
        meter.SetPosition(150);
        QCOMPARE(meter.Position(), 100);
        meter.SetPosition(-5);
        QCOMPARE(meter.Position(), 0);
        meter.SetMin(120); // Max below Min: a new position lands on Min
        meter.SetPosition(50);
        QCOMPARE(meter.Position(), 120);
    }

    void numDigitsBelowOneRefused() {
        TLEDMeter meter;
        meter.SetNumDigits(0);
        QCOMPARE(meter.NumDigits(), 20);
        meter.SetNumDigits(-3);
        QCOMPARE(meter.NumDigits(), 20);
        meter.SetNumDigits(1);
        QCOMPARE(meter.NumDigits(), 1);
        meter.SetPosition(100);
        const TLEDLayout layout = meter.Layout();
        QCOMPARE(layout.SegmentWidth, 141);
        QCOMPARE(layout.Lit, 1);
    }

    void onChangeReportsSender() {
        TLEDMeter meter;
        QSignalSpy spy(&meter, &TLEDMeter::OnChange);
        meter.SetPosition(42);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<TLEDMeter*>(), &meter);
        QCOMPARE(meter.Position(), 42);

        meter.SetPosition(42);
        QCOMPARE(spy.count(), 1);

        // A value that is limited back to the current one is still a change.
        meter.SetPosition(100);
        meter.SetPosition(150);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(meter.Position(), 100);

        meter.SetMax(80); // does not touch Position, raises nothing
        QCOMPARE(spy.count(), 3);
    }

    void unchangedValuesCostNoRepaint() {
        Gauge meter;
        PaintCounter counter;
        meter.installEventFilter(&counter);
        meter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&meter));
        QTRY_VERIFY(counter.paints > 0);

        counter.paints = 0;
        meter.SetPosition(42);
        QTRY_COMPARE(counter.paints, 1);

        counter.paints = 0;
        meter.SetPosition(42);
        meter.SetBevelStyle(bvLowered);
        meter.SetColorLED1(kRed);
        meter.SetColorSeperator(kBlack);
        meter.SetDirection(mdRight);
        meter.SetLEDContrast(7);
        meter.SetLEDContrast(12);
        meter.SetMax(100);
        meter.SetMin(0);
        meter.SetNumDigits(20);
        meter.SetNumDigits(0);
        meter.SetSingleLED(false);
        meter.SetStartColor2(50);
        meter.SetStartColor3(75);
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);

        meter.SetLEDContrast(5);
        QTRY_COMPARE(counter.paints, 1);
    }

    // Every paint runs at the game's tick rate; segment drawing must not touch the heap. The
    // painter is warmed up first so only the meter's own work is counted.
    void paintAllocatesNothing() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("allocations are not counted under AddressSanitizer");
#endif
        Gauge meter(42);
        QImage image(meter.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        meter.Paint(painter);

        for (TMeterDirection direction : {mdRight, mdLeft, mdUp, mdDown}) {
            meter.SetDirection(direction);
            allocations = 0;
            countAllocations = true;
            meter.Paint(painter);
            countAllocations = false;
            QCOMPARE(allocations, 0);
        }

        // Drawing from the cached pictures: only their first drawing allocates.
        meter.SetDirection(mdRight);
        meter.PaintFromLooks(painter);
        allocations = 0;
        countAllocations = true;
        for (const int position : {0, 42, 100}) {
            meter.SetPosition(position);
            meter.PaintFromLooks(painter);
        }
        countAllocations = false;
        QCOMPARE(allocations, 0);

        // The counter itself works.
        allocations = 0;
        countAllocations = true;
        const QString text = QString::number(meter.Position());
        countAllocations = false;
        QVERIFY(allocations > 0);
    }
};

QTEST_MAIN(LedMeterTest)
#include "led_meter_test.moc"
