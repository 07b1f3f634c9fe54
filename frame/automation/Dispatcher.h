// Late binding for every class of the library, driven by the embedded type library:
// names map to dispatch identifiers without regard to case, arguments are converted
// to the declared parameter types, ByRef arguments are written back into the caller's
// variables (also when a script passes VT_BYREF|VT_VARIANT), omitted optional
// parameters take their defaults, and the call goes through the dual vtable.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

// The library's own type library, loaded once from the module's resources.
ITypeLib* typeLibrary();
HMODULE moduleHandle();

class Dispatcher {
public:
    // The dispatcher of a dual interface of the type library (created once, kept).
    static Dispatcher& forInterface(REFIID interfaceId);

    ITypeInfo* dispatchTypeInfo() const noexcept { return dispatchInfo_.get(); }
    HRESULT getIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;
    HRESULT invoke(void* self, DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) const;

    struct Parameter {
        VARTYPE type = VT_EMPTY;  // the value type (enums as VT_I4, objects as VT_DISPATCH/VT_UNKNOWN)
        bool byReference = false;
        bool optional = false;
        bool hasDefault = false;
        IID objectInterface = GUID_NULL;  // for object parameters of a known interface
        Variant defaultValue;
        std::wstring name;
    };
    struct Member {
        DISPID id = 0;
        INVOKEKIND kind = INVOKE_FUNC;
        SHORT vtableOffset = 0;
        std::vector<Parameter> parameters;  // without the result
        bool hasResult = false;
        Parameter result;
    };

private:
    explicit Dispatcher(REFIID interfaceId);
    const Member* find(DISPID member, WORD flags, bool valueIsObject) const;
    Parameter describe(ITypeInfo* info, const TYPEDESC& type, const PARAMDESC* description) const;
    void addMembers(ITypeInfo* interfaceInfo);

    ComPtr<ITypeInfo> dispatchInfo_;
    ComPtr<ITypeInfo> vtableInfo_;
    std::vector<Member> members_;
    std::unordered_map<std::wstring, DISPID> idsByName_;  // upper-case names
};

}  // namespace orvane
