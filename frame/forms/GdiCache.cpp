#include "frame/forms/GdiCache.h"

#include "frame/base/Errors.h"
#include "frame/forms/Twips.h"

#include <olectl.h>

#include <algorithm>
#include <cwctype>
#include <tuple>

namespace orvane::forms {

void checkColor(Color color) {
    COLORREF translated = 0;
    if (FAILED(::OleTranslateColor(color, nullptr, &translated))) raise(error::InvalidPropertyValue);
}

COLORREF resolveColor(Color color) noexcept {
    if (color == DefaultColor) return ::GetSysColor(COLOR_BTNFACE);
    if (color & 0x80000000u) return ::GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

namespace {

using FontKey = std::tuple<std::wstring, int, int, bool, bool, bool, BYTE>;

FontKey keyOf(const FontSpec& desc) {
    std::wstring face = desc.face ? desc.face : L"";
    std::transform(face.begin(), face.end(), face.begin(), [](wchar_t c) { return std::towlower(c); });
    return {face, pointsToFontHeight(desc.size, screenDpiY()), desc.weight, desc.italic, desc.underline,
            desc.strikeout, desc.charset};
}

std::map<FontKey, std::weak_ptr<SharedFont>>& threadFonts() {
    thread_local std::map<FontKey, std::weak_ptr<SharedFont>> fonts;
    return fonts;
}

}  // namespace

std::shared_ptr<SharedFont> sharedFont(const FontSpec& desc) {
    auto& fonts = threadFonts();
    FontKey key = keyOf(desc);
    if (auto found = fonts.find(key); found != fonts.end()) {
        if (auto live = found->second.lock()) return live;
    }
    LOGFONTW description{};
    description.lfHeight = std::get<1>(key);
    description.lfWeight = desc.weight;
    description.lfItalic = desc.italic;
    description.lfUnderline = desc.underline;
    description.lfStrikeOut = desc.strikeout;
    description.lfCharSet = desc.charset;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    if (desc.face) ::lstrcpynW(description.lfFaceName, desc.face, LF_FACESIZE);
    HFONT handle = ::CreateFontIndirectW(&description);
    if (!handle) raise(error::OutOfMemory);
    auto font = std::make_shared<SharedFont>(handle);
    // Drop entries whose fonts are gone, so the map stays as small as the live set.
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    fonts[key] = font;
    return font;
}

std::shared_ptr<SharedFont> GdiCache::font(const FontSpec& desc) {
    auto font = sharedFont(desc);
    if (std::find(fonts_.begin(), fonts_.end(), font) == fonts_.end()) fonts_.push_back(font);
    return font;
}

HBRUSH GdiCache::brush(Color color) {
    COLORREF value = resolveColor(color);
    auto& slot = brushes_[value];
    if (!slot) {
        slot.reset(::CreateSolidBrush(value));
        if (!slot) raise(error::OutOfMemory);
    }
    return static_cast<HBRUSH>(slot.get());
}

void GdiCache::clear() noexcept {
    brushes_.clear();
    fonts_.clear();
}

}  // namespace orvane::forms
