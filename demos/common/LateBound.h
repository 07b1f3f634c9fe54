// Late-bound calls on a control by dispatch identifier, the way the demonstration
// programs make them: arguments as Variant values in declaration order, the result a
// Variant, a failed call raised as the runtime error it carries.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane::demo {

class LateBound {
public:
    LateBound() = default;
    explicit LateBound(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    IDispatch* get() const noexcept { return object_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(object_); }

    // A method call (or a property read with arguments).
    Variant call(DISPID member, std::vector<Variant> arguments = {}) const;
    Variant get(DISPID member) const;
    void put(DISPID member, const Variant& value) const;

private:
    Variant invoke(DISPID member, WORD flags, std::vector<Variant>& arguments) const;
    ComPtr<IDispatch> object_;
};

// The object a Variant holds; error 91 when it holds none.
LateBound objectIn(const Variant& value);

// Variant builders for the arguments.
Variant integerValue(short value);
Variant longValue(long value);
Variant doubleValue(double value);
Variant textValue(const std::wstring& text);

}  // namespace orvane::demo
