// OVScreenModes: the current mode's fields and the test-then-change-then-broadcast
// sequence. Every test that reaches a mode change fakes it and the broadcast.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVScreenModes.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID { idColorBits = 0x60030000, idScreenHeight, idScreenWidth, idChangeDisplay = 0x60030004 };

struct Change {
    DWORD flags;
    DEVMODEA mode;
};
struct Message {
    HWND window;
    UINT message;
    WPARAM first;
    LPARAM second;
};

class OVScreenModesTest : public ::testing::Test {
protected:
    Call change(long size, long bits) {
        Variable sizeVariable, bitsVariable;
        V_VT(&sizeVariable.value) = VT_I4;
        V_I4(&sizeVariable.value) = size;
        V_VT(&bitsVariable.value) = VT_I4;
        V_I4(&bitsVariable.value) = bits;
        Call call = invokeMethod(screen.get(), idChangeDisplay, {vRef(&sizeVariable.value), vRef(&bitsVariable.value)});
        // The ByRef arguments come back as they went.
        EXPECT_EQ(size, V_I4(&sizeVariable.value));
        EXPECT_EQ(bits, V_I4(&bitsVariable.value));
        return call;
    }
    static void expectZero(const Call& call) {
        ASSERT_EQ(S_OK, call.result);
        ASSERT_EQ(VT_I4, V_VT(call.value.get()));
        EXPECT_EQ(0, V_I4(call.value.get()));
    }
    long number(DISPID member) {
        Call call = invokeMethod(screen.get(), member);
        EXPECT_EQ(S_OK, call.result);
        if (V_VT(call.value.get()) == VT_I2) return V_I2(call.value.get());
        EXPECT_EQ(VT_I4, V_VT(call.value.get()));
        return V_I4(call.value.get());
    }

    DEVMODEA listed_{};  // what the platform lists as every mode
    std::vector<DWORD> enumerated;
    std::vector<Change> changes;
    std::vector<Message> messages;
    LONG testAnswer = DISP_CHANGE_SUCCESSFUL;
    platform::Entry<BOOL(LPCSTR, DWORD, DEVMODEA*)>::FakeScope enumScope =
        platform::user32::EnumDisplaySettingsA.fake([this](LPCSTR device, DWORD modeNumber, DEVMODEA* mode) {
            EXPECT_EQ(nullptr, device);
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(mode);
            for (size_t i = 0; i < sizeof(DEVMODEA); ++i) EXPECT_EQ(0, bytes[i]) << "byte " << i;
            enumerated.push_back(modeNumber);
            *mode = listed_;
            return TRUE;
        });
    platform::Entry<LONG(DEVMODEA*, DWORD)>::FakeScope changeScope =
        platform::user32::ChangeDisplaySettingsA.fake([this](DEVMODEA* mode, DWORD flags) {
            changes.push_back({flags, *mode});
            return flags == CDS_TEST ? testAnswer : DISP_CHANGE_SUCCESSFUL;
        });
    platform::Entry<LRESULT(HWND, UINT, WPARAM, LPARAM)>::FakeScope messageScope =
        platform::user32::SendMessageA.fake([this](HWND window, UINT message, WPARAM first, LPARAM second) {
            messages.push_back({window, message, first, second});
            return LRESULT(0);
        });
    ComPtr<OVScreenModes> screen = OVScreenModes::create();
};

TEST_F(OVScreenModesTest, CurrentModeFields) {
    listed_.dmBitsPerPel = 32;
    listed_.dmPelsWidth = 1280;
    listed_.dmPelsHeight = 1024;
    EXPECT_EQ(32, number(idColorBits));
    EXPECT_EQ(1024, number(idScreenHeight));
    EXPECT_EQ(1280, number(idScreenWidth));
    EXPECT_EQ((std::vector<DWORD>{ENUM_CURRENT_SETTINGS, ENUM_CURRENT_SETTINGS, ENUM_CURRENT_SETTINGS}), enumerated);
    EXPECT_EQ(VT_I2, V_VT(invokeMethod(screen.get(), idScreenWidth).value.get()));
    // Bits per pixel is the field's low 16 bits with their sign.
    listed_.dmBitsPerPel = 0x00018000;
    EXPECT_EQ(-32768, number(idColorBits));
    listed_.dmPelsWidth = 32767;
    EXPECT_EQ(32767, number(idScreenWidth));
    listed_.dmPelsWidth = 40000;
    listed_.dmPelsHeight = 0xFFFFFFFF;  // -1 as a 32-bit value
    EXPECT_TRUE(raised(invokeMethod(screen.get(), idScreenWidth), 6, L"Overflow"));
    EXPECT_EQ(-1, number(idScreenHeight));
}

TEST_F(OVScreenModesTest, AFailedQueryLeavesTheZeroedRecord) {
    auto failing = platform::user32::EnumDisplaySettingsA.fake([](LPCSTR, DWORD, DEVMODEA*) { return FALSE; });
    EXPECT_EQ(0, number(idColorBits));
    EXPECT_EQ(0, number(idScreenWidth));
    EXPECT_EQ(0, number(idScreenHeight));
}

