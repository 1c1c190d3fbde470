// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/hls_color.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

void RequireFraction(double value, const char* conversion, const char* component) {
    if (!(value >= 0.0 && value <= 1.0)) {
        throw std::domain_error(std::string(conversion) + ": 0 <= " + component +
                                " value <= 1 required");
    }
}

// One channel of the HLS-to-RGB conversion; `hue` is shifted by a third of a turn per channel.
double ChannelFromHue(double low, double high, double hue) {
    if (hue < 0.0) {
        hue += 1.0;
    } else if (hue >= 1.0) {
        hue -= 1.0;
    }
    if (hue < 1.0 / 6.0) {
        return low + (high - low) * hue * 6.0;
    }
    if (hue < 0.5) {
        return high;
    }
    if (hue < 2.0 / 3.0) {
        return low + (high - low) * (2.0 / 3.0 - hue) * 6.0;
    }
    return low;
}

} // namespace

HlsFraction RgbToHls(const RgbFraction& rgb) {
    RequireFraction(rgb.Red, "RGB2HLS", "Red");
    RequireFraction(rgb.Green, "RGB2HLS", "Green");
    RequireFraction(rgb.Blue, "RGB2HLS", "Blue");

    const double largest = std::max({rgb.Red, rgb.Green, rgb.Blue});
    const double smallest = std::min({rgb.Red, rgb.Green, rgb.Blue});
    HlsFraction hls;
    hls.Luminance = (largest + smallest) / 2.0;
    if (largest == smallest) {
        return hls; // a grey has no hue and no saturation
    }
    const double spread = largest - smallest;
    hls.Saturation =
        hls.Luminance <= 0.5 ? spread / (largest + smallest) : spread / (2.0 - largest - smallest);
    double sextant = 0;
    if (rgb.Red == largest) {
        sextant = (rgb.Green - rgb.Blue) / spread;
    } else if (rgb.Green == largest) {
        sextant = 2.0 + (rgb.Blue - rgb.Red) / spread;
    } else {
        sextant = 4.0 + (rgb.Red - rgb.Green) / spread;
    }
    hls.Hue = sextant / 6.0;
    if (hls.Hue < 0.0) {
        hls.Hue += 1.0;
    }
    return hls;
}

RgbFraction HlsToRgb(const HlsFraction& hls) {
    RequireFraction(hls.Hue, "HLS2RGB", "Hue");
    RequireFraction(hls.Luminance, "HLS2RGB", "Luminance");
    RequireFraction(hls.Saturation, "HLS2RGB", "Saturation");

    if (hls.Saturation == 0.0) {
        return {hls.Luminance, hls.Luminance, hls.Luminance};
    }
    const double high = hls.Luminance <= 0.5
                            ? hls.Luminance * (1.0 + hls.Saturation)
                            : hls.Luminance + hls.Saturation - hls.Luminance * hls.Saturation;
    const double low = 2.0 * hls.Luminance - high;
    return {ChannelFromHue(low, high, hls.Hue + 1.0 / 3.0), ChannelFromHue(low, high, hls.Hue),
            ChannelFromHue(low, high, hls.Hue - 1.0 / 3.0)};
}
