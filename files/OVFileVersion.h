// OVFileVersion: the version resource of a file, read afresh by every query.
#pragma once

#include <string>
#include <vector>

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVFileVersion final : public Control<OVFileVersion, _OVFileVersion> {
public:
    static constexpr const wchar_t* className = L"OVFileVersion";
    static constexpr int toolboxBitmap = 30002;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVFileVersion; }

    STDMETHODIMP get_FileName(BSTR* result) override;
    STDMETHODIMP put_FileName(BSTR value) override;
    STDMETHODIMP ProductVersionString(BSTR* result) override;
    STDMETHODIMP ProductName(BSTR* result) override;
    STDMETHODIMP PrivateBuild(BSTR* result) override;
    STDMETHODIMP OriginalFilename(BSTR* result) override;
    STDMETHODIMP SpecialBuild(BSTR* result) override;
    STDMETHODIMP CompanyName(BSTR* result) override;
    STDMETHODIMP Comments(BSTR* result) override;
    STDMETHODIMP InternalName(BSTR* result) override;
    STDMETHODIMP FileVersionString(BSTR* result) override;
    STDMETHODIMP FileVerMinorLO(short* result) override;
    STDMETHODIMP FileVerMinorHI(short* result) override;
    STDMETHODIMP FileVerMajorLO(short* result) override;
    STDMETHODIMP FileVerMajorHI(short* result) override;
    STDMETHODIMP FileType(BSTR* result) override;
    STDMETHODIMP FileDescription(BSTR* result) override;
    STDMETHODIMP LegalCopyright(BSTR* result) override;

private:
    // Reads the whole resource and its fixed part; raises 9 when the file has none.
    void load();
    // One lookup in the loaded resource. A lookup that fails, or answers with a place
    // outside the buffer, leaves no result at all; the length never reaches past the buffer.
    bool lookUp(const std::string& subBlock);
    // A string-table entry ("\ProductName", ...); tolerant entries give "" instead of error 5.
    std::wstring stringEntry(const char* entry, bool tolerant);
    BSTR stringResult(const char* entry, bool tolerant);

    Bstr fileName_;
    DWORD size_ = 0;
    std::vector<BYTE> buffer_;
    const BYTE* resultPointer_ = nullptr;
    UINT resultLength_ = 0;
    VS_FIXEDFILEINFO fixedInfo_{};
    BYTE translation_[4]{};
    std::wstring key_;
    std::string textBuffer_;
};

}  // namespace orvane
