// Repeating a control's members in one process and watching what the process holds:
// committed private memory and GDI objects. Wine's process counters (working set,
// GetGuiResources) read 0, so both are measured from first principles.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "frame/host/ControlSite.h"
#include "frame/host/MemoryPropertyBag.h"

namespace orvane::branding::test {

// The sum of the committed private regions of the address space.
inline size_t committedPrivateBytes() {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* at = nullptr;
    while (::VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return total;
}

// GDI objects alive in the process. New objects take free slots of the handle table
// before unused ones; so once enough brushes have taken every free slot, the highest
// slot they reach, less their number, counts the objects that held slots already.
inline long gdiObjectsInUse() {
    constexpr int probes = 16384;  // at least the table's free slots (Wine's table has 16384)
    std::vector<HGDIOBJ> brushes;
    brushes.reserve(probes);
    unsigned highest = 0;
    for (int n = 0; n < probes; ++n) {
        HGDIOBJ brush = ::CreateSolidBrush(RGB(n & 0xFF, 7, 9));
        if (!brush) break;  // the table is full: every slot is now taken
        brushes.push_back(brush);
        highest = std::max(highest, static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(brush) & 0xFFFF));
    }
    for (HGDIOBJ brush : brushes) ::DeleteObject(brush);
    return static_cast<long>(highest) + 1 - static_cast<long>(brushes.size());
}

struct ResourceUse {
    size_t memory;
    long gdiObjects;
};

inline ResourceUse resourceUse() { return {committedPrivateBytes(), gdiObjectsInUse()}; }

// Runs `body` for a warm-up (caches, first windows, heap growth), then `rounds` more
// times, and fails if memory grew more than `memoryBound` bytes or any GDI object stayed.
inline void expectNoGrowth(const std::wstring& what, int warmUp, int rounds, size_t memoryBound,
                           const std::function<void(int)>& body) {
    for (int round = 0; round < warmUp; ++round) body(round);
    const ResourceUse before = resourceUse();
    for (int round = 0; round < rounds; ++round) body(warmUp + round);
    const ResourceUse after = resourceUse();
    const long long grown = static_cast<long long>(after.memory) - static_cast<long long>(before.memory);
    EXPECT_LE(grown, static_cast<long long>(memoryBound))
        << testing::PrintToString(what) << ": committed memory grew by " << grown << " bytes over " << rounds
        << " rounds";
    EXPECT_LE(after.gdiObjects - before.gdiObjects, 0)
        << testing::PrintToString(what) << ": " << after.gdiObjects - before.gdiObjects << " GDI objects stayed";
    std::printf("[ soak     ] %ls: %+lld bytes, %+ld GDI objects over %d rounds\n", what.c_str(), grown,
                after.gdiObjects - before.gdiObjects, rounds);
}

// Reads every property of the object's default interface, then assigns each one a value
// that changes with `round`: texts, numbers (`round` modulo `numberRange`), and pictures
// (taken in turn from `pictures`). Restricted members (those of IDispatch) are left out.
inline void exerciseProperties(IDispatch* object, int round, long numberRange,
                               const std::vector<IPictureDisp*>& pictures) {
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attributes));
    const WORD functions = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);
    for (WORD n = 0; n < functions; ++n) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(n, &function))) continue;
        const DISPID member = function->memid;
        const INVOKEKIND kind = function->invkind;
        const bool restricted = (function->wFuncFlags & FUNCFLAG_FRESTRICTED) != 0;
        const VARTYPE type = function->cParams > 0 ? function->lprgelemdescParam[0].tdesc.vt : static_cast<VARTYPE>(VT_EMPTY);
        info->ReleaseFuncDesc(function);
        if (restricted) continue;
        if (kind == INVOKE_PROPERTYGET) {
            EXPECT_EQ(S_OK, orvane::test::invoke(object, member, DISPATCH_PROPERTYGET, {}).result) << member;
        } else if (kind == INVOKE_PROPERTYPUTREF) {
            IPictureDisp* picture = pictures.empty() ? nullptr : pictures[static_cast<size_t>(round) % pictures.size()];
            EXPECT_EQ(S_OK, orvane::test::propertyPut(object, member, orvane::test::vObject(picture),
                                                      DISPATCH_PROPERTYPUTREF).result)
                << member;
        } else if (kind == INVOKE_PROPERTYPUT && type == VT_BSTR) {
            Bstr text((L"Text of round " + std::to_wstring(round)).c_str());
            EXPECT_EQ(S_OK, orvane::test::propertyPut(object, member, orvane::test::vText(text)).result) << member;
        } else if (kind == INVOKE_PROPERTYPUT) {
            EXPECT_EQ(S_OK, orvane::test::propertyPut(object, member, orvane::test::vLong(round % numberRange)).result)
                << member;
        }
    }
}

// A small 24-bit bitmap picture that owns its bitmap.
inline ComPtr<IPictureDisp> smallPicture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
    void* bits = nullptr;
    PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP};
    description.bmp.hbitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ComPtr<IPictureDisp> picture;
    ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid());
    return picture;
}

// Saves the control into a new property bag and sites a new instance (made by `make`)
// loaded from it on a site of its own, then closes that instance.
inline void roundTripThroughBag(IUnknown* control, const std::function<ComPtr<IUnknown>()>& make) {
    ComPtr<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    ComPtr<IPersistPropertyBag> saver;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IPersistPropertyBag, saver.putVoid()));
    ASSERT_EQ(S_OK, saver->Save(bag.get(), FALSE, TRUE));
    ComPtr<ControlSite> site = ControlSite::create();
    ComPtr<IUnknown> copy = make();
    ComPtr<IDispatch> sited = siteControl(copy.get(), site.get(), bag.get());
    closeControl(sited.get(), site.get());
}

// The control's state through IPersistStreamInit into a new instance made by `make`,
// and through IPersistPropertyBag likewise.
inline void roundTripThroughStream(IUnknown* control, const std::function<ComPtr<IUnknown>()>& make) {
    ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    ComPtr<IPersistStreamInit> saver;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IPersistStreamInit, saver.putVoid()));
    ASSERT_EQ(S_OK, saver->Save(stream.get(), FALSE));
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ComPtr<IUnknown> copy = make();
    ComPtr<IPersistStreamInit> loader;
    ASSERT_EQ(S_OK, copy->QueryInterface(IID_IPersistStreamInit, loader.putVoid()));
    ASSERT_EQ(S_OK, loader->Load(stream.get()));
}

}  // namespace orvane::branding::test
