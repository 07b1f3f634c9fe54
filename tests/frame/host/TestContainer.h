// The test container: a notify sink that records what it is told, a property bag
// that can fail or hand back values of the wrong type, streams made from raw bytes,
// face capture into a memory DIB, and a small control with one property of each
// saved type, so the persistence paths are exercised whatever the catalogue holds.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <msstkppg.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/control/Control.h"
#include "frame/host/ControlSite.h"
#include "frame/host/MemoryPropertyBag.h"

namespace orvane::test {

// The reference count and QueryInterface of a test object that answers for one
// interface (and IUnknown); the object goes with its last reference.
template <class Interface>
class OneInterface : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != interfaceId_) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references_); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG remaining = --references_;
        if (remaining == 0) delete this;
        return static_cast<ULONG>(remaining);
    }
    LONG references() const { return references_; }

protected:
    explicit OneInterface(REFIID interfaceId) : interfaceId_(interfaceId) {}
    virtual ~OneInterface() = default;

private:
    const IID& interfaceId_;
    LONG references_ = 1;
};

// Records the dispatch identifiers of OnChanged in order.
class RecordingSink final : public OneInterface<IPropertyNotifySink> {
public:
    static ComPtr<RecordingSink> create() { return ComPtr<RecordingSink>::attach(new RecordingSink()); }
    std::vector<DISPID> changes;
    std::function<void()> onChange;  // runs inside OnChanged (re-entrancy tests)

