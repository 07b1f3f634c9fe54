// Where a splash form's warning paragraph goes once it has taken the height of its text.
#pragma once

namespace orvane::branding {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value) noexcept;

// The warning's top: the form's outer height less the label's height (rounded to whole
// twips) less the style's margin, in the coordinates of the label's container.
double warningTop(double formHeight, double labelHeight, double margin) noexcept;

}  // namespace orvane::branding
