// OVExtractIcon: icons of Wine's shell32.dll counted and drawn into a memory device
// context, and the calls it makes seen through fakes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "files/OVExtractIcon.h"
#include "frame/base/Platform.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID { idFileName = 0x68030000, idCount = 0x60030001, idExtract };

const wchar_t shell32[] = L"C:\\windows\\system32\\shell32.dll";
constexpr COLORREF lightGrey = 0xC0C0C0;
constexpr COLORREF magenta = 0xFF00FF;  // what the surface holds before drawing

// A 24-bit surface selected into a memory device context, filled with magenta.
class Surface {
public:
    static constexpr int side = 160;
    Surface() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = side;
        info.bmiHeader.biHeight = -side;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.reset(::CreateCompatibleDC(nullptr));
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) set(x, y, magenta);
    }
    ~Surface() { ::SelectObject(dc_.get(), previous_); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    long handle() const { return static_cast<long>(reinterpret_cast<INT_PTR>(dc_.get())); }
    COLORREF at(int x, int y) const {
        ::GdiFlush();
        const BYTE* pixel = bits_ + y * stride() + x * 3;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }
    // The smallest rectangle holding every pixel that is no longer magenta.
    RECT changed() const {
        RECT box{side, side, -1, -1};
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (at(x, y) != magenta) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }
    int count(const RECT& box, COLORREF colour) const {
        int found = 0;
        for (LONG y = box.top; y < box.bottom; ++y)
            for (LONG x = box.left; x < box.right; ++x) found += at(x, y) == colour;
        return found;
    }

private:
    static int stride() { return (side * 3 + 3) & ~3; }
    void set(int x, int y, COLORREF colour) {
        BYTE* pixel = bits_ + y * stride() + x * 3;
        pixel[0] = GetBValue(colour);
        pixel[1] = GetGValue(colour);
        pixel[2] = GetRValue(colour);
    }
    UniqueMemoryDc dc_;
    UniqueGdiObject bitmap_;
    HGDIOBJ previous_ = nullptr;
    BYTE* bits_ = nullptr;
};

class OVExtractIconTest : public ::testing::Test {
protected:
    void setName(const wchar_t* name) {
        Bstr text(name);
        ASSERT_EQ(S_OK, control->put_FileName(text.get()));
    }
    long count() {
        long result = -99;
        EXPECT_EQ(S_OK, control->Count(&result));
        return result;
    }
    // Early bound, as a typed host calls it; returns the index left in the variable.
    long extract(long index, long size, long hdc, long left = 0, long top = 0) {
        Variant result;
        V_VT(result.get()) = VT_I4;  // must come back Empty
        auto iconSize = static_cast<OVExtractIconSizeConstants>(size);
        EXPECT_EQ(S_OK, control->Extract(&index, &iconSize, &hdc, &left, &top, result.put()));
        EXPECT_EQ(VT_EMPTY, V_VT(result.get()));
        return index;
    }
    ComPtr<OVExtractIcon> control = OVExtractIcon::create();
};

TEST_F(OVExtractIconTest, CountsTheIconsOfAFile) {
    EXPECT_EQ(0, count());
    setName(shell32);
    EXPECT_GT(count(), 10);
    setName(L"C:\\no\\such\\file.dll");
    EXPECT_EQ(0, count());
    setName(L"C:\\windows\\win.ini");
    EXPECT_EQ(0, count());
    setName(std::wstring(100000, L'x').c_str());
    EXPECT_EQ(0, count());
    Bstr name(shell32);
    EXPECT_EQ(S_OK, propertyPut(control.get(), idFileName, vText(name)).result);
    Call late = invokeMethod(control.get(), idCount);
    ASSERT_EQ(S_OK, late.result);
    ASSERT_EQ(VT_I4, V_VT(late.value.get()));
    EXPECT_EQ(count(), V_I4(late.value.get()));
    auto failing = platform::shell32::ExtractIconExA.fake([](LPCSTR, int index, HICON* large, HICON* small, UINT count) {
        EXPECT_EQ(-1, index);
        EXPECT_EQ(nullptr, large);
        EXPECT_EQ(nullptr, small);
        EXPECT_EQ(0u, count);
        return UINT_MAX;
    });
    EXPECT_EQ(0, count());
    EXPECT_EQ(shell32, text(*invoke(control.get(), idFileName, DISPATCH_PROPERTYGET, {}).value.get()));
}