TEST_F(OVScreenModesTest, ChangeTestsThenChangesThenBroadcasts) {
    listed_.dmSize = sizeof(DEVMODEA);
    listed_.dmBitsPerPel = 8;
    listed_.dmPelsWidth = 640;
    listed_.dmPelsHeight = 480;
    listed_.dmDisplayFrequency = 60;
    listed_.dmFields = DM_DISPLAYFREQUENCY;
    expectZero(change(2, 32));
    EXPECT_EQ((std::vector<DWORD>{0}), enumerated);  // the first listed mode, not the current one
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(2u, changes[0].flags);
    EXPECT_EQ(1u, changes[1].flags);
    for (const Change& made : changes) {
        EXPECT_EQ(0x1C0000u, made.mode.dmFields);
        EXPECT_EQ(1024u, made.mode.dmPelsWidth);
        EXPECT_EQ(768u, made.mode.dmPelsHeight);
        EXPECT_EQ(32u, made.mode.dmBitsPerPel);
        EXPECT_EQ(60u, made.mode.dmDisplayFrequency);  // the rest of the listed mode stays
        EXPECT_EQ(sizeof(DEVMODEA), made.mode.dmSize);
    }
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(reinterpret_cast<HWND>(0xFFFF), messages[0].window);
    EXPECT_EQ(0x7Eu, messages[0].message);
    EXPECT_EQ(32u, messages[0].first);
    EXPECT_EQ(768 * 65536 + 1024, messages[0].second);
}

TEST_F(OVScreenModesTest, EverySizeOfTheTable) {
    const long sizes[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};
    for (long index = 0; index < 5; ++index) {
        messages.clear();
        changes.clear();
        expectZero(change(index, 16));
        ASSERT_EQ(2u, changes.size());
        EXPECT_EQ(static_cast<DWORD>(sizes[index][0]), changes[1].mode.dmPelsWidth);
        EXPECT_EQ(static_cast<DWORD>(sizes[index][1]), changes[1].mode.dmPelsHeight);
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ(sizes[index][1] * 65536 + sizes[index][0], messages[0].second);
        EXPECT_EQ(16u, messages[0].first);
    }
}

TEST_F(OVScreenModesTest, SizesOutsideTheTableDoNothing) {
    for (long size : {5L, -1L, 100L, static_cast<long>(0x80000000u)}) {
        expectZero(change(size, 32));
    }
    EXPECT_TRUE(enumerated.empty());
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(OVScreenModesTest, ARefusedModeChangesNothingAndSendsNoMessage) {
    testAnswer = DISP_CHANGE_BADMODE;
    expectZero(change(4, 32));
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(static_cast<DWORD>(CDS_TEST), changes[0].flags);
    EXPECT_TRUE(messages.empty());
    testAnswer = DISP_CHANGE_RESTART;
    changes.clear();
    expectZero(change(1, 32));
    EXPECT_EQ(1u, changes.size());
    EXPECT_TRUE(messages.empty());
}

TEST_F(OVScreenModesTest, BitCountsBeyond16BitsOverflowBeforeTheDisplayIsTouched) {
    EXPECT_TRUE(raised(change(2, 32768), 6, L"Overflow"));
    EXPECT_TRUE(raised(change(2, -32769), 6));
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(messages.empty());
    expectZero(change(2, -32768));
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(0x8000u, changes[0].mode.dmBitsPerPel);
    EXPECT_EQ(static_cast<WPARAM>(-32768), messages.at(0).first);
}

TEST_F(OVScreenModesTest, AnOmittedBitCountIsZero) {
    Variable size;
    V_VT(&size.value) = VT_I4;
    V_I4(&size.value) = 0;
    expectZero(invokeMethod(screen.get(), idChangeDisplay, {vRef(&size.value)}));
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(0u, changes[0].mode.dmBitsPerPel);
    EXPECT_EQ(0u, messages.at(0).first);
    EXPECT_EQ(480 * 65536 + 640, messages.at(0).second);

    OVScreenModesConstants early = ov800x600;
    OVScreenModesConstants result = ov1600x1200;
    EXPECT_EQ(S_OK, screen->ChangeDisplay(&early, nullptr, &result));
    EXPECT_EQ(0, result);
    EXPECT_EQ(E_POINTER, screen->ChangeDisplay(nullptr, nullptr, &result));
    EXPECT_EQ(E_POINTER, screen->ChangeDisplay(&early, nullptr, nullptr));
}

TEST_F(OVScreenModesTest, TheQueriesAskAfreshAfterAChange) {
    listed_.dmBitsPerPel = 16;
    EXPECT_EQ(16, number(idColorBits));
    expectZero(change(2, 32));
    listed_.dmBitsPerPel = 32;  // the platform now reports the new depth
    EXPECT_EQ(32, number(idColorBits));
}

TEST_F(OVScreenModesTest, UnpublishedIdentifier) {
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(screen.get(), 0x60030003).result);
}

TEST(OVScreenModesPlatform, AgreesWithThePlatform) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    ASSERT_TRUE(::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    auto screen = OVScreenModes::create();
    long bits = 0;
    short width = 0, height = 0;
    EXPECT_EQ(S_OK, screen->ColorBits(&bits));
    EXPECT_EQ(S_OK, screen->ScreenWidth(&width));
    EXPECT_EQ(S_OK, screen->ScreenHeight(&height));
    EXPECT_EQ(static_cast<long>(mode.dmBitsPerPel), bits);
    EXPECT_EQ(static_cast<long>(mode.dmPelsWidth), width);
    EXPECT_EQ(static_cast<long>(mode.dmPelsHeight), height);
}

}  // namespace
}  // namespace orvane
