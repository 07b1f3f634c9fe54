#include "frame/base/Handles.h"

#include <new>

#include "frame/base/Platform.h"

namespace orvane {

namespace traits {
// These three close through the binding service: the components' Parts count the
// close calls among their platform calls, and tests can watch them.
void Hkey::close(HKEY key) {
    // The predefined roots are sign-extended handles on 64-bit: compare them as such.
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(key);
    if (value >= static_cast<LONG>(0x80000000u) && value <= static_cast<LONG>(0x80000006u)) return;
    try { platform::advapi32::RegCloseKey(key); } catch (...) {}
}
void Hicon::close(HICON icon) {
    try { platform::user32::DestroyIcon(icon); } catch (...) {}
}
void KernelHandle::close(HANDLE handle) {
    try { platform::kernel32::CloseHandle(handle); } catch (...) {}
}
void ItemList::close(LPITEMIDLIST list) {
    try { platform::ole32::CoTaskMemFree(list); } catch (...) {}
}
}  // namespace traits

void Bstr::check(const void* wanted) const {
    if (wanted && !text_) throw std::bad_alloc();
}

Variant::Variant(const Variant& other) {
    ::VariantInit(&value_);
    if (FAILED(::VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)))) throw std::bad_alloc();
}

}  // namespace orvane
