#include "files/OVFileVersion.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <utility>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

constexpr size_t longestName = 32767;

std::wstring paddedHex(unsigned value, size_t digits) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%08X", value);
    std::wstring padded(text);
    return padded.substr(padded.size() - digits);
}

// The words as the Integer results carry them: 0x8000 and above are negative, as the
// "&H" text of four hexadecimal digits reads in the runtime.
short highWord(DWORD value) { return static_cast<short>(HIWORD(value)); }
short lowWord(DWORD value) { return static_cast<short>(LOWORD(value)); }

BSTR newText(const std::wstring& text) { return runtime::allocText(text); }

// Out values are set before the work so that a failed query hands out nothing.
template <class T>
void cleared(T* result) {
    *required(result) = T{};
}

}  // namespace

void OVFileVersion::load() {
    const std::string name = runtime::toAnsi(fileName_.get());
    DWORD unusedHandle = 0;
    // No file has a name this long, and Wine's version functions read an uninitialised
    // name for one that does not fit a counted Unicode string.
    size_ = name.size() >= longestName ? 0 : platform::version::GetFileVersionInfoSizeA(name.c_str(), &unusedHandle);
    buffer_.clear();
    resultPointer_ = nullptr;
    resultLength_ = 0;
    if (size_ == 0) raise(error::SubscriptOutOfRange);
    buffer_.assign(size_, 0);
    platform::version::GetFileVersionInfoA(name.c_str(), 0, size_, buffer_.data());
    fixedInfo_ = VS_FIXEDFILEINFO{};
    // A fixed part of another size is cut to the record (or left zero where it is shorter).
    if (lookUp("\\")) {
        platform::kernel32::rtlMoveMemory(&fixedInfo_, resultPointer_,
                                          std::min<SIZE_T>(resultLength_, sizeof fixedInfo_));
    }
}

bool OVFileVersion::lookUp(const std::string& subBlock) {
    resultPointer_ = nullptr;
    resultLength_ = 0;
    void* pointer = nullptr;
    UINT length = 0;
    BOOL found = platform::version::VerQueryValueA(buffer_.data(), subBlock.c_str(), &pointer, &length);
    if (!found || !pointer || buffer_.empty()) return false;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer_.data());
    const auto end = begin + buffer_.size();
    const auto place = reinterpret_cast<std::uintptr_t>(pointer);
    if (place < begin || place >= end) return false;
    resultPointer_ = static_cast<const BYTE*>(pointer);
    resultLength_ = static_cast<UINT>(std::min<std::uintptr_t>(length, end - place));
    return true;
}

std::wstring OVFileVersion::stringEntry(const char* entry, bool tolerant) {
    load();
    // Without a translation or without the entry there is nothing to read: the empty text.
    if (!lookUp("\\VarFileInfo\\Translation") || resultLength_ < sizeof translation_) return {};
    platform::kernel32::rtlMoveMemory(translation_, resultPointer_, sizeof translation_);
    // Language and code page are little-endian words; the key is written big-end first.
    std::swap(translation_[0], translation_[1]);
    std::swap(translation_[2], translation_[3]);
    key_.clear();
    for (BYTE part : translation_) key_ += paddedHex(part, 2);
    if (!lookUp("\\StringFileInfo\\" + runtime::toAnsi(key_) + entry)) return {};

    textBuffer_.assign(resultLength_, ' ');
    // lstrcpyA stops only at a zero: give it a terminated copy of no more than the
    // value's length, and a target with room for that terminator.
    std::string bounded(resultLength_ + 1u, '\0');
    platform::kernel32::rtlMoveMemory(bounded.data(), resultPointer_, resultLength_);
    std::string target = textBuffer_;
    target.push_back('\0');
    platform::kernel32::lstrcpyA(target.data(), bounded.data());
    textBuffer_.assign(target, 0, resultLength_);

    const std::wstring text = runtime::fromAnsi(textBuffer_);
    if (tolerant) {
        size_t end = text.find(L'\0');
        return end == std::wstring::npos ? std::wstring() : text.substr(0, end);
    }
    return runtime::beforeFirstNul(text);
}

BSTR OVFileVersion::stringResult(const char* entry, bool tolerant) { return newText(stringEntry(entry, tolerant)); }

STDMETHODIMP OVFileVersion::get_FileName(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = newText(runtime::bstrText(fileName_.get()));
    });
}

STDMETHODIMP OVFileVersion::put_FileName(BSTR value) {
    return call([&] { fileName_ = Bstr(value, ::SysStringLen(value)); });
}

STDMETHODIMP OVFileVersion::ProductVersionString(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\ProductVersion", false);
    });
}

STDMETHODIMP OVFileVersion::ProductName(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\ProductName", false);
    });
}

STDMETHODIMP OVFileVersion::PrivateBuild(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\PrivateBuild", true);
    });
}

STDMETHODIMP OVFileVersion::OriginalFilename(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\OriginalFilename", false);
    });
}

STDMETHODIMP OVFileVersion::SpecialBuild(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\SpecialBuild", true);
    });
}

STDMETHODIMP OVFileVersion::CompanyName(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\CompanyName", false);
    });
}

STDMETHODIMP OVFileVersion::Comments(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\Comments", true);
    });
}

STDMETHODIMP OVFileVersion::InternalName(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\InternalName", false);
    });
}

STDMETHODIMP OVFileVersion::FileDescription(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\FileDescription", false);
    });
}

STDMETHODIMP OVFileVersion::LegalCopyright(BSTR* result) {
    return call([&] {
        cleared(result);
        *result = stringResult("\\LegalCopyright", false);
    });
}

STDMETHODIMP OVFileVersion::FileVersionString(BSTR* result) {
    return call([&] {
        cleared(result);
        load();
        // The words are unsigned here: a version part of 0x8000 or more is shown as
        // the number it is, not as the negative Integer the number members give.
        const DWORD most = fixedInfo_.dwFileVersionMS, least = fixedInfo_.dwFileVersionLS;
        *result = newText(std::to_wstring(HIWORD(most)) + L"." + std::to_wstring(LOWORD(most)) + L"." +
                          std::to_wstring(HIWORD(least)) + L"." + std::to_wstring(LOWORD(least)));
    });
}

STDMETHODIMP OVFileVersion::FileVerMajorHI(short* result) {
    return call([&] {
        cleared(result);
        load();
        *result = highWord(fixedInfo_.dwFileVersionMS);
    });
}

STDMETHODIMP OVFileVersion::FileVerMajorLO(short* result) {
    return call([&] {
        cleared(result);
        load();
        *result = lowWord(fixedInfo_.dwFileVersionMS);
    });
}

STDMETHODIMP OVFileVersion::FileVerMinorHI(short* result) {
    return call([&] {
        cleared(result);
        load();
        *result = highWord(fixedInfo_.dwFileVersionLS);
    });
}

STDMETHODIMP OVFileVersion::FileVerMinorLO(short* result) {
    return call([&] {
        cleared(result);
        load();
        *result = lowWord(fixedInfo_.dwFileVersionLS);
    });
}

STDMETHODIMP OVFileVersion::FileType(BSTR* result) {
    return call([&] {
        cleared(result);
        load();
        const wchar_t* kind = L"Unknown";
        switch (fixedInfo_.dwFileType) {
        case 1: kind = L"Application"; break;
        case 2: kind = L"Dynamic Link Library (DLL)"; break;
        case 3: kind = L"Device Driver"; break;
        case 4: kind = L"Font"; break;
        case 5: kind = L"Virtual Device Driver"; break;
        }
        *result = newText(kind);
    });
}

}  // namespace orvane
