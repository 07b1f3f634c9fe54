#include "branding/MessageAdapter.h"

#include <utility>

#include "frame/forms/Program.h"

namespace orvane::branding {

namespace {
MessageScope::Handler& replacement() {
    static MessageScope::Handler handler;
    return handler;
}
}  // namespace

void showMessage(const std::wstring& text, const std::wstring& title) {
    if (replacement()) return replacement()(text, title);
    forms::msgBox(text, MB_OK, title);
}

MessageScope::MessageScope(Handler handler) : previous_(std::exchange(replacement(), std::move(handler))) {}

MessageScope::~MessageScope() { replacement() = std::move(previous_); }

}  // namespace orvane::branding
