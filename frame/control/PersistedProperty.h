// The saved properties of a control as one table: InitNew, property-bag and stream
// persistence all read it, and the values travel as one Variant per row.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <span>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

enum class PersistedType {
    Text,     // VT_BSTR
    Number,   // 32-bit signed, VT_I4 (colours and style constants included)
    Picture,  // VT_DISPATCH holding an IPictureDisp, or a null VT_DISPATCH for Nothing
};

// One saved property: its name (as the host calls it), dispatch identifier, type,
// the default a missing store key reads as, and the store key.
struct PersistedProperty {
    const wchar_t* name;
    DISPID dispid;
    PersistedType type;
    const wchar_t* defaultText;  // Text rows
    long defaultNumber;          // Number rows; a picture's default is always Nothing
    const wchar_t* key;          // the property name unless the store uses another

    static constexpr PersistedProperty text(const wchar_t* name, DISPID dispid, const wchar_t* defaultText,
                                            const wchar_t* key = nullptr) {
        return {name, dispid, PersistedType::Text, defaultText, 0, key ? key : name};
    }
    static constexpr PersistedProperty number(const wchar_t* name, DISPID dispid, long defaultNumber,
                                              const wchar_t* key = nullptr) {
        return {name, dispid, PersistedType::Number, nullptr, defaultNumber, key ? key : name};
    }
    static constexpr PersistedProperty picture(const wchar_t* name, DISPID dispid, const wchar_t* key = nullptr) {
        return {name, dispid, PersistedType::Picture, nullptr, 0, key ? key : name};
    }
};

using PersistedTable = std::span<const PersistedProperty>;
// One value per row of a table, in the table's order.
using PersistedValues = std::vector<Variant>;

// The value a missing key reads as (a copy the caller owns).
Variant defaultValue(const PersistedProperty& row);
// A value of the row's shape made from what a store handed back; throws ComFailure
// (DISP_E_TYPEMISMATCH and the like) when it cannot be taken as that type.
Variant coerceValue(const PersistedProperty& row, const VARIANT& stored);
// An empty picture: an object that holds no image (not Nothing).
ComPtr<IPictureDisp> emptyPicture();

// Property bags (text stores such as a form file). Reading fills `values` completely or
// fails leaving it untouched; a missing key reads as the row's default.
HRESULT readPropertyBag(PersistedTable table, IPropertyBag* bag, IErrorLog* log, PersistedValues& values) noexcept;
HRESULT writePropertyBag(PersistedTable table, const PersistedValues& values, IPropertyBag* bag) noexcept;

// Binary stores. The layout: a header (mark, version, row count, body length) and one
// record per row (dispatch identifier, type, length, bytes); pictures are their OLE
// picture's persisted form. A table without rows reads and writes nothing.
HRESULT readStream(PersistedTable table, IStream* stream, PersistedValues& values) noexcept;
HRESULT writeStream(PersistedTable table, const PersistedValues& values, IStream* stream) noexcept;
// A stream that holds nothing but one control's properties (a compound document's
// stream): what writeStream wrote, which for a table without rows is nothing. Anything
// else there is read and checked as readStream does, whatever the table.
HRESULT readWholeStream(PersistedTable table, IStream* stream, PersistedValues& values) noexcept;
// The number of bytes writeStream would write.
HRESULT streamSize(PersistedTable table, const PersistedValues& values, ULARGE_INTEGER* size) noexcept;

}  // namespace orvane
