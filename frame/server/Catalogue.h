// The class catalogue: one row per public class, read by the class factory,
// registration and unregistration alike.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "frame/base/Errors.h"

namespace orvane {

enum class ClassKind { Control, Global, PropertyPage };

using Creator = HRESULT (*)(REFIID, void**);

struct ClassEntry {
    const CLSID* classId;
    const wchar_t* name;
    ClassKind kind;
    int toolboxBitmap;  // resource number; 0 for classes without one
    Creator create;     // null while the class cannot be created
};

std::span<const ClassEntry> catalogue();
const ClassEntry* findClass(REFCLSID classId);
std::wstring programmaticId(const ClassEntry& entry);

// The creator of one class: an instance queried for the wanted interface.
template <class T>
HRESULT createInstance(REFIID iid, void** out) noexcept {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        auto object = T::create();
        return object->QueryInterface(iid, out);
    } catch (...) {
        return caughtResult();
    }
}

}  // namespace orvane
