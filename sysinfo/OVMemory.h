// OVMemory: the memory figures and address-space parameters as the platform gave
// them when the control was initialised (a snapshot, not a live reading).
#pragma once

#include "frame/control/Control.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {

class OVMemory final : public Control<OVMemory, _OVMemory> {
public:
    static constexpr const wchar_t* className = L"OVMemory";
    static constexpr int toolboxBitmap = 30009;
    static constexpr const wchar_t* userType = className;
    static const CLSID& classId() noexcept { return CLSID_OVMemory; }

    void initialize();

    STDMETHODIMP AvailablePageFile(long* result) override;
    STDMETHODIMP AvailablePhysical(long* result) override;
    STDMETHODIMP AvailableVirtual(long* result) override;
    STDMETHODIMP Length(long* result) override;
    STDMETHODIMP MemoryLoad(long* result) override;
    STDMETHODIMP TotalPageFile(long* result) override;
    STDMETHODIMP TotalPhysical(long* result) override;
    STDMETHODIMP TotalVirtual(long* result) override;
    STDMETHODIMP MaximumApplicationAddress(long* result) override;
    STDMETHODIMP MinimumApplicationAddress(long* result) override;
    STDMETHODIMP AllocationGranularity(long* result) override;
    STDMETHODIMP PageSize(long* result) override;

private:
    HRESULT field(long value, long* result);

    // Every figure as the 32-bit signed field the classic records hold.
    struct Snapshot {
        long pageSize = 0;
        long minimumApplicationAddress = 0;
        long maximumApplicationAddress = 0;
        long allocationGranularity = 0;
        long length = 0;
        long memoryLoad = 0;
        long totalPhysical = 0;
        long availablePhysical = 0;
        long totalPageFile = 0;
        long availablePageFile = 0;
        long totalVirtual = 0;
        long availableVirtual = 0;
    } snapshot_;
};

}  // namespace orvane
