// OVFileVersion: Wine's own libraries read directly, and resources built here and
// handed out by fakes of the version functions.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "files/OVFileVersion.h"
#include "frame/base/Platform.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idFileName = 0x68030000,
    idProductVersionString = 0x60030005, idProductName, idPrivateBuild, idOriginalFilename, idSpecialBuild,
    idCompanyName, idComments, idInternalName, idFileVersionString, idFileVerMinorLO, idFileVerMinorHI,
    idFileVerMajorLO, idFileVerMajorHI, idFileType, idFileDescription, idLegalCopyright
};

struct StringMember {
    DISPID id;
    const char* entry;
    bool tolerant;
};
const StringMember stringMembers[] = {
    {idProductVersionString, "ProductVersion", false}, {idProductName, "ProductName", false},
    {idPrivateBuild, "PrivateBuild", true},            {idOriginalFilename, "OriginalFilename", false},
    {idSpecialBuild, "SpecialBuild", true},            {idCompanyName, "CompanyName", false},
    {idComments, "Comments", true},                    {idInternalName, "InternalName", false},
    {idFileDescription, "FileDescription", false},     {idLegalCopyright, "LegalCopyright", false},
};
const DISPID allQueries[] = {idProductVersionString, idProductName, idPrivateBuild, idOriginalFilename,
                             idSpecialBuild, idCompanyName, idComments, idInternalName, idFileVersionString,
                             idFileVerMinorLO, idFileVerMinorHI, idFileVerMajorLO, idFileVerMajorHI,
                             idFileType, idFileDescription, idLegalCopyright};

std::wstring wide(const char* text) { return std::wstring(text, text + std::strlen(text)); }

// A version resource as the fakes hand it out: the bytes GetFileVersionInfoA copies and,
// per sub-block, where VerQueryValueA points into the caller's copy of them.
struct Resource {
    std::vector<BYTE> bytes = std::vector<BYTE>(16, 0xEE);
    struct Place {
        size_t offset;
        UINT length;
    };
    std::map<std::string, Place> places;

    void add(const std::string& subBlock, const void* data, size_t size, UINT length) {
        places[subBlock] = {bytes.size(), length};
        const BYTE* from = static_cast<const BYTE*>(data);
        bytes.insert(bytes.end(), from, from + size);
        bytes.insert(bytes.end(), 8, 0xEE);  // no accidental terminator after a value
    }
    void fixed(DWORD versionMS, DWORD versionLS, DWORD fileType = VFT_DLL) {
        VS_FIXEDFILEINFO info{};
        info.dwSignature = 0xFEEF04BD;
        info.dwFileVersionMS = versionMS;
        info.dwFileVersionLS = versionLS;
        info.dwFileType = fileType;
        add("\\", &info, sizeof info, sizeof info);
    }
    void translation(WORD language, WORD codePage) {
        WORD pair[2] = {language, codePage};
        add("\\VarFileInfo\\Translation", pair, sizeof pair, sizeof pair);
    }
    // value includes its terminator when the resource has one
    void text(const std::string& key, const char* entry, const std::string& value, UINT length) {
        add("\\StringFileInfo\\" + key + "\\" + entry, value.data(), value.size(), length);
    }
    void text(const std::string& key, const char* entry, const char* value) {
        std::string terminated(value, std::strlen(value) + 1);
        text(key, entry, terminated, static_cast<UINT>(terminated.size()));
    }
};

// Serves resources by file name through the three version functions.
class FakeVersionFunctions {
public:
    std::map<std::string, Resource> files;
    std::vector<std::string> sizeQueries;
    std::vector<std::string> lookups;
    int reads = 0;
    bool scribbleOnFailure = false;  // a failed lookup that writes its outputs anyway

private:
    using SizeEntry = decltype(platform::version::GetFileVersionInfoSizeA);
    using InfoEntry = decltype(platform::version::GetFileVersionInfoA);
    using QueryEntry = decltype(platform::version::VerQueryValueA);
    const char garbage_[16] = "GARBAGE GARBAGE";

