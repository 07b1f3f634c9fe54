// The type of the branding forms: Arial in the western character set.
#pragma once

#include "frame/forms/FormTable.h"

namespace orvane::branding {

constexpr forms::FontSpec arial(double size, forms::FontStyle style = forms::Regular) noexcept {
    forms::FontSpec desc = forms::font(L"Arial", size, style);
    desc.charset = ANSI_CHARSET;
    return desc;
}

}  // namespace orvane::branding
