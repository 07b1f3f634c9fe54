// OVMemory: the snapshot at initialisation, 32-bit signed figures and the 1024
// scaling of the two physical figures.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TestSupport.h"
#include "frame/base/Platform.h"
#include "sysinfo/OVMemory.h"

namespace orvane {
namespace {

using namespace test;

enum : DISPID {
    idAvailablePageFile = 0x60030000, idAvailablePhysical, idAvailableVirtual, idLength, idMemoryLoad,
    idTotalPageFile, idTotalPhysical, idTotalVirtual, idMaximumApplicationAddress, idMinimumApplicationAddress,
    idAllocationGranularity, idPageSize
};

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

long figure(IDispatch* object, DISPID member) {
    Call call = invokeMethod(object, member);
    EXPECT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_I4, V_VT(call.value.get()));
    return V_I4(call.value.get());
}

class OVMemoryTest : public ::testing::Test {
protected:
    // Fakes both records; `order` records the calls.
    void platformGives(MEMORYSTATUS memory, SYSTEM_INFO system) {
        memory_ = memory;
        system_ = system;
    }
    MEMORYSTATUS memory_{};
    SYSTEM_INFO system_{};
    std::string order;
    platform::Entry<void(LPMEMORYSTATUS)>::FakeScope memoryScope =
        platform::kernel32::GlobalMemoryStatus.fake([this](LPMEMORYSTATUS record) {
            order += "M";
            EXPECT_EQ(0u, record->dwLength);  // not set by the control
            *record = memory_;
        });
    platform::Entry<void(LPSYSTEM_INFO)>::FakeScope systemScope =
        platform::kernel32::GetSystemInfo.fake([this](LPSYSTEM_INFO record) {
            order += "S";
            *record = system_;
        });
};

TEST_F(OVMemoryTest, EveryFieldComesFromItsRecord) {
    MEMORYSTATUS memory{};
    memory.dwLength = 32;
    memory.dwMemoryLoad = 57;
    memory.dwTotalPhys = 536870912;
    memory.dwAvailPhys = 1023;
    memory.dwTotalPageFile = 3 * GiB;
    memory.dwAvailPageFile = 100000;
    memory.dwTotalVirtual = 2 * GiB;
    memory.dwAvailVirtual = 2 * GiB - 4096;
    SYSTEM_INFO system{};
    system.dwPageSize = 4096;
    system.lpMinimumApplicationAddress = reinterpret_cast<void*>(0x10000);
    system.lpMaximumApplicationAddress = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x7FFEFFFF));
    system.dwAllocationGranularity = 65536;
    platformGives(memory, system);
    auto object = OVMemory::create();
    EXPECT_EQ("SM", order);
    EXPECT_EQ(32, figure(object.get(), idLength));
    EXPECT_EQ(57, figure(object.get(), idMemoryLoad));
    EXPECT_EQ(524288, figure(object.get(), idTotalPhysical));
    EXPECT_EQ(0, figure(object.get(), idAvailablePhysical));  // 1023 bytes: the quotient truncates
    // Page file and virtual figures stay in bytes; 2 GiB and more read as negative.
    EXPECT_EQ(-1073741824, figure(object.get(), idTotalPageFile));
    EXPECT_EQ(100000, figure(object.get(), idAvailablePageFile));
    EXPECT_EQ(static_cast<long>(0x80000000u), figure(object.get(), idTotalVirtual));
    EXPECT_EQ(0x7FFFF000, figure(object.get(), idAvailableVirtual));
    EXPECT_EQ(4096, figure(object.get(), idPageSize));
    EXPECT_EQ(0x10000, figure(object.get(), idMinimumApplicationAddress));
    EXPECT_EQ(0x7FFEFFFF, figure(object.get(), idMaximumApplicationAddress));
    EXPECT_EQ(65536, figure(object.get(), idAllocationGranularity));
}

TEST_F(OVMemoryTest, PhysicalFiguresOf2GiBAndMoreAreNegative) {
    const std::pair<std::uint64_t, long> rows[] = {
        {3 * GiB, -1048576},          // read as -1073741824
        {4 * GiB - 1, 0},             // read as -1, truncated toward zero
        {4 * GiB - 2048, -2},
        {2 * GiB, -2097152},
        {2 * GiB - 1024, 2097151},
    };
    for (auto [bytes, expected] : rows) {
        MEMORYSTATUS memory{};
        memory.dwTotalPhys = static_cast<SIZE_T>(bytes);
        memory.dwAvailPhys = static_cast<SIZE_T>(bytes);
        platformGives(memory, {});
        auto object = OVMemory::create();
        EXPECT_EQ(expected, figure(object.get(), idTotalPhysical)) << bytes;
        EXPECT_EQ(expected, figure(object.get(), idAvailablePhysical)) << bytes;
    }
}

#ifdef _WIN64
TEST_F(OVMemoryTest, SixtyFourBitFiguresKeepTheirLow32Bits) {
    MEMORYSTATUS memory{};
    memory.dwTotalPhys = 5 * GiB;                // low half 1 GiB
    memory.dwTotalVirtual = 0x7FFFFFFE0000ull;  // the 64-bit user address space
    SYSTEM_INFO system{};
    system.lpMaximumApplicationAddress = reinterpret_cast<void*>(0x7FFFFFFEFFFFull);
    platformGives(memory, system);
    auto object = OVMemory::create();
    EXPECT_EQ(1048576, figure(object.get(), idTotalPhysical));
    EXPECT_EQ(-131072, figure(object.get(), idTotalVirtual));
    EXPECT_EQ(-65537, figure(object.get(), idMaximumApplicationAddress));
}
#endif

TEST_F(OVMemoryTest, TheSnapshotIsNotRefreshed) {
    MEMORYSTATUS memory{};
    memory.dwAvailPhys = 1024 * 1024;
    platformGives(memory, {});
    auto object = OVMemory::create();
    memory.dwAvailPhys = 2048 * 1024;
    platformGives(memory, {});
    EXPECT_EQ(1024, figure(object.get(), idAvailablePhysical));
    EXPECT_EQ(1024, figure(object.get(), idAvailablePhysical));
    EXPECT_EQ("SM", order);
    EXPECT_EQ(2048, figure(OVMemory::create().get(), idAvailablePhysical));  // a new control reads anew
}

TEST(OVMemoryPlatform, AgreesWithThePlatform) {
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    MEMORYSTATUS memory{};
    ::GlobalMemoryStatus(&memory);
    auto object = OVMemory::create();
    EXPECT_EQ(static_cast<long>(memory.dwLength), figure(object.get(), idLength));
    EXPECT_EQ(static_cast<long>(system.dwPageSize), figure(object.get(), idPageSize));
    EXPECT_EQ(static_cast<long>(system.dwAllocationGranularity), figure(object.get(), idAllocationGranularity));
    EXPECT_EQ(static_cast<long>(reinterpret_cast<std::uintptr_t>(system.lpMinimumApplicationAddress)),
              figure(object.get(), idMinimumApplicationAddress));
    EXPECT_EQ(static_cast<long>(static_cast<std::uint32_t>(memory.dwTotalPhys)) / 1024,
              figure(object.get(), idTotalPhysical));
    EXPECT_EQ(E_POINTER, object->PageSize(nullptr));
}

}  // namespace
}  // namespace orvane
