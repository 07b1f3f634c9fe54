// OVPower: the status and capability snapshot, the byte flags, the live "allowed"
// questions, and the privilege-then-state-change sequence (always faked).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVPower.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idHibernate = 0x60030000, idSuspend, idDiskSpinDown, idThermalControl, idWakeSupport, idHiberFilePresent,
    idSleepButtonPresent, idPowerButtonPresent, idACPowerExists, idBatteryIsLow, idBatteryIsFull,
    idBatteryIsCharging, idBatteryIsCritical, idIsPowerHibernateAllowed, idIsPowerSuspendAllowed,
    idIsPowerShutdownAllowed
};

const wchar_t missingLibrary[] = L"File not found: powrprof.dll";

class OVPowerTest : public ::testing::Test {
protected:
    bool yes(IDispatch* object, DISPID member) {
        Call call = invokeMethod(object, member);
        EXPECT_EQ(S_OK, call.result) << std::hex << member;
        EXPECT_EQ(VT_BOOL, V_VT(call.value.get()));
        EXPECT_TRUE(V_BOOL(call.value.get()) == VARIANT_TRUE || V_BOOL(call.value.get()) == VARIANT_FALSE);
        return V_BOOL(call.value.get()) == VARIANT_TRUE;
    }
    // The four battery members in the order low, full, charging, critical.
    std::string battery(IDispatch* object) {
        std::string result;
        for (DISPID member : {idBatteryIsLow, idBatteryIsFull, idBatteryIsCharging, idBatteryIsCritical}) {
            result += yes(object, member) ? '1' : '0';
        }
        return result;
    }
    SYSTEM_POWER_STATUS status_{};
    SYSTEM_POWER_CAPABILITIES capabilities_{};
    std::string order;
    platform::Entry<BOOL(LPSYSTEM_POWER_STATUS)>::FakeScope statusScope =
        platform::kernel32::GetSystemPowerStatus.fake([this](LPSYSTEM_POWER_STATUS record) {
            order += "S";
            *record = status_;
            return TRUE;
        });
    platform::Entry<BOOLEAN(PSYSTEM_POWER_CAPABILITIES)>::FakeScope capabilityScope =
        platform::powrprof::GetPwrCapabilities.fake([this](PSYSTEM_POWER_CAPABILITIES record) -> BOOLEAN {
            order += "C";
            *record = capabilities_;
            return TRUE;
        });
};

TEST_F(OVPowerTest, BatteryMembersCompareTheWholeByte) {
    const std::pair<BYTE, const char*> rows[] = {{1, "0100"}, {2, "1000"}, {4, "0001"}, {8, "0010"},
                                                 {9, "0000"}, {0, "0000"}, {128, "0000"}, {255, "0000"},
                                                 {10, "0000"}};
    for (auto [flag, expected] : rows) {
        status_.BatteryFlag = flag;
        EXPECT_EQ(expected, battery(OVPower::create().get())) << int(flag);
    }
}

TEST_F(OVPowerTest, ChargingWhileHighOnMains) {
    status_.ACLineStatus = 1;
    status_.BatteryFlag = 9;
    auto power = OVPower::create();
    EXPECT_TRUE(yes(power.get(), idACPowerExists));
    EXPECT_FALSE(yes(power.get(), idBatteryIsCharging));
    EXPECT_FALSE(yes(power.get(), idBatteryIsFull));
    for (BYTE line : {0, 255}) {
        status_.ACLineStatus = line;
        EXPECT_FALSE(yes(OVPower::create().get(), idACPowerExists)) << int(line);
    }
}

TEST_F(OVPowerTest, EachCapabilityReadsItsOwnFlag) {
    const std::pair<BOOLEAN SYSTEM_POWER_CAPABILITIES::*, DISPID> flags[] = {
        {&SYSTEM_POWER_CAPABILITIES::DiskSpinDown, idDiskSpinDown},
        {&SYSTEM_POWER_CAPABILITIES::ThermalControl, idThermalControl},
        {&SYSTEM_POWER_CAPABILITIES::FullWake, idWakeSupport},
        {&SYSTEM_POWER_CAPABILITIES::HiberFilePresent, idHiberFilePresent},
        {&SYSTEM_POWER_CAPABILITIES::SleepButtonPresent, idSleepButtonPresent},
        {&SYSTEM_POWER_CAPABILITIES::PowerButtonPresent, idPowerButtonPresent}};
    for (auto [flag, member] : flags) {
        capabilities_ = {};
        capabilities_.*flag = 0x80;  // any byte but 0 counts
        auto power = OVPower::create();
        for (auto [other, otherMember] : flags) EXPECT_EQ(member == otherMember, yes(power.get(), otherMember));
    }
    // Flags the control does not publish change nothing.
    capabilities_ = {};
    capabilities_.LidPresent = capabilities_.SystemS4 = capabilities_.VideoDimPresent = 1;
    auto power = OVPower::create();
    for (auto [flag, member] : flags) EXPECT_FALSE(yes(power.get(), member));
}

TEST_F(OVPowerTest, StatusAndCapabilitiesAreASnapshot) {
    status_.ACLineStatus = 1;
    status_.BatteryFlag = 8;
    capabilities_.FullWake = 1;
    auto power = OVPower::create();
    EXPECT_EQ("SC", order);
    status_.ACLineStatus = 0;  // unplugged
    status_.BatteryFlag = 2;
    capabilities_.FullWake = 0;
    EXPECT_TRUE(yes(power.get(), idACPowerExists));
    EXPECT_TRUE(yes(power.get(), idBatteryIsCharging));
    EXPECT_TRUE(yes(power.get(), idWakeSupport));
    EXPECT_EQ("SC", order);
}