TEST_F(OVExtractIconTest, DrawsOverLightGreyAtTheTableSizes) {
    setName(shell32);
    const struct {
        long size;
        int pixels;
    } rows[] = {{0, ::GetSystemMetrics(SM_CXSMICON)}, {1, 24}, {2, ::GetSystemMetrics(SM_CXICON)}, {4, 48}, {14, 128}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        Surface surface;
        EXPECT_EQ(0, extract(1, row.size, surface.handle(), 10, 20));
        RECT box = surface.changed();
        EXPECT_EQ(10, box.left);
        EXPECT_EQ(20, box.top);
        EXPECT_EQ(row.pixels, box.right - box.left);
        EXPECT_EQ(row.pixels, box.bottom - box.top);
        // Transparent parts show the brush, and the icon itself is there too.
        const int area = row.pixels * row.pixels;
        const int grey = surface.count(box, lightGrey);
        EXPECT_GT(grey, 0);
        EXPECT_LT(grey, area);
        EXPECT_EQ(0, surface.count(box, magenta));
    }
}

TEST_F(OVExtractIconTest, NothingIsDrawnForOtherSizesFilesOrIndexes) {
    setName(shell32);
    for (long size : {15L, -1L, 1000L, LONG_MIN}) {
        Surface surface;
        EXPECT_EQ(0, extract(1, size, surface.handle()));
        EXPECT_EQ(-1, surface.changed().right) << size;
    }
    {
        Surface surface;
        EXPECT_EQ(9999, extract(10000, 2, surface.handle()));
        EXPECT_EQ(-1, surface.changed().right);
    }
    // Index 0 and below ask for resource numbers, not positions: whatever comes back is released.
    for (long index : {0L, -1L, -5L, LONG_MIN + 1}) {
        Surface surface;
        EXPECT_EQ(index - 1, extract(index, 2, surface.handle()));
    }
    setName(L"C:\\no\\such\\file.dll");
    Surface surface;
    EXPECT_EQ(0, extract(1, 2, surface.handle()));
    EXPECT_EQ(-1, surface.changed().right);
    // A device context that is no device context draws nothing, without an error.
    setName(shell32);
    EXPECT_EQ(0, extract(1, 2, 0));
    EXPECT_EQ(0, extract(1, 2, 0x12345678));
}