    SizeEntry::FakeScope size_ = platform::version::GetFileVersionInfoSizeA.fake([this](LPCSTR name, LPDWORD handle) {
        sizeQueries.push_back(name);
        *handle = 0;
        auto found = files.find(name);
        return found == files.end() ? DWORD{0} : static_cast<DWORD>(found->second.bytes.size());
    });
    InfoEntry::FakeScope info_ =
        platform::version::GetFileVersionInfoA.fake([this](LPCSTR name, DWORD, DWORD size, LPVOID block) {
            ++reads;
            const Resource& resource = files.at(name);
            std::memcpy(block, resource.bytes.data(), std::min<size_t>(size, resource.bytes.size()));
            current_ = &resource;
            return TRUE;
        });
    QueryEntry::FakeScope query_ =
        platform::version::VerQueryValueA.fake([this](LPCVOID block, LPCSTR subBlock, LPVOID* pointer, PUINT length) {
            lookups.push_back(subBlock);
            auto found = current_->places.find(subBlock);
            if (found == current_->places.end()) {
                if (scribbleOnFailure) {
                    *pointer = const_cast<char*>(garbage_);
                    *length = sizeof garbage_;
                }
                return FALSE;
            }
            *pointer = const_cast<BYTE*>(static_cast<const BYTE*>(block) + found->second.offset);
            *length = found->second.length;
            return TRUE;
        });
    const Resource* current_ = nullptr;
};

class OVFileVersionTest : public ::testing::Test {
protected:
    void setName(const wchar_t* name) {
        Bstr text(name);
        ASSERT_EQ(S_OK, control->put_FileName(text.get()));
    }
    Call query(DISPID member) { return invokeMethod(control.get(), member); }
    std::wstring textOf(DISPID member) {
        Call call = query(member);
        EXPECT_EQ(S_OK, call.result) << std::hex << member << " " << call.description;
        EXPECT_EQ(VT_BSTR, V_VT(call.value.get()));
        return text(*call.value.get());
    }
    short numberOf(DISPID member) {
        Call call = query(member);
        EXPECT_EQ(S_OK, call.result) << std::hex << member;
        EXPECT_EQ(VT_I2, V_VT(call.value.get()));
        return V_I2(call.value.get());
    }
    ComPtr<OVFileVersion> control = OVFileVersion::create();
};

// What the wide functions report for a file, straight from the platform.
struct DirectReading {
    std::vector<BYTE> block;
    VS_FIXEDFILEINFO* fixed = nullptr;
    std::wstring key;

