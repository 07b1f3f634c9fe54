// OVRegistry under a double-byte ANSI code page. These cases run in a process of
// their own with a Japanese locale (see tests/CMakeLists.txt: every suite named
// DoubleByteCodePage* runs that way and only that way).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "registry/OVRegistry.h"

namespace orvane {
namespace {

using namespace test;

const long currentUser = static_cast<long>(0x80000001);
const wchar_t* const hiragana = L"\x3042";          // two bytes in code page 932
const wchar_t* const halfWidthKatakana = L"\xFF71";  // one byte (0xB1) in code page 932

class DoubleByteCodePage : public ::testing::Test {
protected:
    void SetUp() override {
        // A run under a single-byte code page would prove nothing here.
        ASSERT_EQ(932u, ::GetACP()) << "this suite must run under a double-byte ANSI code page";
        ASSERT_TRUE(::IsDBCSLeadByte(0x82));
        ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }

    Call write(long type, const wchar_t* name, const std::wstring& data) {
        Bstr sub(key.c_str()), valueName(name), valueData(data.c_str());
        return invokeByName(registry.get(), L"WriteValue",
                            {vLong(currentUser), vText(sub), vLong(type), vText(valueName), vText(valueData)});
    }
    Call read(const wchar_t* name) {
        Bstr sub(key.c_str()), valueName(name);
        return invokeByName(registry.get(), L"ReadValue", {vLong(currentUser), vText(sub), vText(valueName)});
    }
    // The raw bytes stored, or nothing when the value does not exist.
    std::vector<BYTE> stored(const wchar_t* name) {
        BYTE data[256];
        DWORD size = sizeof data;
        if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, nullptr, data, &size) != ERROR_SUCCESS) {
            return {};
        }
        return std::vector<BYTE>(data, data + size);
    }

    const std::wstring key = L"Software\\OrvaneSuiteTests\\double-byte-" + std::to_wstring(::GetCurrentProcessId());
    ComPtr<OVRegistry> registry = OVRegistry::create();
};

TEST_F(DoubleByteCodePage, BinaryDataRefusesACharacterOfTwoBytes) {
    EXPECT_TRUE(raised(write(3, L"Bytes", std::wstring(L"A") + hiragana), 6, L"Overflow"));
    EXPECT_TRUE(stored(L"Bytes").empty());  // nothing written
    // A character of one byte in this code page is written as that byte.
    Call single = write(3, L"Bytes", std::wstring(L"A") + halfWidthKatakana);
    ASSERT_EQ(S_OK, single.result);
    EXPECT_EQ((std::vector<BYTE>{0x41, 0xB1}), stored(L"Bytes"));
    EXPECT_EQ(std::wstring(L"A") + halfWidthKatakana, text(*read(L"Bytes").value.get()));
}

TEST_F(DoubleByteCodePage, TextsRoundTripThroughTheCodePage) {
    const std::wstring data = std::wstring(L"x") + hiragana + L"y";
    ASSERT_EQ(S_OK, write(1, L"Text", data).result);
    EXPECT_EQ(data, text(*read(L"Text").value.get()));
}

}  // namespace
}  // namespace orvane
