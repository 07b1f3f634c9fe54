// The library's exported entry points.
#include <windows.h>
#include <olectl.h>

#include "frame/server/ClassFactory.h"
#include "frame/base/Module.h"
#include "frame/server/Registration.h"

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) ::DisableThreadLibraryCalls(instance);
    return TRUE;
}

HRESULT WINAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
    return orvane::getClassObject(classId, iid, out);
}

HRESULT WINAPI DllCanUnloadNow() { return orvane::module::canUnload() ? S_OK : S_FALSE; }

HRESULT WINAPI DllRegisterServer() { return orvane::registerServer(orvane::RegistrationScope::Machine); }

HRESULT WINAPI DllUnregisterServer() { return orvane::unregisterServer(orvane::RegistrationScope::Machine); }

// regsvr32 /n /i:user registers for the current user alone; any other command line
// registers machine-wide.
HRESULT WINAPI DllInstall(BOOL install, LPCWSTR commandLine) {
    bool user = commandLine && ::lstrcmpiW(commandLine, L"user") == 0;
    auto scope = user ? orvane::RegistrationScope::User : orvane::RegistrationScope::Machine;
    return install ? orvane::registerServer(scope) : orvane::unregisterServer(scope);
}

}  // extern "C"
