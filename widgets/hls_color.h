// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Red, green and blue, each 0..1.
struct RgbFraction {
    double Red = 0;
    double Green = 0;
    double Blue = 0;
};

// The HLS model: hue as a fraction of a full turn (0..1), lightness and saturation 0..1.
struct HlsFraction {
    double Hue = 0;
    double Luminance = 0;
    double Saturation = 0;
};

// Both conversions throw std::domain_error ("RGB2HLS: 0 <= Red value <= 1 required" and alike)
// for a component outside 0..1, so a caller's arithmetic slip cannot turn into a wrong colour.
HlsFraction RgbToHls(const RgbFraction& rgb);
RgbFraction HlsToRgb(const HlsFraction& hls);
