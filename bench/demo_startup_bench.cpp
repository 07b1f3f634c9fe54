// Start-up of a demonstration program (process start until its main window is painted
// and answers messages) against a bare program built the same way that shows a window
// with as many child windows. Runs are alternated; medians are compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring folderOfThisProgram() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

// Milliseconds from CreateProcess until a visible window with this caption answers
// WM_NULL (the programs paint before they pump); negative when it never does.
double startUp(const std::wstring& program, const std::wstring& caption) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program + L"\"";
    std::wstring folder = program.substr(0, program.find_last_of(L"\\/"));
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process)) {
        return -1;
    }
    double elapsed = -1;
    for (int attempt = 0; attempt < 60000; ++attempt) {
        HWND window = ::FindWindowW(nullptr, caption.c_str());
        DWORD_PTR ignored = 0;
        if (window && ::IsWindowVisible(window) &&
            ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored)) {
            ::QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        ::Sleep(1);
    }
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

// A start that never showed its window (a busy machine can lose one) is tried again,
// up to three times in all.
double startUpRetrying(const std::wstring& program, const std::wstring& caption) {
    double elapsed = -1;
    for (int attempt = 0; attempt < 3 && elapsed < 0; ++attempt) elapsed = startUp(program, caption);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main() {
    std::wstring here = folderOfThisProgram();
    // Stripped copies, as the release folder has them (made by the build beside this one).
    std::wstring demo = here + L"\\startup\\OVNumbersDemo.exe";
    std::wstring bare = here + L"\\startup\\BareWindow.exe";
    constexpr int rounds = 9;
    std::vector<double> demoTimes, bareTimes;
    // One warm-up each: the first start of a program also loads the platform's DLLs.
    startUp(demo, L"Orvane Suite: OVNumbers");
    startUp(bare, L"Orvane Suite: Bare");
    for (int round = 0; round < rounds; ++round) {
        double d = startUpRetrying(demo, L"Orvane Suite: OVNumbers");
        double b = startUpRetrying(bare, L"Orvane Suite: Bare");
        if (d < 0 || b < 0) {
            std::printf("a program did not start (demo %.1f ms, bare %.1f ms)\n", d, b);
            return 1;
        }
        demoTimes.push_back(d);
        bareTimes.push_back(b);
    }
    double d = median(demoTimes), b = median(bareTimes);
    std::printf("start-up to a painted, answering window (median of %d): OVNumbersDemo %.1f ms, bare program %.1f ms, "
                "ratio %.2f (target <= 1.5)\n",
                rounds, d, b, d / b);
    return 0;
}
