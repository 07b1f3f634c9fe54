// Helpers of the shell tests: the recorder program registered as the shell's handler
// of web and mail addresses for the length of a test, and what it recorded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::test {

// The recorder beside the test program (built with it).
inline std::wstring recorderPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result(path);
    return result.substr(0, result.find_last_of(L"\\/") + 1) + L"ShellRecorder.exe";
}

inline std::wstring temporaryFile(const wchar_t* name) {
    wchar_t directory[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, directory);
    return std::wstring(directory) + name;
}

inline std::wstring fromUtf8(const std::string& bytes) {
    int size = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

// The lines of a file the recorder writes; empty when it does not exist yet.
inline std::vector<std::wstring> recordedLines(const std::wstring& path) {
    std::vector<std::wstring> lines;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(fromUtf8(bytes.substr(start, end - start)));
    }
    return lines;
}

// Waits until the file holds at least `count` lines: the shell starts the recorder
// after its call returned. The deadline only bounds a failure; it is not a measurement.
inline std::vector<std::wstring> waitForLines(const std::wstring& path, size_t count) {
    std::vector<std::wstring> lines;
    for (int attempt = 0; attempt < 600; ++attempt) {
        lines = recordedLines(path);
        if (lines.size() >= count) break;
        ::Sleep(50);
    }
    return lines;
}

// Points the shell's open command of the given schemes at the recorder, machine-wide
// (this Wine does not read per-user classes), and puts the earlier commands back.
class RecorderRegistration {
public:
    RecorderRegistration(std::vector<std::wstring> schemes, const std::wstring& log) : schemes_(std::move(schemes)) {
        const std::wstring command = L"\"" + recorderPath() + L"\" record \"" + log + L"\" \"%1\"";
        for (const std::wstring& scheme : schemes_) {
            const std::wstring key = L"Software\\Classes\\" + scheme + L"\\shell\\open\\command";
            Saved saved;
            wchar_t value[1024] = {};
            DWORD size = sizeof value - sizeof(wchar_t);
            saved.existed = ::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) ==
                            ERROR_SUCCESS;
            saved.value = value;
            saved_.push_back(saved);
            ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, command.c_str(),
                              static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
        }
    }
    ~RecorderRegistration() {
        for (size_t n = 0; n < schemes_.size(); ++n) {
            const std::wstring key = L"Software\\Classes\\" + schemes_[n] + L"\\shell\\open\\command";
            if (saved_[n].existed) {
                ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, saved_[n].value.c_str(),
                                  static_cast<DWORD>((saved_[n].value.size() + 1) * sizeof(wchar_t)));
            } else {
                ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr);
            }
        }
    }
    RecorderRegistration(const RecorderRegistration&) = delete;
    RecorderRegistration& operator=(const RecorderRegistration&) = delete;

private:
    struct Saved {
        bool existed = false;
        std::wstring value;
    };
    std::vector<std::wstring> schemes_;
    std::vector<Saved> saved_;
};

}  // namespace orvane::test
