// Lifetime of the library: live objects and factory locks decide DllCanUnloadNow.
#pragma once

namespace orvane::module {
void objectCreated() noexcept;
void objectDestroyed() noexcept;
void lock() noexcept;
void unlock() noexcept;
long liveObjects() noexcept;
bool canUnload() noexcept;
}  // namespace orvane::module
