// Writes the keys and values the self-registration of a built library would write,
// one row a line, for the installer's registry table: the same row list the library's
// DllRegisterServer writes, read from the library's own type library.
//   RegistrationRows <library.dll> <path to record for the library> <output file>
// Each line holds key, value name, a flag (1 a value, 0 the key alone) and the data,
// separated by tabs, in UTF-8.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>
#include <vector>

#include "frame/server/Registration.h"

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

bool plain(const std::wstring& text) { return text.find_first_of(L"\t\r\n") == std::wstring::npos; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: RegistrationRows <library.dll> <recorded path> <output file>\n");
        return 2;
    }
    ITypeLib* library = nullptr;
    HRESULT hr = ::LoadTypeLibEx(argv[1], REGKIND_NONE, &library);
    if (FAILED(hr)) {
        std::fprintf(stderr, "RegistrationRows: no type library in %ls (0x%08lx)\n", argv[1], static_cast<unsigned long>(hr));
        return 1;
    }
    std::vector<orvane::RegistryRow> rows;
    bool read = orvane::registrationRows(library, argv[2], rows);
    library->Release();
    if (!read) {
        std::fprintf(stderr, "RegistrationRows: cannot read the type library of %ls\n", argv[1]);
        return 1;
    }
    std::string text;
    for (const orvane::RegistryRow& row : rows) {
        if (!plain(row.key) || !plain(row.name) || !plain(row.data)) {
            std::fprintf(stderr, "RegistrationRows: a row holds a tab or a line break: %ls\n", row.key.c_str());
            return 1;
        }
        text += utf8(row.key) + '\t' + utf8(row.name) + '\t' + (row.hasValue ? "1" : "0") + '\t' + utf8(row.data) + '\n';
    }
    FILE* file = ::_wfopen(argv[3], L"wb");
    if (!file) {
        std::fprintf(stderr, "RegistrationRows: cannot write %ls\n", argv[3]);
        return 1;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fclose(file) == 0 && written;
    return written ? 0 : 1;
}
