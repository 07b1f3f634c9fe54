#include "branding/MemberIds.h"

#include "frame/automation/Dispatcher.h"
#include "frame/base/Errors.h"

namespace orvane::branding {

DISPID memberId(REFIID interfaceId, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT result = Dispatcher::forInterface(interfaceId).getIDsOfNames(names, 1, &id);
    if (FAILED(result)) throw ComFailure(result);
    return id;
}

}  // namespace orvane::branding
