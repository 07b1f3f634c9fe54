#include "shell/OVHyperLink.h"

#include <string>

#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane {

namespace {

// The shell opens the text with its default verb and returns without waiting for the
// program it starts; what it answers is not looked at (the last error is recorded).
void openWithShell(const std::string& file) {
    platform::shell32::ShellExecuteA(nullptr, nullptr, file.c_str(), nullptr, "C:\\", SW_SHOWNORMAL);
}

}  // namespace

STDMETHODIMP OVHyperLink::GoUrl(BSTR* http, VARIANT* result) {
    return call([&] {
        required(result);
        openWithShell(runtime::toAnsi(*required(http)));
        runtime::roundTripAnsi(http);
        ::VariantInit(result);
    });
}

STDMETHODIMP OVHyperLink::SendMail(BSTR* Mailto, VARIANT* result) {
    return call([&] {
        required(result);
        // The prefix goes in front of whatever the caller gave, even a text that has it.
        openWithShell("mailto:" + runtime::toAnsi(*required(Mailto)));
        ::VariantInit(result);
    });
}

}  // namespace orvane