    explicit DirectReading(const wchar_t* file) {
        DWORD handle = 0;
        DWORD size = ::GetFileVersionInfoSizeW(file, &handle);
        if (size == 0) return;
        block.resize(size);
        ::GetFileVersionInfoW(file, 0, size, block.data());
        UINT length = 0;
        ::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
        WORD* pair = nullptr;
        if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pair), &length) &&
            length >= 4) {
            wchar_t text[9];
            swprintf(text, 9, L"%04X%04X", pair[0], pair[1]);
            key = text;
        }
    }
    std::wstring value(const char* entry) {
        wchar_t* text = nullptr;
        UINT length = 0;
        std::wstring subBlock = L"\\StringFileInfo\\" + key + L"\\" + wide(entry);
        if (!::VerQueryValueW(block.data(), subBlock.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
            return {};
        return std::wstring(text, wcsnlen(text, length));
    }
};

TEST_F(OVFileVersionTest, WineLibrariesReadAsTheWideFunctionsReportThem) {
    for (const wchar_t* file : {L"C:\\windows\\system32\\kernel32.dll", L"C:\\windows\\system32\\shell32.dll"}) {
        SCOPED_TRACE(file);
        DirectReading direct(file);
        ASSERT_TRUE(direct.fixed);
        ASSERT_FALSE(direct.key.empty());
        setName(file);
        const DWORD most = direct.fixed->dwFileVersionMS, least = direct.fixed->dwFileVersionLS;
        EXPECT_EQ(std::to_wstring(HIWORD(most)) + L"." + std::to_wstring(LOWORD(most)) + L"." +
                      std::to_wstring(HIWORD(least)) + L"." + std::to_wstring(LOWORD(least)),
                  textOf(idFileVersionString));
        EXPECT_EQ(static_cast<short>(HIWORD(most)), numberOf(idFileVerMajorHI));
        EXPECT_EQ(static_cast<short>(LOWORD(most)), numberOf(idFileVerMajorLO));
        EXPECT_EQ(static_cast<short>(HIWORD(least)), numberOf(idFileVerMinorHI));
        EXPECT_EQ(static_cast<short>(LOWORD(least)), numberOf(idFileVerMinorLO));
        EXPECT_EQ(L"Dynamic Link Library (DLL)", textOf(idFileType));
        for (const StringMember& member : stringMembers) {
            EXPECT_EQ(direct.value(member.entry), textOf(member.id)) << member.entry;
        }
        EXPECT_FALSE(textOf(idCompanyName).empty());
        EXPECT_FALSE(textOf(idProductVersionString).empty());
    }
}

TEST_F(OVFileVersionTest, NoVersionResourceRaisesNineInEveryQuery) {
    const std::wstring huge(100000, L'x');
    for (const wchar_t* file : {L"", L"C:\\no\\such\\file.dll", L"C:\\windows\\win.ini", huge.c_str()}) {
        setName(file);
        for (DISPID member : allQueries) {
            Call call = query(member);
            EXPECT_TRUE(raised(call, 9, L"Subscript out of range")) << std::hex << member;
            EXPECT_EQ(L"TVOrvaneSuite.OVFileVersion", call.source);
        }
    }
    BSTR value = reinterpret_cast<BSTR>(1);
    EXPECT_TRUE(raisedEarly(control->Comments(&value), 9, nullptr, L"TVOrvaneSuite.OVFileVersion"));
    EXPECT_EQ(nullptr, value);  // a failed query hands out no text
}

TEST_F(OVFileVersionTest, FileNameIsStoredAsGiven) {
    EXPECT_EQ(L"", text(*invoke(control.get(), idFileName, DISPATCH_PROPERTYGET, {}).value.get()));
    Bstr odd(L"  not a path \x263A ");
    EXPECT_EQ(S_OK, propertyPut(control.get(), idFileName, vText(odd)).result);
    EXPECT_EQ(odd.c_str(), text(*invoke(control.get(), idFileName, DISPATCH_PROPERTYGET, {}).value.get()));
    EXPECT_EQ(S_OK, control->put_FileName(nullptr));
    BSTR name = nullptr;
    ASSERT_EQ(S_OK, control->get_FileName(&name));
    EXPECT_EQ(0u, ::SysStringLen(name));
    ::SysFreeString(name);
    EXPECT_EQ(E_POINTER, control->get_FileName(nullptr));
    EXPECT_EQ(E_POINTER, control->CompanyName(nullptr));
    EXPECT_EQ(E_POINTER, control->FileVerMajorHI(nullptr));
}

class FakedFileVersionTest : public OVFileVersionTest {
protected:
    FakeVersionFunctions fakes;
};

TEST_F(FakedFileVersionTest, VersionWordsAndFileTypes) {
    Resource& resource = fakes.files["a.dll"];
    resource.fixed(0x00050001, 0x0A280000);
    setName(L"a.dll");
    EXPECT_EQ(L"5.1.2600.0", textOf(idFileVersionString));
    EXPECT_EQ(5, numberOf(idFileVerMajorHI));
    EXPECT_EQ(1, numberOf(idFileVerMajorLO));
    EXPECT_EQ(2600, numberOf(idFileVerMinorHI));
    EXPECT_EQ(0, numberOf(idFileVerMinorLO));

    const struct {
        DWORD type;
        const wchar_t* text;
    } kinds[] = {{0, L"Unknown"}, {1, L"Application"}, {2, L"Dynamic Link Library (DLL)"}, {3, L"Device Driver"},
                 {4, L"Font"}, {5, L"Virtual Device Driver"}, {7, L"Unknown"}, {0xFFFFFFFF, L"Unknown"}};
    for (const auto& kind : kinds) {
        Resource typed;
        typed.fixed(0x00010000, 0, kind.type);
        fakes.files["a.dll"] = typed;
        EXPECT_EQ(kind.text, textOf(idFileType)) << kind.type;
    }
}

TEST_F(FakedFileVersionTest, WordsFromTheTopHalfOfTheRange) {
    fakes.files["big.dll"].fixed(0x8000FFFF, 0x7FFF0001);
    setName(L"big.dll");
    EXPECT_EQ(-32768, numberOf(idFileVerMajorHI));
    EXPECT_EQ(-1, numberOf(idFileVerMajorLO));
    EXPECT_EQ(32767, numberOf(idFileVerMinorHI));
    EXPECT_EQ(1, numberOf(idFileVerMinorLO));
    EXPECT_EQ(L"32768.65535.32767.1", textOf(idFileVersionString));
}

TEST_F(FakedFileVersionTest, FixedPartOfAnotherSize) {
    // Longer than the record: only the record's 52 bytes are taken.
    Resource& longer = fakes.files["long.dll"];
    VS_FIXEDFILEINFO info{};
    info.dwFileVersionMS = 0x00020003;
    info.dwFileVersionLS = 0x00040005;
    info.dwFileType = VFT_APP;
    BYTE bytes[sizeof info + 64];
    std::memset(bytes, 0xAB, sizeof bytes);
    std::memcpy(bytes, &info, sizeof info);
    longer.add("\\", bytes, sizeof bytes, sizeof bytes);
    longer.translation(0x0409, 0x04B0);
    longer.text("040904B0", "CompanyName", "Still readable");
    setName(L"long.dll");
    EXPECT_EQ(L"2.3.4.5", textOf(idFileVersionString));
    EXPECT_EQ(L"Application", textOf(idFileType));
    EXPECT_EQ(L"Still readable", textOf(idCompanyName));
    EXPECT_EQ(std::vector<std::string>({"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\CompanyName"}),
              std::vector<std::string>(fakes.lookups.end() - 3, fakes.lookups.end()));

    // Shorter, or none at all: what is missing reads as zero.
    Resource& shorter = fakes.files["short.dll"];
    shorter.add("\\", &info, 12, 12);
    setName(L"short.dll");
    EXPECT_EQ(L"2.3.0.0", textOf(idFileVersionString));
    EXPECT_EQ(L"Unknown", textOf(idFileType));
    fakes.files["none.dll"];
    setName(L"none.dll");
    EXPECT_EQ(L"0.0.0.0", textOf(idFileVersionString));
    EXPECT_EQ(0, numberOf(idFileVerMajorHI));
    EXPECT_EQ(L"Unknown", textOf(idFileType));
}

TEST_F(FakedFileVersionTest, TheFirstTranslationMakesTheKey) {
    for (WORD codePage : {WORD{1200}, WORD{0x04E4}}) {
        Resource resource;
        resource.fixed(0x00010000, 0);
        WORD pairs[4] = {0x0409, codePage, 0x0407, 0x04E4};
        resource.add("\\VarFileInfo\\Translation", pairs, sizeof pairs, sizeof pairs);
        char key[9];
        std::snprintf(key, sizeof key, "0409%04X", codePage);
        for (const StringMember& member : stringMembers) resource.text(key, member.entry, member.entry);
        resource.text("040704E4", "ProductName", "second translation");
        fakes.files["t.dll"] = resource;
        setName(L"t.dll");
        for (const StringMember& member : stringMembers) EXPECT_EQ(wide(member.entry), textOf(member.id)) << key;
        EXPECT_EQ("\\StringFileInfo\\" + std::string(key) + "\\LegalCopyright", fakes.lookups.back());
    }
    for (const std::string& lookup : fakes.lookups) EXPECT_EQ(std::string::npos, lookup.find("0407")) << lookup;
}

TEST_F(FakedFileVersionTest, MissingTranslationOrEntryGivesTheEmptyText) {
    Resource& bare = fakes.files["bare.dll"];
    bare.fixed(0x00010000, 0);
    bare.text("040904B0", "CompanyName", "unreachable without a translation");
    Resource& partial = fakes.files["partial.dll"];
    partial.fixed(0x00010000, 0);
    partial.translation(0x0409, 0x04B0);
    partial.text("040904B0", "CompanyName", "Present");
    Resource& shortTable = fakes.files["short.dll"];
    shortTable.fixed(0x00010000, 0);
    WORD half = 0x0409;
    shortTable.add("\\VarFileInfo\\Translation", &half, sizeof half, sizeof half);

    for (bool scribble : {false, true}) {
        fakes.scribbleOnFailure = scribble;
        for (const wchar_t* file : {L"bare.dll", L"short.dll"}) {
            setName(file);
            for (const StringMember& member : stringMembers) EXPECT_EQ(L"", textOf(member.id)) << member.entry;
        }
        setName(L"partial.dll");
        for (const StringMember& member : stringMembers) {
            EXPECT_EQ(std::string(member.entry) == "CompanyName" ? L"Present" : L"", textOf(member.id))
                << member.entry;
        }
    }
}

TEST_F(FakedFileVersionTest, ValueWithoutTerminatorRaisesFiveExceptInTheTolerantThree) {
    Resource& resource = fakes.files["v.dll"];
    resource.fixed(0x00010000, 0);
    resource.translation(0x0409, 0x04E4);
    for (const StringMember& member : stringMembers) resource.text("040904E4", member.entry, "unterminated", 12);
    setName(L"v.dll");
    for (const StringMember& member : stringMembers) {
        Call call = query(member.id);
        if (member.tolerant) {
            EXPECT_EQ(S_OK, call.result);
            EXPECT_EQ(L"", text(*call.value.get()));
        } else {
            EXPECT_TRUE(raised(call, 5, L"Invalid procedure call or argument")) << member.entry;
        }
    }
}

TEST_F(FakedFileVersionTest, TheCopyStaysWithinTheReportedLengthAndTheBuffer) {
    Resource& resource = fakes.files["v.dll"];
    resource.fixed(0x00010000, 0);
    resource.translation(0x0409, 0x04E4);
    // Length longer than the text: cut at its zero.
    resource.text("040904E4", "CompanyName", std::string("Orvane\0tail", 11), 11);
    // Length shorter than the text: the zero lies beyond what the lookup reported.
    resource.text("040904E4", "ProductName", std::string("Much longer text\0", 17), 4);
    resource.text("040904E4", "Comments", std::string("Much longer text\0", 17), 4);
    // An empty value of length 0 holds no zero either.
    resource.text("040904E4", "InternalName", std::string(), 0);
    // A length far past the end of the buffer is cut to the buffer (the values after it
    // supply a zero).
    resource.text("040904E4", "LegalCopyright", std::string("(c)"), 0x7FFFFFFF);
    // The last value of the resource, reported too long.
    resource.bytes.resize(resource.bytes.size() - 8);
    resource.text("040904E4", "FileDescription", std::string("end\0", 4), 1000);
    resource.bytes.resize(resource.bytes.size() - 8);
    setName(L"v.dll");
    EXPECT_EQ(L"Orvane", textOf(idCompanyName));
    EXPECT_TRUE(raised(query(idProductName), 5));
    EXPECT_EQ(L"", textOf(idComments));
    EXPECT_TRUE(raised(query(idInternalName), 5));
    EXPECT_EQ(L"(c)", textOf(idLegalCopyright).substr(0, 3));
    EXPECT_EQ(L"end", textOf(idFileDescription));
}

TEST_F(FakedFileVersionTest, NamesTooLongForAnyFileAreNotHandedOn) {
    const std::wstring longest(32766, L'x'), tooLong(32767, L'x');
    setName(longest.c_str());
    EXPECT_TRUE(raised(query(idFileType), 9));
    ASSERT_EQ(1u, fakes.sizeQueries.size());
    EXPECT_EQ(32766u, fakes.sizeQueries[0].size());
    setName(tooLong.c_str());
    EXPECT_TRUE(raised(query(idFileType), 9));
    EXPECT_TRUE(raised(query(idComments), 9));
    EXPECT_EQ(1u, fakes.sizeQueries.size());
}

TEST_F(FakedFileVersionTest, AnswerOutsideTheBufferIsNotRead) {
    static const char elsewhere[] = "somewhere else";
    auto scope = platform::version::VerQueryValueA.fake([](LPCVOID, LPCSTR, LPVOID* pointer, PUINT length) {
        *pointer = const_cast<char*>(elsewhere);
        *length = sizeof elsewhere;
        return TRUE;
    });
    fakes.files["x.dll"].fixed(0x00010000, 0);
    setName(L"x.dll");
    EXPECT_EQ(L"", textOf(idCompanyName));
    EXPECT_EQ(L"0.0.0.0", textOf(idFileVersionString));
}

TEST_F(FakedFileVersionTest, EveryQueryReadsTheFileAgain) {
    fakes.files["one.dll"].fixed(0x00010002, 0x00030004);
    fakes.files["one.dll"].translation(0x0409, 0x04B0);
    fakes.files["one.dll"].text("040904B0", "CompanyName", "First");
    fakes.files["two.dll"].fixed(0x00050006, 0x00070008);
    fakes.files["two.dll"].translation(0x0407, 0x04E4);
    fakes.files["two.dll"].text("040704E4", "CompanyName", "Second");
    setName(L"one.dll");
    EXPECT_EQ(L"First", textOf(idCompanyName));
    EXPECT_EQ(L"1.2.3.4", textOf(idFileVersionString));
    setName(L"two.dll");
    EXPECT_EQ(L"Second", textOf(idCompanyName));
    EXPECT_EQ(L"5.6.7.8", textOf(idFileVersionString));
    EXPECT_EQ(4, fakes.reads);
    EXPECT_EQ(std::vector<std::string>({"one.dll", "one.dll", "two.dll", "two.dll"}), fakes.sizeQueries);
    fakes.files["two.dll"].text("040704E4", "CompanyName", "Changed on disk");
    EXPECT_EQ(L"Changed on disk", textOf(idCompanyName));
    fakes.files.erase("two.dll");
    EXPECT_TRUE(raised(query(idCompanyName), 9));
}

}  // namespace
}  // namespace orvane