TEST_F(OVExtractIconTest, IndexIsOneLowerAfterwardsAndTheSmallestLongOverflows) {
    setName(shell32);
    Variable index;
    V_VT(&index.value) = VT_I4;
    V_I4(&index.value) = 3;
    Variable size, hdc, left, top;
    V_VT(&size.value) = VT_I2;
    V_I2(&size.value) = 2;
    Call call = invokeMethod(control.get(), idExtract,
                             {vRef(&index.value), vRef(&size.value), vRef(&hdc.value), vRef(&left.value), vRef(&top.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    EXPECT_EQ(2, V_I4(&index.value));

    int extracted = 0;
    auto scope = platform::shell32::ExtractIconExA.fake([&](LPCSTR, int, HICON*, HICON*, UINT) { ++extracted; return 0u; });
    V_I4(&index.value) = LONG_MIN;
    call = invokeMethod(control.get(), idExtract,
                        {vRef(&index.value), vRef(&size.value), vRef(&hdc.value), vRef(&left.value), vRef(&top.value)});
    EXPECT_TRUE(raised(call, 6, L"Overflow"));
    EXPECT_EQ(L"TVOrvaneSuite.OVExtractIcon", call.source);
    EXPECT_EQ(LONG_MIN, V_I4(&index.value));
    EXPECT_EQ(0, extracted);
    EXPECT_EQ(LONG_MAX - 1, extract(LONG_MAX, 2, 0));
    EXPECT_EQ(LONG_MIN, extract(LONG_MIN + 1, 2, 0));
}

// What the component handed to the drawing and clean-up calls.
struct DrawingCalls {
    HICON large = reinterpret_cast<HICON>(0x1111), small = reinterpret_cast<HICON>(0x2222);
    int extractedIndex = 0;
    UINT extractedCount = 0;
    std::vector<HICON> destroyed;
    struct Draw {
        HDC dc;
        int x, y;
        HICON icon;
        int width, height;
        UINT step;
        HBRUSH brush;
        UINT flags;
    };
    std::vector<Draw> draws;

    decltype(platform::shell32::ExtractIconExA)::FakeScope extract =
        platform::shell32::ExtractIconExA.fake([this](LPCSTR, int index, HICON* largeOut, HICON* smallOut, UINT count) {
            extractedIndex = index;
            extractedCount = count;
            if (largeOut) *largeOut = large;
            if (smallOut) *smallOut = small;
            return UINT{(large ? 1u : 0u) + (small ? 1u : 0u)};
        });
    decltype(platform::user32::DrawIconEx)::FakeScope draw = platform::user32::DrawIconEx.fake(
        [this](HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH brush, UINT flags) {
            draws.push_back({dc, x, y, icon, width, height, step, brush, flags});
            return TRUE;
        });
    decltype(platform::user32::DestroyIcon)::FakeScope destroy =
        platform::user32::DestroyIcon.fake([this](HICON icon) { destroyed.push_back(icon); return TRUE; });
};

TEST_F(OVExtractIconTest, EachSizeDrawsTheIconAndWidthOfItsRow) {
    DrawingCalls calls;
    const int widths[15] = {0, 24, 0, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112, 120, 128};
    for (long size = 0; size < 15; ++size) {
        calls.draws.clear();
        calls.destroyed.clear();
        EXPECT_EQ(6, extract(7, size, 0x00ABCDEF, -5, 300));
        EXPECT_EQ(6, calls.extractedIndex);
        EXPECT_EQ(1u, calls.extractedCount);
        ASSERT_EQ(1u, calls.draws.size());
        const DrawingCalls::Draw& draw = calls.draws[0];
        EXPECT_EQ(size == 0 ? calls.small : calls.large, draw.icon) << size;
        EXPECT_EQ(widths[size], draw.width) << size;
        EXPECT_EQ(widths[size], draw.height) << size;
        EXPECT_EQ(reinterpret_cast<HDC>(0x00ABCDEF), draw.dc);
        EXPECT_EQ(-5, draw.x);
        EXPECT_EQ(300, draw.y);
        EXPECT_EQ(0u, draw.step);
        EXPECT_EQ(::GetStockObject(LTGRAY_BRUSH), draw.brush);
        EXPECT_EQ(UINT{DI_NORMAL}, draw.flags);
        EXPECT_EQ(2u, calls.destroyed.size());
    }
}

TEST_F(OVExtractIconTest, EveryIconObtainedIsDestroyed) {
    DrawingCalls calls;
    extract(1, 15, 0);
    EXPECT_TRUE(calls.draws.empty());
    EXPECT_EQ(std::vector<HICON>({calls.small, calls.large}).size(), calls.destroyed.size());
    EXPECT_NE(calls.destroyed.end(), std::find(calls.destroyed.begin(), calls.destroyed.end(), calls.small));
    EXPECT_NE(calls.destroyed.end(), std::find(calls.destroyed.begin(), calls.destroyed.end(), calls.large));

    calls.destroyed.clear();
    calls.small = nullptr;
    extract(1, 0, 0);
    EXPECT_EQ(std::vector<HICON>({calls.large}), calls.destroyed);
    calls.destroyed.clear();
    calls.large = nullptr;
    extract(1, 2, 0);
    EXPECT_TRUE(calls.destroyed.empty());
}

TEST_F(OVExtractIconTest, DeviceContextHandleIsSignExtended) {
    DrawingCalls calls;
    extract(1, 2, -2);
    extract(1, 2, LONG_MIN);
    ASSERT_EQ(2u, calls.draws.size());
    EXPECT_EQ(reinterpret_cast<HDC>(static_cast<INT_PTR>(-2)), calls.draws[0].dc);
    EXPECT_EQ(reinterpret_cast<HDC>(static_cast<INT_PTR>(LONG_MIN)), calls.draws[1].dc);
}

TEST_F(OVExtractIconTest, MissingPointersFromEarlyBoundCallers) {
    long value = 1, hdc = 0;
    auto size = ov32x32;
    VARIANT result;
    EXPECT_EQ(E_POINTER, control->Extract(nullptr, &size, &hdc, &value, &value, &result));
    EXPECT_EQ(E_POINTER, control->Extract(&value, nullptr, &hdc, &value, &value, &result));
    EXPECT_EQ(E_POINTER, control->Extract(&value, &size, nullptr, &value, &value, &result));
    EXPECT_EQ(E_POINTER, control->Extract(&value, &size, &hdc, &value, nullptr, &result));
    EXPECT_EQ(E_POINTER, control->Extract(&value, &size, &hdc, &value, &value, nullptr));
    EXPECT_EQ(1, value);
    EXPECT_EQ(E_POINTER, control->Count(nullptr));
    EXPECT_EQ(E_POINTER, control->get_FileName(nullptr));
    EXPECT_EQ(S_OK, control->put_FileName(nullptr));
    EXPECT_EQ(0, count());
}

}  // namespace
}  // namespace orvane
