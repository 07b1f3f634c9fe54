#include "sysinfo/OVMemory.h"

#include <cstdint>
#include <cstring>

#include "frame/base/Platform.h"

namespace orvane {

namespace {

// On 64-bit the platform's records hold pointer-sized figures; the control reports
// their low 32 bits as a signed Long, so 3 GiB reads as -1073741824.
long low32(std::uintptr_t value) { return static_cast<long>(static_cast<std::uint32_t>(value)); }
long low32(const void* address) { return low32(reinterpret_cast<std::uintptr_t>(address)); }

// Physical figures are in units of 1024 bytes, the quotient truncated toward zero.
long kilobytes(long bytes) { return bytes / 1024; }

}  // namespace

void OVMemory::initialize() {
    SYSTEM_INFO system;
    std::memset(&system, 0, sizeof(system));
    platform::kernel32::GetSystemInfo(&system);
    // The length field is not set before the call: it holds what the platform writes.
    MEMORYSTATUS memory;
    std::memset(&memory, 0, sizeof(memory));
    platform::kernel32::GlobalMemoryStatus(&memory);

    snapshot_.pageSize = low32(system.dwPageSize);
    snapshot_.minimumApplicationAddress = low32(system.lpMinimumApplicationAddress);
    snapshot_.maximumApplicationAddress = low32(system.lpMaximumApplicationAddress);
    snapshot_.allocationGranularity = low32(system.dwAllocationGranularity);
    snapshot_.length = low32(memory.dwLength);
    snapshot_.memoryLoad = low32(memory.dwMemoryLoad);
    snapshot_.totalPhysical = low32(memory.dwTotalPhys);
    snapshot_.availablePhysical = low32(memory.dwAvailPhys);
    snapshot_.totalPageFile = low32(memory.dwTotalPageFile);
    snapshot_.availablePageFile = low32(memory.dwAvailPageFile);
    snapshot_.totalVirtual = low32(memory.dwTotalVirtual);
    snapshot_.availableVirtual = low32(memory.dwAvailVirtual);
}

HRESULT OVMemory::field(long value, long* result) {
    return call([&] { *required(result) = value; });
}

STDMETHODIMP OVMemory::AvailablePageFile(long* result) { return field(snapshot_.availablePageFile, result); }
STDMETHODIMP OVMemory::AvailablePhysical(long* result) { return field(kilobytes(snapshot_.availablePhysical), result); }
STDMETHODIMP OVMemory::AvailableVirtual(long* result) { return field(snapshot_.availableVirtual, result); }
STDMETHODIMP OVMemory::Length(long* result) { return field(snapshot_.length, result); }
STDMETHODIMP OVMemory::MemoryLoad(long* result) { return field(snapshot_.memoryLoad, result); }
STDMETHODIMP OVMemory::TotalPageFile(long* result) { return field(snapshot_.totalPageFile, result); }
STDMETHODIMP OVMemory::TotalPhysical(long* result) { return field(kilobytes(snapshot_.totalPhysical), result); }
STDMETHODIMP OVMemory::TotalVirtual(long* result) { return field(snapshot_.totalVirtual, result); }
STDMETHODIMP OVMemory::MaximumApplicationAddress(long* result) { return field(snapshot_.maximumApplicationAddress, result); }
STDMETHODIMP OVMemory::MinimumApplicationAddress(long* result) { return field(snapshot_.minimumApplicationAddress, result); }
STDMETHODIMP OVMemory::AllocationGranularity(long* result) { return field(snapshot_.allocationGranularity, result); }
STDMETHODIMP OVMemory::PageSize(long* result) { return field(snapshot_.pageSize, result); }

}  // namespace orvane