TEST_F(OVPowerTest, AllowedMembersAskLiveEveryTime) {
    int calls = 0;
    BOOLEAN answer = 0;
    auto ask = [&]() -> BOOLEAN {
        ++calls;
        return answer;
    };
    auto hibernate = platform::powrprof::IsPwrHibernateAllowed.fake(ask);
    auto suspend = platform::powrprof::IsPwrSuspendAllowed.fake(ask);
    auto shutdown = platform::powrprof::IsPwrShutdownAllowed.fake(ask);
    auto power = OVPower::create();
    for (DISPID member : {idIsPowerHibernateAllowed, idIsPowerSuspendAllowed, idIsPowerShutdownAllowed}) {
        answer = 0;
        EXPECT_FALSE(yes(power.get(), member));
        answer = 2;
        EXPECT_TRUE(yes(power.get(), member));
    }
    EXPECT_EQ(6, calls);
}

TEST_F(OVPowerTest, AMissingPowerLibraryFailsOnlyWhatNeedsIt) {
    auto missing = platform::powrprof::GetPwrCapabilities.fake([](PSYSTEM_POWER_CAPABILITIES) -> BOOLEAN {
        throw RuntimeError(error::FileNotFound, missingLibrary);
    });
    status_.ACLineStatus = 1;
    auto power = OVPower::create();  // creation succeeds
    Call call = invokeMethod(power.get(), idWakeSupport);
    EXPECT_TRUE(raised(call, 53, missingLibrary));
    EXPECT_EQ(L"TVOrvaneSuite.OVPower", call.source);
    EXPECT_TRUE(raised(invokeMethod(power.get(), idDiskSpinDown), 53, missingLibrary));
    EXPECT_TRUE(yes(power.get(), idACPowerExists));  // the status record was filled
    VARIANT_BOOL value = VARIANT_TRUE;
    EXPECT_TRUE(raisedEarly(power->HiberFilePresent(&value), 53, missingLibrary, L"TVOrvaneSuite.OVPower"));

    auto entry = platform::powrprof::IsPwrSuspendAllowed.fake([]() -> BOOLEAN {
        throw RuntimeError(error::EntryPointNotFound, L"Can't find DLL entry point IsPwrSuspendAllowed in powrprof.dll");
    });
    EXPECT_TRUE(raised(invokeMethod(power.get(), idIsPowerSuspendAllowed), 453));
}

// Records the privilege request and the state change; nothing reaches the machine.
class OVPowerStateTest : public OVPowerTest {
protected:
    std::vector<std::string> calls;
    DWORD tokenAccess = 0;
    LUID lookedUp{};
    BOOL powerSuspend = -1, powerForce = -1;
    BOOL tokenOpens = TRUE;
    platform::Entry<BOOL(HANDLE, DWORD, PHANDLE)>::FakeScope openScope =
        platform::advapi32::OpenProcessToken.fake([this](HANDLE process, DWORD access, PHANDLE token) {
            calls.push_back("OpenProcessToken");
            EXPECT_EQ(::GetCurrentProcess(), process);
            tokenAccess = access;
            return tokenOpens && ::OpenProcessToken(process, access, token);
        });
    platform::Entry<BOOL(LPCSTR, LPCSTR, PLUID)>::FakeScope lookupScope =
        platform::advapi32::LookupPrivilegeValueA.fake([this](LPCSTR system, LPCSTR name, PLUID luid) {
            calls.push_back("LookupPrivilegeValueA");
            EXPECT_STREQ("", system);
            EXPECT_STREQ("SeShutdownPrivilege", name);
            luid->LowPart = 19;
            luid->HighPart = 0;
            lookedUp = *luid;
            return TRUE;
        });
    platform::Entry<BOOL(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)>::FakeScope adjustScope =
        platform::advapi32::AdjustTokenPrivileges.fake(
            [this](HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES request, DWORD size, PTOKEN_PRIVILEGES previous,
                   PDWORD length) {
                calls.push_back("AdjustTokenPrivileges");
                EXPECT_EQ(tokenOpens != FALSE, token != nullptr);
                EXPECT_FALSE(disableAll);
                EXPECT_EQ(1u, request->PrivilegeCount);
                EXPECT_EQ(lookedUp.LowPart, request->Privileges[0].Luid.LowPart);
                EXPECT_EQ(2u, request->Privileges[0].Attributes);
                EXPECT_EQ(16u, size);
                EXPECT_NE(nullptr, previous);
                EXPECT_NE(nullptr, length);
                return FALSE;  // refused: the state change is asked for all the same
            });
    platform::Entry<BOOL(BOOL, BOOL)>::FakeScope stateScope =
        platform::kernel32::SetSystemPowerState.fake([this](BOOL suspend, BOOL force) {
            calls.push_back("SetSystemPowerState");
            powerSuspend = suspend;
            powerForce = force;
            return FALSE;
        });
    const std::vector<std::string> sequence{"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges",
                                            "SetSystemPowerState"};
};

TEST_F(OVPowerStateTest, HibernateEnablesThePrivilegeThenAsks) {
    auto power = OVPower::create();
    Call call = invokeMethod(power.get(), idHibernate);
    EXPECT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    EXPECT_EQ(sequence, calls);
    EXPECT_EQ(40u, tokenAccess);
    EXPECT_FALSE(powerSuspend);
    EXPECT_FALSE(powerForce);
}

TEST_F(OVPowerStateTest, SuspendEvenWithoutAToken) {
    tokenOpens = FALSE;
    auto power = OVPower::create();
    EXPECT_EQ(S_OK, power->Suspend());
    EXPECT_EQ(sequence, calls);
    EXPECT_TRUE(powerSuspend);
    EXPECT_FALSE(powerForce);
}

}  // namespace
}  // namespace orvane
