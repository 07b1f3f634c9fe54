// A message box with only an OK button, owned by no window; tests may take its place.
#pragma once

#include <functional>
#include <string>

namespace orvane::branding {

void showMessage(const std::wstring& text, const std::wstring& title);

// Replaces the message box until the scope ends (tests only).
class [[nodiscard]] MessageScope {
public:
    using Handler = std::function<void(const std::wstring& text, const std::wstring& title)>;
    explicit MessageScope(Handler handler);
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
    ~MessageScope();

private:
    Handler previous_;
};

}  // namespace orvane::branding
