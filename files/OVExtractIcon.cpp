#include "files/OVExtractIcon.h"

#include <climits>
#include <iterator>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

struct DrawingSize {
    bool smallIcon;
    int pixels;  // 0: the icon's own size
};

const DrawingSize drawingSizes[] = {
    {true, 0},    {false, 24},  {false, 0},   {false, 40},  {false, 48},
    {false, 56},  {false, 64},  {false, 72},  {false, 80},  {false, 88},
    {false, 96},  {false, 104}, {false, 112}, {false, 120}, {false, 128},
};

}  // namespace

STDMETHODIMP OVExtractIcon::get_FileName(BSTR* result) {
    return call([&] {
        *required(result) = nullptr;
        *result = runtime::allocText(runtime::bstrText(fileName_.get()));
    });
}

STDMETHODIMP OVExtractIcon::put_FileName(BSTR value) {
    return call([&] { fileName_ = Bstr(value, ::SysStringLen(value)); });
}

STDMETHODIMP OVExtractIcon::Count(long* result) {
    return call([&] {
        *required(result) = 0;
        const std::string name = runtime::toAnsi(fileName_.get());
        UINT icons = platform::shell32::ExtractIconExA(name.c_str(), -1, nullptr, nullptr, 0);
        // Wine answers a file it cannot open with UINT_MAX, never a count: none.
        *result = icons == UINT_MAX ? 0 : static_cast<long>(icons);
    });
}

STDMETHODIMP OVExtractIcon::Extract(long* Index, OVExtractIconSizeConstants* IconSize, long* hdc, long* Left,
                                    long* Top, VARIANT* result) {
    return call([&] {
        ::VariantInit(required(result));
        required(Index);
        required(IconSize);
        required(hdc);
        required(Left);
        required(Top);
        HBRUSH lightGrey = static_cast<HBRUSH>(platform::gdi32::GetStockObject(LTGRAY_BRUSH));
        if (*Index == LONG_MIN) raise(error::Overflow);
        *Index -= 1;

        const std::string name = runtime::toAnsi(fileName_.get());
        UniqueHicon large, small;
        platform::shell32::ExtractIconExA(name.c_str(), static_cast<int>(*Index), large.put(), small.put(), 1);

        const long size = static_cast<long>(*IconSize);
        if (size >= 0 && size < static_cast<long>(std::size(drawingSizes))) {
            const DrawingSize& drawing = drawingSizes[size];
            // The host hands a 32-bit handle; device-context handles keep their meaning sign-extended.
            HDC target = reinterpret_cast<HDC>(static_cast<INT_PTR>(*hdc));
            platform::user32::DrawIconEx(target, static_cast<int>(*Left), static_cast<int>(*Top),
                                         drawing.smallIcon ? small.get() : large.get(), drawing.pixels,
                                         drawing.pixels, 0, lightGrey, DI_NORMAL);
        }
    });
}

}  // namespace orvane
