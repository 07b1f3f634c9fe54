// Self-registration: the class catalogue and the type library in the component
// registry, machine-wide (HKEY_LOCAL_MACHINE) or for the current user alone.
#pragma once

#include <windows.h>

namespace orvane {

enum class RegistrationScope { Machine, User };

HRESULT registerServer(RegistrationScope scope) noexcept;
HRESULT unregisterServer(RegistrationScope scope) noexcept;

}  // namespace orvane
