// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/hls_color.h"

#include <QtTest>

#include <stdexcept>
#include <string>

class HlsColorTest : public QObject {
    Q_OBJECT
private slots:
    void primariesAndGrey() {
        const HlsFraction red = RgbToHls({1, 0, 0});
        QCOMPARE(red.Hue, 0.0);
        QCOMPARE(red.Luminance, 0.5);
        QCOMPARE(red.Saturation, 1.0);
        QCOMPARE(RgbToHls({0, 1, 0}).Hue, 1.0 / 3.0);
        QCOMPARE(RgbToHls({0, 0, 1}).Hue, 2.0 / 3.0);
        QCOMPARE(RgbToHls({1, 0, 1}).Hue, 5.0 / 6.0); // negative sextant wraps round

        const HlsFraction grey = RgbToHls({0.25, 0.25, 0.25});
        QCOMPARE(grey.Saturation, 0.0);
        QCOMPARE(grey.Luminance, 0.25);

        // Above half lightness the saturation uses the other formula.
        const HlsFraction pink = RgbToHls({1, 0.5, 0.5});
        QCOMPARE(pink.Luminance, 0.75);
        QCOMPARE(pink.Saturation, 1.0);
    }

    void roundTrip() {
        for (int r = 0; r <= 255; r += 17) {
            for (int g = 0; g <= 255; g += 51) {
                for (int b = 0; b <= 255; b += 85) {
                    const RgbFraction rgb{r / 255.0, g / 255.0, b / 255.0};
                    const RgbFraction back = HlsToRgb(RgbToHls(rgb));
                    QVERIFY(qAbs(back.Red - rgb.Red) < 1e-12);
                    QVERIFY(qAbs(back.Green - rgb.Green) < 1e-12);
                    QVERIFY(qAbs(back.Blue - rgb.Blue) < 1e-12);
                }
            }
        }
    }

    void outOfRangeComponentsReported() {
        struct Case {
            bool FromRgb;
            double A, B, C;
            std::string Message;
        };
        const Case cases[] = {
            {true, 0, 1.5, 0, "RGB2HLS: 0 <= Green value <= 1 required"},
            {true, -0.1, 0, 0, "RGB2HLS: 0 <= Red value <= 1 required"},
            {false, 0, 2, 0, "HLS2RGB: 0 <= Luminance value <= 1 required"},
            {false, 0, 0.5, -1, "HLS2RGB: 0 <= Saturation value <= 1 required"},
        };
        for (const Case& c : cases) {
            std::string message = "no error";
            try {
                if (c.FromRgb)
                    RgbToHls({c.A, c.B, c.C});
                else
                    HlsToRgb({c.A, c.B, c.C});
            } catch (const std::domain_error& error) {
                message = error.what();
            }
            QCOMPARE(message, c.Message);
        }
    }
};

QTEST_MAIN(HlsColorTest)
#include "hls_color_test.moc"
