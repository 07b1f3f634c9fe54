// Owning wrappers for platform handles and COM pointers.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <shlobj.h>
#include <utility>

namespace orvane {

// One owning-handle template; each handle kind supplies its invalid value and close call.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }
    // For out parameters: releases what is held and hands out the slot.
    Handle* put() noexcept { reset(); return &handle_; }
    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

namespace traits {
// Registry keys: the predefined roots are never closed by us.
struct Hkey {
    using Handle = HKEY;
    static Handle invalid() { return nullptr; }
    static void close(Handle key);
};
struct Hicon {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void close(Handle icon);
};
struct ItemList {
    using Handle = LPITEMIDLIST;
    static Handle invalid() { return nullptr; }
    static void close(Handle list);
};
struct Bstr {
    using Handle = BSTR;
    static Handle invalid() { return nullptr; }
    static void close(Handle text) { ::SysFreeString(text); }
};
struct MemoryDc {
    using Handle = HDC;
    static Handle invalid() { return nullptr; }
    static void close(Handle dc) { ::DeleteDC(dc); }
};
struct GdiObject {
    using Handle = HGDIOBJ;
    static Handle invalid() { return nullptr; }
    static void close(Handle object) { ::DeleteObject(object); }
};
struct Window {
    using Handle = HWND;
    static Handle invalid() { return nullptr; }
    static void close(Handle window) { ::DestroyWindow(window); }
};
// Kernel objects (tokens and the like), closed through the binding service.
struct KernelHandle {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle);
};
struct Module {
    using Handle = HMODULE;
    static Handle invalid() { return nullptr; }
    static void close(Handle module) { ::FreeLibrary(module); }
};
}  // namespace traits

using UniqueHkey = UniqueHandle<traits::Hkey>;
using UniqueHicon = UniqueHandle<traits::Hicon>;
using UniqueItemList = UniqueHandle<traits::ItemList>;
using UniqueBstrHandle = UniqueHandle<traits::Bstr>;
using UniqueMemoryDc = UniqueHandle<traits::MemoryDc>;
using UniqueGdiObject = UniqueHandle<traits::GdiObject>;
using UniqueWindow = UniqueHandle<traits::Window>;
using UniqueModule = UniqueHandle<traits::Module>;
using UniqueKernelHandle = UniqueHandle<traits::KernelHandle>;

// A BSTR owner with the few text helpers the components need.
class Bstr {
public:
    Bstr() noexcept = default;
    explicit Bstr(const wchar_t* text) : text_(text ? ::SysAllocString(text) : nullptr) { check(text); }
    Bstr(const wchar_t* text, UINT length) : text_(::SysAllocStringLen(text, length)) { check(this); }
    static Bstr attach(BSTR text) noexcept { Bstr result; result.text_ = text; return result; }
    Bstr(const Bstr& other) : text_(other.text_ ? ::SysAllocStringLen(other.text_, other.length()) : nullptr) { check(other.text_); }
    Bstr(Bstr&& other) noexcept : text_(other.detach()) {}
    Bstr& operator=(Bstr other) noexcept { std::swap(text_, other.text_); return *this; }
    ~Bstr() { ::SysFreeString(text_); }

    BSTR get() const noexcept { return text_; }
    BSTR detach() noexcept { return std::exchange(text_, nullptr); }
    UINT length() const noexcept { return ::SysStringLen(text_); }
    const wchar_t* c_str() const noexcept { return text_ ? text_ : L""; }

private:
    void check(const void* wanted) const;
    BSTR text_ = nullptr;
};

// A VARIANT owner: cleared on destruction.
class Variant {
public:
    Variant() noexcept { ::VariantInit(&value_); }
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }
    Variant& operator=(Variant other) noexcept { std::swap(value_, other.value_); return *this; }
    ~Variant() { ::VariantClear(&value_); }

    VARIANT* get() noexcept { return &value_; }
    const VARIANT* get() const noexcept { return &value_; }
    VARIANT* operator->() noexcept { return &value_; }
    const VARIANT* operator->() const noexcept { return &value_; }
    // Releases what is held and hands out the slot for an out parameter.
    VARIANT* put() noexcept { ::VariantClear(&value_); return &value_; }
    // Moves the value into memory owned by the caller (an out parameter).
    void moveTo(VARIANT* target) noexcept { *target = value_; ::VariantInit(&value_); }

private:
    VARIANT value_;
};

// The one COM smart pointer.
template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(T* pointer) noexcept : pointer_(pointer) { if (pointer_) pointer_->AddRef(); }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.pointer_) {}
    ComPtr(ComPtr&& other) noexcept : pointer_(other.detach()) {}
    ComPtr& operator=(ComPtr other) noexcept { std::swap(pointer_, other.pointer_); return *this; }
    ~ComPtr() { if (pointer_) pointer_->Release(); }

    static ComPtr attach(T* pointer) noexcept { ComPtr result; result.pointer_ = pointer; return result; }
    T* get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }
    T** put() noexcept { reset(); return &pointer_; }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }
    T* detach() noexcept { return std::exchange(pointer_, nullptr); }
    void reset() noexcept { if (T* old = std::exchange(pointer_, nullptr)) old->Release(); }
    // Hands out a new reference (an out parameter of a COM call).
    T* copy() const noexcept { if (pointer_) pointer_->AddRef(); return pointer_; }

    template <class Other>
    ComPtr<Other> query() const noexcept {
        ComPtr<Other> result;
        if (pointer_) pointer_->QueryInterface(__uuidof(Other), result.putVoid());
        return result;
    }

private:
    T* pointer_ = nullptr;
};

}  // namespace orvane
