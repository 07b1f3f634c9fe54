// Twips (1/1440 inch) and pixels: the one conversion rule every form and control uses.
#pragma once

#include <cmath>

namespace orvane::forms {

constexpr int TwipsPerInch = 1440;
constexpr int PointsPerInch = 72;

// Pixels per logical inch of the screen, read once per process.
int screenDpiX() noexcept;
int screenDpiY() noexcept;

// Nearest whole pixel, halves away from zero (15 twips are one pixel at 96 DPI).
constexpr int twipsToPixels(double twips, int dpi) noexcept {
    const double exact = twips * dpi / TwipsPerInch;
    return static_cast<int>(exact < 0 ? exact - 0.5 : exact + 0.5);
}
constexpr double pixelsToTwips(int pixels, int dpi) noexcept {
    return static_cast<double>(pixels) * TwipsPerInch / dpi;
}

// Font height in pixels for a size in points (LOGFONT's negative character height).
constexpr int pointsToFontHeight(double points, int dpi) noexcept {
    const double exact = points * dpi / PointsPerInch;
    return -static_cast<int>(exact + 0.5);
}

// At the screen's DPI: X for horizontal lengths, Y for vertical ones.
inline int toPixelsX(double twips) noexcept { return twipsToPixels(twips, screenDpiX()); }
inline int toPixelsY(double twips) noexcept { return twipsToPixels(twips, screenDpiY()); }
inline double toTwipsX(int pixels) noexcept { return pixelsToTwips(pixels, screenDpiX()); }
inline double toTwipsY(int pixels) noexcept { return pixelsToTwips(pixels, screenDpiY()); }

}  // namespace orvane::forms
