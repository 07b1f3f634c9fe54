// Lifetime counters of the library.
#include <windows.h>

#include "frame/base/Module.h"

namespace orvane::module {
namespace {
LONG objects = 0;
LONG locks = 0;
}  // namespace
void objectCreated() noexcept { ::InterlockedIncrement(&objects); }
void objectDestroyed() noexcept { ::InterlockedDecrement(&objects); }
void lock() noexcept { ::InterlockedIncrement(&locks); }
void unlock() noexcept { ::InterlockedDecrement(&locks); }
long liveObjects() noexcept { return objects; }
bool canUnload() noexcept { return objects == 0 && locks == 0; }
}  // namespace orvane::module

