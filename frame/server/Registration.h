// Self-registration: the class catalogue and the type library in the component
// registry, machine-wide (HKEY_LOCAL_MACHINE) or for the current user alone.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace orvane {

enum class RegistrationScope { Machine, User };

// One key of the registration, relative to the classes root, with one string value
// (name empty for the default value) or, when hasValue is false, the key alone.
struct RegistryRow {
    std::wstring key;
    std::wstring name;
    std::wstring data;
    bool hasValue;
};

// Every key and value the registration of the library at modulePath writes, in the
// order it writes them; read from the library's type library and the class catalogue.
// The installer's registry rows are made from these as well. False when the type
// library cannot be read.
bool registrationRows(ITypeLib* library, const std::wstring& modulePath, std::vector<RegistryRow>& rows);

HRESULT registerServer(RegistrationScope scope) noexcept;
HRESULT unregisterServer(RegistrationScope scope) noexcept;

}  // namespace orvane
