// The type of the branding forms: Arial in the western character set.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {

constexpr forms::Font arial(double size, forms::FontStyle style = forms::Regular) noexcept {
    forms::Font chosen = forms::font(L"Arial", size, style);
    chosen.charset = ANSI_CHARSET;
    return chosen;
}

}  // namespace orvane::branding
