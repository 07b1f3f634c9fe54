// Pictures of every demonstration program's window after start-up and of the seven
// branding forms, for the gallery page: gallery.exe <folder>. It sits beside the
// programs and the library, and reaches the library's classes through its manifest.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/LateBound.h"
#include "common/Screenshot.h"
#include "frame/OrvaneSuite_h.h"
#include "frame/host/ControlSite.h"
#include "frame/host/MemoryPropertyBag.h"

using namespace orvane;
using namespace orvane::demo;

namespace {

struct Program {
    const wchar_t* name;
    const wchar_t* caption;
};

const Program programs[] = {
    {L"OVNumbersDemo", L"Orvane Suite: OVNumbers"},         {L"OVMathDemo", L"Orvane Suite: OVMath"},
    {L"OVStackDemo", L"Orvane Suite: OVStack"},             {L"OVLinkedListDemo", L"Orvane Suite: OVLinkedList"},
    {L"OVDiskInfoDemo", L"Orvane Suite: OVDiskInfo"},       {L"OVExtractIconDemo", L"Orvane Suite: OVExtractIcon"},
    {L"OVPowerDemo", L"Orvane Suite: OVPower"},             {L"OVFolderSelectDemo", L"Orvane Suite: OVFolderSelect"},
    {L"OVScreenModesDemo", L"Orvane Suite: OVScreenModes"}, {L"OVWinVersionDemo", L"Orvane Suite: OVWinVersion"},
    {L"OVLocalSettingsDemo", L"Orvane Suite: OVLocalSettings"}, {L"OVMemoryDemo", L"Orvane Suite: OVMemory"},
    {L"OVHyperLinkDemo", L"Orvane Suite: OVHyperLink"},     {L"OVHelpDemo", L"Orvane Suite: OVHelp"},
    {L"OVSplashScreenDemo", L"Orvane Suite: OVSplashScreen"}, {L"OVAboutBoxDemo", L"Orvane Suite: OVAboutBox"},
};

std::wstring folderOfThisProgram() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

bool captureProgram(const std::wstring& bin, const Program& program, const std::wstring& out) {
    std::wstring path = bin + L"\\" + program.name + L".exe";
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(), &startup,
                          &process)) {
        return false;
    }
    ::WaitForInputIdle(process.hProcess, 60000);
    bool saved = false;
    for (int attempt = 0; attempt < 1200 && !saved; ++attempt) {
        HWND window = ::FindWindowW(nullptr, program.caption);
        DWORD_PTR ignored = 0;
        if (window && ::IsWindowVisible(window) &&
            ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 30000, &ignored)) {
            // Paint now, from the program's own thread, then read the screen; a window
            // still blank is tried again a little later.
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            saved = saveWindowPicture(window, out + L"\\" + program.name + L".png");
            if (saved) break;
        }
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        ::Sleep(50);
    }
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 30000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return saved;
}

std::set<HWND> visibleWindows() {
    std::set<HWND> found;
    ::EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == ::GetCurrentProcessId() && ::IsWindowVisible(window)) {
                reinterpret_cast<std::set<HWND>*>(data)->insert(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs `show` while a second thread waits for a new window of this process, saves it
// and closes it (the About window may be modal).
bool captureShown(const std::function<void()>& show, const std::wstring& file, bool close) {
    std::set<HWND> before = visibleWindows();
    bool saved = false;
    std::thread watcher([&] {
        for (int attempt = 0; attempt < 600 && !saved; ++attempt) {
            for (HWND window : visibleWindows()) {
                if (before.count(window)) continue;
                // Our thread paints it while it pumps: a picture that is still blank is
                // taken again until the window shows something.
                for (int again = 0; again < 100 && !saved; ++again) {
                    saved = saveWindowPicture(window, file);
                    if (!saved) ::Sleep(50);
                }
                if (close) ::PostMessageW(window, WM_CLOSE, 0, 0);
                return;
            }
            ::Sleep(50);
        }
    });
    try {
        show();
    } catch (...) {
    }
    // Pump while the watcher works: modeless forms paint through our messages.
    MSG message;
    while (!saved) {
        DWORD waited = ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        if (waited == WAIT_OBJECT_0) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        }
        if (!watcher.joinable()) break;
        static int rounds = 0;
        if (++rounds > 600) break;
    }
    watcher.join();
    return saved;
}

LateBound placeControl(const wchar_t* programmaticId, ComPtr<ControlSite>& site, ComPtr<IUnknown>& instance) {
    CLSID classId{};
    if (FAILED(::CLSIDFromProgID(programmaticId, &classId))) return {};
    if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, instance.putVoid()))) return {};
    site = ControlSite::create(true);
    auto store = MemoryPropertyBag::create();
    try {
        return LateBound(siteControl(instance.get(), site.get(), store.get()));
    } catch (...) {
        return {};
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: gallery <folder>\n");
        return 2;
    }
    std::wstring out = argv[1];
    std::wstring bin = folderOfThisProgram();
    int missing = 0;
    for (const Program& program : programs) {
        bool saved = captureProgram(bin, program, out);
        std::wprintf(L"%ls %ls\n", saved ? L"saved  " : L"MISSING", program.name);
        if (!saved) ++missing;
    }

    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        ComPtr<ControlSite> site;
        ComPtr<IUnknown> instance;
        LateBound splash = placeControl(L"TVOrvaneSuite.OVSplashScreen", site, instance);
        const wchar_t* splashNames[] = {L"splash-standard", L"splash-serated", L"splash-the98look",
                                        L"splash-the2000look", L"splash-orvane"};
        for (long style = 0; style < 5; ++style) {
            bool saved = splash && captureShown(
                                       [&] {
                                           splash.put(DISPID_OVSplashScreen_SplashStyle, longValue(style));
                                           splash.call(DISPID_OVSplashScreen_ShowSplash);
                                       },
                                       out + L"\\" + splashNames[style] + L".png", false);
            if (splash) {
                try {
                    splash.call(DISPID_OVSplashScreen_HideSplash);
                } catch (...) {
                }
            }
            std::wprintf(L"%ls %ls\n", saved ? L"saved  " : L"MISSING", splashNames[style]);
            if (!saved) ++missing;
        }
        if (instance) closeControl(instance.get(), site.get());
    }
    {
        ComPtr<ControlSite> site;
        ComPtr<IUnknown> instance;
        LateBound about = placeControl(L"TVOrvaneSuite.OVAboutBox", site, instance);
        const wchar_t* aboutNames[] = {L"about-standard", L"about-windows2000"};
        for (long style = 0; style < 2; ++style) {
            bool saved = about && captureShown(
                                      [&] {
                                          about.put(DISPID_OVAboutBox_AboutStyle, longValue(style));
                                          about.call(DISPID_OVAboutBox_ShowAbout);
                                      },
                                      out + L"\\" + aboutNames[style] + L".png", true);
            std::wprintf(L"%ls %ls\n", saved ? L"saved  " : L"MISSING", aboutNames[style]);
            if (!saved) ++missing;
        }
        if (instance) closeControl(instance.get(), site.get());
    }
    ::CoUninitialize();
    return missing ? 1 : 0;
}
