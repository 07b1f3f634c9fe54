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

FontKey keyOf(const Font& wanted) {
    std::wstring face = wanted.face ? wanted.face : L"";
    std::transform(face.begin(), face.end(), face.begin(), [](wchar_t c) { return std::towlower(c); });
    return {face, pointsToFontHeight(wanted.size, screenDpiY()), wanted.weight, wanted.italic, wanted.underline,
            wanted.strikeout, wanted.charset};
}

std::map<FontKey, std::weak_ptr<SharedFont>>& threadFonts() {
    thread_local std::map<FontKey, std::weak_ptr<SharedFont>> fonts;
    return fonts;
}

}  // namespace

std::shared_ptr<SharedFont> sharedFont(const Font& wanted) {
    auto& fonts = threadFonts();
    FontKey key = keyOf(wanted);
    if (auto found = fonts.find(key); found != fonts.end()) {
        if (auto live = found->second.lock()) return live;
    }
    LOGFONTW logFont{};
    logFont.lfHeight = std::get<1>(key);
    logFont.lfWeight = wanted.weight;
    logFont.lfItalic = wanted.italic;
    logFont.lfUnderline = wanted.underline;
    logFont.lfStrikeOut = wanted.strikeout;
    logFont.lfCharSet = wanted.charset;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    if (wanted.face) ::lstrcpynW(logFont.lfFaceName, wanted.face, LF_FACESIZE);
    HFONT handle = ::CreateFontIndirectW(&logFont);
    if (!handle) raise(error::OutOfMemory);
    auto font = std::make_shared<SharedFont>(handle);
    // Drop entries whose fonts are gone, so the map stays as small as the live set.
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
    fonts[key] = font;
    return font;
}

std::shared_ptr<SharedFont> GdiCache::font(const Font& wanted) {
    auto font = sharedFont(wanted);
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
