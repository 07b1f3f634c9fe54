#include "branding/SplashLayout.h"

#include <cmath>

namespace orvane::branding {

double roundHalfEven(double value) noexcept {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double warningTop(double formHeight, double labelHeight, double margin) noexcept {
    return formHeight - roundHalfEven(labelHeight) - margin;
}

}  // namespace orvane::branding
