// Scoped owners for device contexts: a window's common context, an object selected into
// a context, and a saved context state. Each gives back what it took when it ends.
#pragma once

#include "frame/base/Handles.h"

namespace orvane::forms {

struct WindowDcHandle {
    HWND window = nullptr;
    HDC dc = nullptr;
    bool operator==(const WindowDcHandle&) const = default;
};

namespace traits {
struct WindowDc {
    using Handle = WindowDcHandle;
    static Handle invalid() { return {}; }
    static void close(Handle handle) { ::ReleaseDC(handle.window, handle.dc); }
};
}  // namespace traits

using UniqueWindowDc = UniqueHandle<traits::WindowDc>;

inline UniqueWindowDc windowDc(HWND window) { return UniqueWindowDc(WindowDcHandle{window, ::GetDC(window)}); }

// An object selected into a context until the scope ends.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~Selection() { ::SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The context's state (origin, clipping, selections) as it was, once the scope ends.
class SavedDc {
public:
    explicit SavedDc(HDC dc) noexcept : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDc() { ::RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace orvane::forms
