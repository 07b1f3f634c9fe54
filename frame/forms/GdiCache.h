// Fonts and brushes of the forms. A font is created once per distinct description and
// shared by every form of the thread that uses it; brushes are kept per form. A form's
// cache is emptied when the form unloads, so nothing outlives the last form using it.
#pragma once

#include "frame/base/Handles.h"
#include "frame/forms/FormTable.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvane::forms {

class SharedFont {
public:
    explicit SharedFont(HFONT font) noexcept : font_(font) {}
    HFONT get() const noexcept { return static_cast<HFONT>(font_.get()); }

private:
    UniqueGdiObject font_;
};

// The thread's font for a description, created when no live one matches.
std::shared_ptr<SharedFont> sharedFont(const Font& wanted);

class GdiCache {
public:
    std::shared_ptr<SharedFont> font(const Font& wanted);
    HBRUSH brush(Color color);
    void clear() noexcept;

private:
    std::vector<std::shared_ptr<SharedFont>> fonts_;
    std::map<COLORREF, UniqueGdiObject> brushes_;
};

}  // namespace orvane::forms