    STDMETHODIMP OnChanged(DISPID dispid) override {
        changes.push_back(dispid);
        if (onChange) onChange();
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

private:
    RecordingSink() : OneInterface(IID_IPropertyNotifySink) {}
};

// A sink connected to one control's property-change point for its lifetime.
class Connection {
public:
    Connection(IUnknown* control, IUnknown* sink) {
        ComPtr<IUnknown> object(control);
        auto container = object.query<IConnectionPointContainer>();
        if (container) container->FindConnectionPoint(IID_IPropertyNotifySink, point_.put());
        if (point_) result = point_->Advise(sink, &cookie_);
    }
    ~Connection() {
        if (point_ && SUCCEEDED(result)) point_->Unadvise(cookie_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    HRESULT result = E_FAIL;

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// A bag over a MemoryPropertyBag whose reads and writes can be made to fail or to
// answer with a value of another type.
class ScriptedBag final : public OneInterface<IPropertyBag> {
public:
    static ComPtr<ScriptedBag> create() { return ComPtr<ScriptedBag>::attach(new ScriptedBag()); }
    ComPtr<MemoryPropertyBag> store = MemoryPropertyBag::create();
    std::map<std::wstring, HRESULT> failingReads;   // key -> result of its Read
    std::map<std::wstring, Variant> forcedValues;   // key -> what its Read hands back
    HRESULT failingWrites = S_OK;                    // every Write fails with it when set
    std::vector<std::wstring> reads, writes;
    std::map<std::wstring, VARTYPE> writtenTypes;    // key -> type of the value written

    STDMETHODIMP Read(LPCOLESTR key, VARIANT* value, IErrorLog* log) override {
        reads.push_back(key);
        if (auto failure = failingReads.find(key); failure != failingReads.end()) return failure->second;
        if (auto forced = forcedValues.find(key); forced != forcedValues.end()) {
            ::VariantInit(value);
            return ::VariantCopy(value, forced->second.get());
        }
        return store->Read(key, value, log);
    }
    STDMETHODIMP Write(LPCOLESTR key, VARIANT* value) override {
        writes.push_back(key);
        writtenTypes[key] = value ? V_VT(value) : VARTYPE{VT_EMPTY};
        if (FAILED(failingWrites)) return failingWrites;
        return store->Write(key, value);
    }

private:
    ScriptedBag() : OneInterface(IID_IPropertyBag) {}
};

inline ComPtr<IStream> streamOf(const std::vector<BYTE>& bytes) {
    ComPtr<IStream> stream;
    ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
    if (!bytes.empty()) stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

inline std::vector<BYTE> bytesOf(IStream* stream) {
    STATSTG status{};
    stream->Stat(&status, STATFLAG_NONAME);
    std::vector<BYTE> bytes(static_cast<size_t>(status.cbSize.QuadPart));
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    if (!bytes.empty()) stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    return bytes;
}

// A 32-bit top-down memory DIB filled with one colour, for drawing checks.
class Canvas {
public:
    Canvas(int width, int height, DWORD fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_.reset(::CreateCompatibleDC(nullptr));
        bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        for (int i = 0; i < width * height; ++i) bits_[i] = fill;
    }
    ~Canvas() { ::SelectObject(dc_.get(), previous_); }
    HDC dc() const { return dc_.get(); }
    // 0x00RRGGBB as the DIB holds it.
    DWORD pixel(int x, int y) const {
        ::GdiFlush();
        return bits_[y * width_ + x] & 0x00FFFFFF;
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    UniqueMemoryDc dc_;
    UniqueGdiObject bitmap_;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
};

// The pixels of a bitmap resource of the library as 0x00RRGGBB, rows top-down.
inline std::vector<DWORD> resourcePixels(int resource, int& width, int& height) {
    std::vector<DWORD> pixels;
    UniqueGdiObject bitmap(::LoadImageW(moduleHandle(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0));
    BITMAP shape{};
    if (!bitmap || !::GetObjectW(bitmap.get(), sizeof(shape), &shape)) return pixels;
    width = shape.bmWidth;
    height = shape.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.resize(static_cast<size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, static_cast<HBITMAP>(bitmap.get()), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

// A picture holding a small bitmap of one colour.
inline ComPtr<IPictureDisp> bitmapPicture(int width, int height, COLORREF colour) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid());
    return picture;
}

inline SHORT pictureType(IPictureDisp* picture) {
    ComPtr<IPicture> inner = ComPtr<IPictureDisp>(picture).query<IPicture>();
    SHORT type = -1;
    if (inner) inner->get_Type(&type);
    return type;
}

// {7C1B5A0E-4B7E-4F3A-9C55-2E61D0A8B301}: a class of the tests only.
inline const CLSID& probeClassId() {
    static const CLSID id = {0x7c1b5a0e, 0x4b7e, 0x4f3a, {0x9c, 0x55, 0x2e, 0x61, 0xd0, 0xa8, 0xb3, 0x01}};
    return id;
}

// A control with one saved property of each type. Its first values are those of
// the table, except the picture, which starts as an empty picture (not Nothing).
class ProbeControl final : public Control<ProbeControl, IDispatch> {
public:
    static constexpr const wchar_t* className = L"ProbeControl";
    static const CLSID& classId() noexcept { return probeClassId(); }
    static constexpr DISPID captionId = 0x68030001, countId = 0x68030002, pictureId = 0x68030003;

    static PersistedTable persistedProperties() noexcept {
        static const PersistedProperty rows[] = {
            PersistedProperty::text(L"Caption", captionId, L"Probe caption"),
            PersistedProperty::number(L"Count", countId, 7, L"ItemCount"),
            PersistedProperty::picture(L"Picture", pictureId),
        };
        return rows;
    }
    static std::span<const CLSID> propertyPageIds() noexcept {
        static const CLSID pages[] = {CLSID_StockColorPage, CLSID_StockPicturePage};
        return pages;
    }

    Variant persistedValue(const PersistedProperty& row) const {
        Variant value;
        switch (row.dispid) {
        case captionId:
            V_VT(value.get()) = VT_BSTR;
            V_BSTR(value.get()) = Bstr(caption.c_str()).detach();
            break;
        case countId:
            V_VT(value.get()) = VT_I4;
            V_I4(value.get()) = count;
            break;
        case pictureId:
            V_VT(value.get()) = VT_DISPATCH;
            V_DISPATCH(value.get()) = picture.copy();
            break;
        }
        return value;
    }
    void assignPersisted(const PersistedProperty& row, const VARIANT& value) {
        switch (row.dispid) {
        case captionId: caption.assign(V_BSTR(&value), ::SysStringLen(V_BSTR(&value))); break;
        case countId: count = V_I4(&value); break;
        case pictureId: picture = ComPtr<IPictureDisp>(static_cast<IPictureDisp*>(V_DISPATCH(&value))); break;
        }
    }
    void initProperties() {
        Control::initProperties();
        picture = emptyPicture();
    }

    // The notifying setters, as a control's members would be.
    void setCaption(const std::wstring& value) { caption = value; propertyChanged(captionId); }
    void setCount(long value) { count = value; propertyChanged(countId); }
    void setPicture(IPictureDisp* value) { picture = ComPtr<IPictureDisp>(value); propertyChanged(pictureId); }

    std::wstring caption;
    long count = 0;
    ComPtr<IPictureDisp> picture;
};

}  // namespace orvane::test
