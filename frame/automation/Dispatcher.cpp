#include "frame/automation/Dispatcher.h"

#include <cstring>
#include <cwchar>
#include <map>
#include <memory>
#include <mutex>
#include <new>

#include "frame/base/Errors.h"
#include "frame/automation/Runtime.h"

namespace orvane {

HMODULE moduleHandle() {
    static HMODULE module = [] {
        HMODULE found = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(&moduleHandle), &found);
        return found;
    }();
    return module;
}

ITypeLib* typeLibrary() {
    static ITypeLib* library = [] {
        wchar_t path[MAX_PATH * 2] = {};
        ::GetModuleFileNameW(moduleHandle(), path, MAX_PATH * 2);
        ITypeLib* loaded = nullptr;
        ::LoadTypeLibEx(path, REGKIND_NONE, &loaded);
        return loaded;  // kept for the life of the process
    }();
    return library;
}

namespace {

constexpr size_t maximumParameters = 16;

std::wstring upperName(const wchar_t* name) {
    std::wstring result = name ? name : L"";
    if (!result.empty()) ::CharUpperBuffW(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

struct TypeAttributes {
    TypeAttributes(ITypeInfo* info) : info(info) {
        if (FAILED(info->GetTypeAttr(&attributes))) throw ComFailure(E_FAIL);
    }
    ~TypeAttributes() { info->ReleaseTypeAttr(attributes); }
    ITypeInfo* info;
    TYPEATTR* attributes = nullptr;
};

// A pointer to an interface is an object reference passed by value, unlike a pointer
// to any other type (an enumeration included), which is a ByRef parameter.
bool isInterfaceType(ITypeInfo* info, HREFTYPE reference) {
    ComPtr<ITypeInfo> referenced;
    if (FAILED(info->GetRefTypeInfo(reference, referenced.put()))) return false;
    TypeAttributes attributes(referenced.get());
    TYPEKIND kind = attributes.attributes->typekind;
    if (kind == TKIND_ALIAS) {
        // stdole's IPictureDisp and Font are aliases of their dispinterfaces.
        const TYPEDESC& alias = attributes.attributes->tdescAlias;
        if (alias.vt == VT_USERDEFINED) return isInterfaceType(referenced.get(), alias.hreftype);
        return alias.vt == VT_DISPATCH || alias.vt == VT_UNKNOWN;
    }
    return kind == TKIND_DISPATCH || kind == TKIND_INTERFACE || kind == TKIND_COCLASS;
}

bool isInterfacePointer(ITypeInfo* info, const TYPEDESC& type) {
    if (type.vt != VT_PTR || type.lptdesc->vt != VT_USERDEFINED) return false;
    return isInterfaceType(info, type.lptdesc->hreftype);
}

// The value part of a declared type: enumerations are Longs, aliases are followed,
// interface pointers become object references.
VARTYPE valueType(ITypeInfo* info, const TYPEDESC& type, IID* objectInterface) {
    if (type.vt == VT_USERDEFINED || isInterfacePointer(info, type)) {
        HREFTYPE reference = type.vt == VT_PTR ? type.lptdesc->hreftype : type.hreftype;
        ComPtr<ITypeInfo> referenced;
        if (FAILED(info->GetRefTypeInfo(reference, referenced.put()))) throw ComFailure(E_FAIL);
        TypeAttributes attributes(referenced.get());
        switch (attributes.attributes->typekind) {
        case TKIND_ENUM: return VT_I4;
        case TKIND_ALIAS: return valueType(referenced.get(), attributes.attributes->tdescAlias, objectInterface);
        case TKIND_DISPATCH:
            *objectInterface = attributes.attributes->guid;
            return VT_DISPATCH;
        case TKIND_INTERFACE:
            *objectInterface = attributes.attributes->guid;
            return (attributes.attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE)) ? VT_DISPATCH : VT_UNKNOWN;
        default: return VT_VARIANT;
        }
    }
    if (type.vt == VT_INT) return VT_I4;
    if (type.vt == VT_UINT) return VT_UI4;
    return type.vt;
}


// Same subtype and same value; texts compared by content.
bool sameValue(const VARIANT& after, const VARIANT& before) {
    if (V_VT(&after) != V_VT(&before)) return false;
    if (V_VT(&after) == VT_BSTR) {
        UINT length = ::SysStringLen(V_BSTR(&after));
        return length == ::SysStringLen(V_BSTR(&before)) &&
               (length == 0 || std::wmemcmp(V_BSTR(&after), V_BSTR(&before), length) == 0);
    }
    return V_UI8(&after) == V_UI8(&before);
}

// The working variants of one call. Only the slots the member uses are set up, and
// only those that hold something are cleared: a call without parameters pays for none
// of the slots it could have had (this is most of the cost of a trivial call).
class VariantSlots {
public:
    explicit VariantSlots(size_t used) noexcept : used_(used) {
        // Zeroed whole: an omitted parameter takes its type's zero value from here.
        for (size_t n = 0; n < used_; ++n) values_[n] = VARIANT{};
    }
    ~VariantSlots() {
        for (size_t n = 0; n < used_; ++n) {
            if (V_VT(&values_[n]) != VT_EMPTY) ::VariantClear(&values_[n]);
        }
    }
    VariantSlots(const VariantSlots&) = delete;
    VariantSlots& operator=(const VariantSlots&) = delete;
    VARIANT* operator[](size_t n) noexcept { return &values_[n]; }

private:
    VARIANT values_[maximumParameters + 1];
    size_t used_;
};

USHORT conversionFlags(VARTYPE type) { return type == VT_BSTR ? VARIANT_ALPHABOOL : 0; }

// Stores a value into the variable a by-reference argument points to.
void storeByReference(VARIANT* target, VARIANT& value) {
    VARTYPE type = V_VT(target) & ~VT_BYREF;
    if (!V_BYREF(target)) return;
    Variant converted;
    if (FAILED(runtime::changeType(converted.get(), &value, runtime::userLocale, conversionFlags(type), type))) return;
    VARIANT* held = converted.get();
    switch (type) {
    case VT_I2: *V_I2REF(target) = V_I2(held); break;
    case VT_I4: *V_I4REF(target) = V_I4(held); break;
    case VT_R4: *V_R4REF(target) = V_R4(held); break;
    case VT_R8: *V_R8REF(target) = V_R8(held); break;
    case VT_CY: *V_CYREF(target) = V_CY(held); break;
    case VT_DATE: *V_DATEREF(target) = V_DATE(held); break;
    case VT_BOOL: *V_BOOLREF(target) = V_BOOL(held); break;
    case VT_UI1: *V_UI1REF(target) = V_UI1(held); break;
    case VT_I1: *V_I1REF(target) = V_I1(held); break;
    case VT_UI2: *V_UI2REF(target) = V_UI2(held); break;
    case VT_UI4: *V_UI4REF(target) = V_UI4(held); break;
    case VT_ERROR: *V_ERRORREF(target) = V_ERROR(held); break;
    case VT_BSTR:
        ::SysFreeString(*V_BSTRREF(target));
        *V_BSTRREF(target) = std::exchange(V_BSTR(held), nullptr);
        break;
    case VT_DISPATCH:
        if (*V_DISPATCHREF(target)) (*V_DISPATCHREF(target))->Release();
        *V_DISPATCHREF(target) = std::exchange(V_DISPATCH(held), nullptr);
        break;
    case VT_UNKNOWN:
        if (*V_UNKNOWNREF(target)) (*V_UNKNOWNREF(target))->Release();
        *V_UNKNOWNREF(target) = std::exchange(V_UNKNOWN(held), nullptr);
        break;
    default: break;
    }
}

}  // namespace

Dispatcher& Dispatcher::forInterface(REFIID interfaceId) {
    // One dispatcher per interface, made at the first request and kept for the life of
    // the process. Callers ask on every property assignment (to learn a member's
    // identifier), so a request must never build a second one.
    // The table is never destroyed: its type information must not be released while
    // the process unloads its libraries.
    struct GuidOrder {
        bool operator()(const GUID& left, const GUID& right) const noexcept {
            return std::memcmp(&left, &right, sizeof(GUID)) < 0;
        }
    };
    static std::mutex guard;
    static auto* dispatchers = new std::map<GUID, std::unique_ptr<Dispatcher>, GuidOrder>();
    std::lock_guard<std::mutex> lock(guard);
    std::unique_ptr<Dispatcher>& held = (*dispatchers)[interfaceId];
    if (!held) held.reset(new Dispatcher(interfaceId));
    return *held;
}

Dispatcher::Parameter Dispatcher::describe(ITypeInfo* info, const TYPEDESC& type, const PARAMDESC* description) const {
    Parameter parameter;
    const TYPEDESC* value = &type;
    if (type.vt == VT_PTR && !isInterfacePointer(info, type)) {
        parameter.byReference = true;
        value = type.lptdesc;
    }
    parameter.type = valueType(info, *value, &parameter.objectInterface);
    if (description) {
        parameter.optional = (description->wParamFlags & PARAMFLAG_FOPT) != 0;
        if ((description->wParamFlags & PARAMFLAG_FHASDEFAULT) && description->pparamdescex) {
            parameter.hasDefault = true;
            ::VariantCopy(parameter.defaultValue.get(), &description->pparamdescex->varDefaultValue);
        }
    }
    return parameter;
}

Dispatcher::Dispatcher(REFIID interfaceId) {
    ITypeLib* library = typeLibrary();
    if (!library) throw ComFailure(TYPE_E_CANTLOADLIBRARY);
    ComPtr<ITypeInfo> info;
    if (FAILED(library->GetTypeInfoOfGuid(interfaceId, info.put()))) throw ComFailure(TYPE_E_ELEMENTNOTFOUND);
    TYPEKIND kind;
    {
        TypeAttributes attributes(info.get());
        kind = attributes.attributes->typekind;
    }
    if (kind == TKIND_DISPATCH) {
        dispatchInfo_ = info;
        HREFTYPE vtableReference = 0;
        if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableReference)) ||
            FAILED(info->GetRefTypeInfo(vtableReference, vtableInfo_.put()))) {
            throw ComFailure(TYPE_E_ELEMENTNOTFOUND);
        }
    } else {
        vtableInfo_ = info;
        dispatchInfo_ = info;
    }

    addMembers(vtableInfo_.get());
}

void Dispatcher::addMembers(ITypeInfo* interfaceInfo) {
    // An interface that extends another dual interface of the library lists only its
    // own functions: the inherited ones come from the base, whose vtable offsets hold
    // in the derived interface too. The walk ends at IDispatch.
    TypeAttributes attributes(interfaceInfo);
    if (attributes.attributes->cImplTypes > 0) {
        HREFTYPE baseReference = 0;
        ComPtr<ITypeInfo> base;
        if (SUCCEEDED(interfaceInfo->GetRefTypeOfImplType(0, &baseReference)) &&
            SUCCEEDED(interfaceInfo->GetRefTypeInfo(baseReference, base.put()))) {
            TypeAttributes baseAttributes(base.get());
            const GUID& baseId = baseAttributes.attributes->guid;
            if (baseId != IID_IDispatch && baseId != IID_IUnknown) addMembers(base.get());
        }
    }
    for (UINT index = 0; index < attributes.attributes->cFuncs; ++index) {
        FUNCDESC* function = nullptr;
        if (FAILED(interfaceInfo->GetFuncDesc(index, &function))) continue;
        Member member;
        member.id = function->memid;
        member.kind = function->invkind;
        member.vtableOffset = function->oVft;
        BSTR names[maximumParameters + 2] = {};
        UINT nameCount = 0;
        interfaceInfo->GetNames(function->memid, names, maximumParameters + 2, &nameCount);
        // Accessors other than the getter have no name for their last (value) parameter.
        for (SHORT p = 0; p < function->cParams; ++p) {
            const ELEMDESC& element = function->lprgelemdescParam[p];
            Parameter parameter = describe(interfaceInfo, element.tdesc, &element.paramdesc);
            if (static_cast<UINT>(p + 1) < nameCount && names[p + 1]) parameter.name = upperName(names[p + 1]);
            if (element.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) {
                member.hasResult = true;
                member.result = std::move(parameter);
            } else {
                member.parameters.push_back(std::move(parameter));
            }
        }
        if (nameCount > 0 && names[0]) idsByName_.emplace(upperName(names[0]), function->memid);
        for (UINT n = 0; n < nameCount; ++n) ::SysFreeString(names[n]);
        interfaceInfo->ReleaseFuncDesc(function);
        if (member.parameters.size() <= maximumParameters) members_.push_back(std::move(member));
    }
}

HRESULT Dispatcher::getIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
    if (!names || !ids) return E_INVALIDARG;
    if (count == 0) return S_OK;
    for (UINT n = 0; n < count; ++n) ids[n] = DISPID_UNKNOWN;
    auto found = idsByName_.find(upperName(names[0]));
    if (found == idsByName_.end()) return DISP_E_UNKNOWNNAME;
    ids[0] = found->second;
    HRESULT result = S_OK;
    const Member* member = nullptr;
    for (const Member& candidate : members_) {
        if (candidate.id == ids[0] && (!member || candidate.kind == INVOKE_FUNC || candidate.kind == INVOKE_PROPERTYGET)) {
            member = &candidate;
        }
    }
    for (UINT n = 1; n < count; ++n) {
        std::wstring wanted = upperName(names[n]);
        if (member) {
            for (size_t p = 0; p < member->parameters.size(); ++p) {
                if (member->parameters[p].name == wanted) ids[n] = static_cast<DISPID>(p);
            }
        }
        if (ids[n] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

const Dispatcher::Member* Dispatcher::find(DISPID id, WORD flags, bool valueIsObject) const {
    auto lookup = [&](INVOKEKIND kind) -> const Member* {
        for (const Member& member : members_) {
            if (member.id == id && member.kind == kind) return &member;
        }
        return nullptr;
    };
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        const Member* byValue = (flags & DISPATCH_PROPERTYPUT) ? lookup(INVOKE_PROPERTYPUT) : nullptr;
        const Member* byReference = lookup(INVOKE_PROPERTYPUTREF);
        if ((flags & DISPATCH_PROPERTYPUTREF) && byReference) return byReference;
        if (byValue) return byValue;
        // An object assigned without Set goes to the reference setter when there is only that.
        if ((flags & DISPATCH_PROPERTYPUT) && valueIsObject) return byReference;
        return nullptr;
    }
    if (flags & DISPATCH_METHOD) {
        if (const Member* method = lookup(INVOKE_FUNC)) return method;
        // JScript calls everything as a method: Count(), Item(1) and the enumerator
        // that new Enumerator(c) asks for. Such a call reads the property, as
        // automation objects commonly allow.
        return lookup(INVOKE_PROPERTYGET);
    }
    if (flags & DISPATCH_PROPERTYGET) return lookup(INVOKE_PROPERTYGET);
    return nullptr;
}

HRESULT Dispatcher::invoke(void* self, DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* exception, UINT* argumentError) const {
    if (!params) return E_INVALIDARG;
    if ((params->cArgs && !params->rgvarg) || params->cNamedArgs > params->cArgs ||
        (params->cNamedArgs && !params->rgdispidNamedArgs)) {
        return E_INVALIDARG;
    }
    if (result) ::VariantInit(result);
    UINT scratchError = 0;
    if (!argumentError) argumentError = &scratchError;

    const bool isPut = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    // The value of an assignment is the argument named DISPID_PROPERTYPUT, or else the last one.
    int valueArgument = -1;
    if (isPut) {
        for (UINT j = 0; j < params->cNamedArgs; ++j) {
            if (params->rgdispidNamedArgs[j] == DISPID_PROPERTYPUT) valueArgument = static_cast<int>(j);
        }
        if (valueArgument < 0 && params->cNamedArgs == 0 && params->cArgs > 0) valueArgument = 0;
        if (valueArgument < 0) return DISP_E_PARAMNOTOPTIONAL;
    }
    bool valueIsObject = false;
    if (valueArgument >= 0) {
        VARTYPE type = V_VT(&runtime::dereference(params->rgvarg[valueArgument])) & ~VT_BYREF;
        valueIsObject = type == VT_DISPATCH || type == VT_UNKNOWN;
    }
    const Member* member = find(id, flags, valueIsObject);
    if (!member) return DISP_E_MEMBERNOTFOUND;

    const size_t count = member->parameters.size();
    if (isPut && count == 0) return DISP_E_BADPARAMCOUNT;
    VARIANT* given[maximumParameters] = {};
    UINT givenIndex[maximumParameters] = {};
    const size_t indexLimit = isPut ? count - 1 : count;

    UINT positional = params->cArgs - params->cNamedArgs;
    if (isPut && params->cNamedArgs == 0) positional -= 1;  // the last argument is the value
    if (positional > indexLimit) return DISP_E_BADPARAMCOUNT;
    for (UINT i = 0; i < positional; ++i) {
        UINT at = params->cArgs - 1 - i;
        given[i] = &params->rgvarg[at];
        givenIndex[i] = at;
    }
    if (isPut) {
        given[count - 1] = &params->rgvarg[valueArgument];
        givenIndex[count - 1] = static_cast<UINT>(valueArgument);
    }
    for (UINT j = 0; j < params->cNamedArgs; ++j) {
        DISPID named = params->rgdispidNamedArgs[j];
        if (isPut && named == DISPID_PROPERTYPUT) continue;
        if (named < 0 || static_cast<size_t>(named) >= indexLimit || given[named]) {
            *argumentError = j;
            return DISP_E_PARAMNOTFOUND;
        }
        given[named] = &params->rgvarg[j];
        givenIndex[named] = j;
    }

    VariantSlots locals(count + 1);
    VARIANTARG arguments[maximumParameters + 1];
    VARIANTARG* argumentPointers[maximumParameters + 1];
    VARTYPE argumentTypes[maximumParameters + 1];
    VARIANT* writeBack[maximumParameters] = {};
    // What each by-reference local held before the call: a variable is written back only
    // when the member changed it, so an untouched Integer stays an Integer.
    VariantSlots before(count);

    for (size_t i = 0; i < count; ++i) {
        const Parameter& parameter = member->parameters[i];
        VARIANT* local = locals[i];
        VARIANT* passed = given[i];
        bool omitted = !passed || runtime::isMissing(*passed);
        bool direct = false;
        if (omitted) {
            if (!parameter.optional && !parameter.hasDefault) {
                *argumentError = passed ? givenIndex[i] : 0;
                return DISP_E_PARAMNOTOPTIONAL;
            }
            if (parameter.hasDefault && parameter.type != VT_VARIANT) {
                if (FAILED(runtime::changeType(local, const_cast<VARIANT*>(parameter.defaultValue.get()), runtime::userLocale, 0, parameter.type))) {
                    return DISP_E_TYPEMISMATCH;
                }
            } else if (parameter.hasDefault) {
                ::VariantCopy(local, const_cast<VARIANT*>(parameter.defaultValue.get()));
            } else if (parameter.type == VT_VARIANT) {
                V_VT(local) = VT_ERROR;
                V_ERROR(local) = DISP_E_PARAMNOTFOUND;
            } else {
                V_VT(local) = parameter.type;  // the type's zero value: 0, False, the empty text, Nothing
            }
        } else {
            VARIANT& held = runtime::dereference(*passed);
            if (parameter.type == VT_VARIANT) {
                if (parameter.byReference && V_VT(passed) == (VT_BYREF | VT_VARIANT)) {
                    direct = true;  // the member works on the caller's own variable
                    V_VT(&arguments[i]) = VT_BYREF | VT_VARIANT;
                    V_VARIANTREF(&arguments[i]) = &held;
                } else if (FAILED(::VariantCopyInd(local, &held))) {
                    *argumentError = givenIndex[i];
                    return DISP_E_TYPEMISMATCH;
                }
            } else if (parameter.type == VT_DISPATCH || parameter.type == VT_UNKNOWN) {
                Variant copy;
                VARTYPE heldType = V_VT(&held) & ~VT_BYREF;
                if ((heldType != VT_DISPATCH && heldType != VT_UNKNOWN) || FAILED(::VariantCopyInd(copy.get(), &held))) {
                    *argumentError = givenIndex[i];
                    return DISP_E_TYPEMISMATCH;
                }
                IUnknown* object = V_UNKNOWN(copy.get());
                V_VT(local) = parameter.type;
                V_UNKNOWN(local) = nullptr;
                if (object) {
                    const IID& wanted = parameter.objectInterface != GUID_NULL ? parameter.objectInterface
                                        : parameter.type == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
                    if (FAILED(object->QueryInterface(wanted, reinterpret_cast<void**>(&V_UNKNOWN(local))))) {
                        V_UNKNOWN(local) = nullptr;
                        *argumentError = givenIndex[i];
                        return DISP_E_TYPEMISMATCH;
                    }
                }
            } else {
                Variant copy;
                HRESULT converted = ::VariantCopyInd(copy.get(), &held);
                if (SUCCEEDED(converted)) {
                    converted = runtime::changeType(local, copy.get(), runtime::userLocale,
                                                      conversionFlags(parameter.type), parameter.type);
                }
                if (FAILED(converted)) {
                    *argumentError = givenIndex[i];
                    return converted == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
                }
            }
            if (parameter.byReference && !direct && V_ISBYREF(passed)) {
                writeBack[i] = passed;
                // A real copy: a text the member frees may come back at the same address.
                if (FAILED(::VariantCopy(before[i], local))) return E_OUTOFMEMORY;
            }
        }
        if (!direct) {
            if (parameter.byReference) {
                V_VT(&arguments[i]) = VT_BYREF | parameter.type;
                V_BYREF(&arguments[i]) = parameter.type == VT_VARIANT ? static_cast<void*>(local)
                                                                      : static_cast<void*>(&V_UI1(local));
            } else {
                arguments[i] = *local;  // a shallow copy: the local keeps ownership
            }
        }
    }

    size_t total = count;
    VARIANT* resultLocal = locals[count];
    if (member->hasResult) {
        V_VT(resultLocal) = member->result.type == VT_VARIANT ? VARTYPE(VT_EMPTY) : member->result.type;
        V_VT(&arguments[count]) = VT_BYREF | member->result.type;
        V_BYREF(&arguments[count]) = member->result.type == VT_VARIANT ? static_cast<void*>(resultLocal)
                                                                       : static_cast<void*>(&V_UI1(resultLocal));
        ++total;
    }
    for (size_t i = 0; i < total; ++i) {
        argumentPointers[i] = &arguments[i];
        argumentTypes[i] = V_VT(&arguments[i]);
        // A Variant passed by value travels as the variant itself, whatever it holds.
        if (i < count && !member->parameters[i].byReference && member->parameters[i].type == VT_VARIANT) {
            argumentTypes[i] = VT_VARIANT;
        }
    }

    VARIANT returned;
    ::VariantInit(&returned);
    HRESULT called = ::DispCallFunc(self, member->vtableOffset, CC_STDCALL, VT_ERROR, static_cast<UINT>(total),
                                    argumentTypes, argumentPointers, &returned);
    if (FAILED(called)) return called;
    HRESULT outcome = V_ERROR(&returned);

    // ByRef arguments keep what the member assigned, also when it failed afterwards.
    for (size_t i = 0; i < count; ++i) {
        VARIANT* target = writeBack[i];
        if (!target) continue;
        if (sameValue(*locals[i], *before[i])) continue;
        if (V_VT(target) == (VT_BYREF | VT_VARIANT)) {
            VARIANT& variable = runtime::dereference(*target);
            ::VariantClear(&variable);
            variable = *locals[i];
            ::VariantInit(locals[i]);
        } else {
            storeByReference(target, *locals[i]);
        }
    }

    if (FAILED(outcome)) return dispatchFailure(outcome, exception);
    if (result && member->hasResult) {
        *result = *locals[count];
        V_VT(locals[count]) = VT_EMPTY;
    }
    return S_OK;
}

}  // namespace orvane
