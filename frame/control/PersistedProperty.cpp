#include "frame/control/PersistedProperty.h"

#include <olectl.h>

#include <cstring>
#include <limits>

#include "frame/base/Errors.h"

namespace orvane {

namespace {

// Layout of the binary form, all numbers little-endian:
//   header: mark "OVCP", version (16 bits), row count (16 bits), body length (32 bits)
//   record: dispatch identifier (32), type (8), length (32), bytes
// A text record holds UTF-16 code units; a number record 4 bytes; a picture record the
// picture's OleSaveToStream form (its class identifier, then its data), or nothing for
// Nothing. Records of unknown identifiers are skipped, missing ones read as defaults.
constexpr BYTE mark[4] = {'O', 'V', 'C', 'P'};
constexpr WORD layoutVersion = 1;
constexpr size_t headerSize = 12;
constexpr size_t recordHeaderSize = 9;
// No property of ours comes near this; a larger length is a damaged or hostile stream.
constexpr ULONG maximumBody = 64u * 1024u * 1024u;

void append(std::vector<BYTE>& out, const void* data, size_t size) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    out.insert(out.end(), bytes, bytes + size);
}
template <class T>
void appendNumber(std::vector<BYTE>& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<BYTE>(static_cast<unsigned long long>(value) >> (8 * i)));
}
template <class T>
T readNumber(const BYTE* data) {
    unsigned long long value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) value |= static_cast<unsigned long long>(data[i]) << (8 * i);
    return static_cast<T>(value);
}

ComPtr<IStream> memoryStream() {
    ComPtr<IStream> stream;
    check(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    return stream;
}

std::vector<BYTE> streamBytes(IStream* stream) {
    STATSTG status{};
    check(stream->Stat(&status, STATFLAG_NONAME));
    if (status.cbSize.QuadPart > maximumBody) throw ComFailure(E_OUTOFMEMORY);
    std::vector<BYTE> bytes(static_cast<size_t>(status.cbSize.QuadPart));
    LARGE_INTEGER start{};
    check(stream->Seek(start, STREAM_SEEK_SET, nullptr));
    ULONG read = 0;
    if (!bytes.empty()) check(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read));
    if (read != bytes.size()) throw ComFailure(STG_E_READFAULT);
    return bytes;
}

std::vector<BYTE> pictureBytes(IUnknown* picture) {
    if (!picture) return {};
    ComPtr<IPersistStream> persist;
    check(picture->QueryInterface(IID_IPersistStream, persist.putVoid()));
    ComPtr<IStream> stream = memoryStream();
    check(::OleSaveToStream(persist.get(), stream.get()));
    return streamBytes(stream.get());
}

Variant pictureFromBytes(const BYTE* data, size_t size) {
    Variant value;
    V_VT(value.get()) = VT_DISPATCH;
    V_DISPATCH(value.get()) = nullptr;
    if (size == 0) return value;
    // Only the platform's picture object is made from stored bytes: the class
    // identifier in front decides which class OleLoadFromStream would create.
    if (size < sizeof(CLSID) || std::memcmp(data, &CLSID_StdPicture, sizeof(CLSID)) != 0) {
        throw ComFailure(DISP_E_TYPEMISMATCH);
    }
    ComPtr<IStream> stream = memoryStream();
    check(stream->Write(data, static_cast<ULONG>(size), nullptr));
    LARGE_INTEGER start{};
    check(stream->Seek(start, STREAM_SEEK_SET, nullptr));
    ComPtr<IPictureDisp> picture;
    HRESULT loaded = ::OleLoadFromStream(stream.get(), IID_IPictureDisp, picture.putVoid());
    if (FAILED(loaded)) throw ComFailure(loaded == E_NOINTERFACE ? DISP_E_TYPEMISMATCH : loaded);
    V_DISPATCH(value.get()) = picture.detach();
    return value;
}

const PersistedProperty* rowOf(PersistedTable table, DISPID dispid) {
    for (const PersistedProperty& row : table) {
        if (row.dispid == dispid) return &row;
    }
    return nullptr;
}

std::vector<BYTE> encode(PersistedTable table, const PersistedValues& values) {
    if (values.size() != table.size()) throw ComFailure(E_UNEXPECTED);
    std::vector<BYTE> body;
    for (size_t index = 0; index < table.size(); ++index) {
        const PersistedProperty& row = table[index];
        const VARIANT& value = *values[index].get();
        appendNumber<LONG>(body, row.dispid);
        body.push_back(static_cast<BYTE>(row.type));
        switch (row.type) {
        case PersistedType::Text: {
            UINT length = V_VT(&value) == VT_BSTR ? ::SysStringLen(V_BSTR(&value)) : 0;
            appendNumber<ULONG>(body, length * sizeof(wchar_t));
            if (length) append(body, V_BSTR(&value), length * sizeof(wchar_t));
            break;
        }
        case PersistedType::Number:
            appendNumber<ULONG>(body, 4);
            appendNumber<LONG>(body, V_VT(&value) == VT_I4 ? V_I4(&value) : 0);
            break;
        case PersistedType::Picture: {
            IUnknown* object = V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN ? V_UNKNOWN(&value) : nullptr;
            std::vector<BYTE> bytes = pictureBytes(object);
            appendNumber<ULONG>(body, static_cast<ULONG>(bytes.size()));
            append(body, bytes.data(), bytes.size());
            break;
        }
        }
    }
    if (body.size() > maximumBody) throw ComFailure(E_OUTOFMEMORY);
    std::vector<BYTE> out;
    append(out, mark, sizeof(mark));
    appendNumber<WORD>(out, layoutVersion);
    appendNumber<WORD>(out, static_cast<WORD>(table.size()));
    appendNumber<ULONG>(out, static_cast<ULONG>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

void readExactly(IStream* stream, void* into, ULONG size) {
    ULONG read = 0;
    HRESULT result = stream->Read(into, size, &read);
    check(result);
    if (read != size) throw ComFailure(STG_E_READFAULT);
}

}  // namespace

Variant defaultValue(const PersistedProperty& row) {
    Variant value;
    switch (row.type) {
    case PersistedType::Text:
        V_VT(value.get()) = VT_BSTR;
        V_BSTR(value.get()) = Bstr(row.defaultText ? row.defaultText : L"").detach();
        break;
    case PersistedType::Number:
        V_VT(value.get()) = VT_I4;
        V_I4(value.get()) = row.defaultNumber;
        break;
    case PersistedType::Picture:
        V_VT(value.get()) = VT_DISPATCH;
        V_DISPATCH(value.get()) = nullptr;
        break;
    }
    return value;
}

Variant coerceValue(const PersistedProperty& row, const VARIANT& stored) {
    Variant value;
    const VARIANT* source = &stored;
    if (V_VT(source) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(source)) source = V_VARIANTREF(source);
    switch (row.type) {
    case PersistedType::Text:
    case PersistedType::Number: {
        VARTYPE wanted = row.type == PersistedType::Text ? VT_BSTR : VT_I4;
        VARTYPE type = V_VT(source) & ~VT_BYREF;
        // Objects, arrays, errors and Null are never a text or a number here.
        if ((V_VT(source) & VT_ARRAY) || type == VT_DISPATCH || type == VT_UNKNOWN || type == VT_ERROR ||
            type == VT_NULL || type == VT_EMPTY || type == VT_VARIANT) {
            throw ComFailure(DISP_E_TYPEMISMATCH);
        }
        HRESULT converted = ::VariantChangeTypeEx(value.get(), const_cast<VARIANT*>(source), LOCALE_INVARIANT, 0, wanted);
        if (FAILED(converted)) throw ComFailure(converted);
        break;
    }
    case PersistedType::Picture: {
        V_VT(value.get()) = VT_DISPATCH;
        V_DISPATCH(value.get()) = nullptr;
        if (V_VT(source) == VT_EMPTY || V_VT(source) == VT_NULL) break;
        if (V_VT(source) != VT_DISPATCH && V_VT(source) != VT_UNKNOWN) throw ComFailure(DISP_E_TYPEMISMATCH);
        if (!V_UNKNOWN(source)) break;
        ComPtr<IPictureDisp> picture;
        if (FAILED(V_UNKNOWN(source)->QueryInterface(IID_IPictureDisp, picture.putVoid()))) {
            throw ComFailure(DISP_E_TYPEMISMATCH);
        }
        V_DISPATCH(value.get()) = picture.detach();
        break;
    }
    }
    return value;
}

ComPtr<IPictureDisp> emptyPicture() {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_NONE;
    ComPtr<IPictureDisp> picture;
    check(::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid()));
    return picture;
}

HRESULT readPropertyBag(PersistedTable table, IPropertyBag* bag, IErrorLog* log, PersistedValues& values) noexcept {
    if (table.empty()) return S_OK;
    if (!bag) return E_POINTER;
    try {
        PersistedValues read;
        read.reserve(table.size());
        for (const PersistedProperty& row : table) {
            Variant stored;
            // The type we want, as a hint to the bag.
            V_VT(stored.get()) = row.type == PersistedType::Text     ? VT_BSTR
                                 : row.type == PersistedType::Number ? VT_I4
                                                                     : VT_DISPATCH;
            V_UNKNOWN(stored.get()) = nullptr;
            HRESULT result = bag->Read(row.key, stored.get(), log);
            if (result == E_INVALIDARG) {
                // The key is not in the store.
                read.push_back(defaultValue(row));
                continue;
            }
            if (FAILED(result)) {
                // A failing bag may have left anything in the VARIANT: it is not ours to clear.
                ::VariantInit(stored.get());
                return result;
            }
            // A value already of the row's type is taken as it is, without a copy.
            VARTYPE wanted = row.type == PersistedType::Text ? VT_BSTR : row.type == PersistedType::Number ? VT_I4 : VT_EMPTY;
            if (V_VT(stored.get()) == wanted) {
                read.push_back(std::move(stored));
            } else {
                read.push_back(coerceValue(row, *stored.get()));
            }
        }
        values.swap(read);
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

HRESULT writePropertyBag(PersistedTable table, const PersistedValues& values, IPropertyBag* bag) noexcept {
    if (table.empty()) return S_OK;
    if (!bag) return E_POINTER;
    if (values.size() != table.size()) return E_UNEXPECTED;
    try {
        for (size_t index = 0; index < table.size(); ++index) {
            // Nothing goes to the store as an empty value, which reads back as Nothing.
            VARIANT* value = const_cast<VARIANT*>(values[index].get());
            VARIANT nothing;
            ::VariantInit(&nothing);
            if (table[index].type == PersistedType::Picture &&
                ((V_VT(value) != VT_DISPATCH && V_VT(value) != VT_UNKNOWN) || !V_UNKNOWN(value))) {
                value = &nothing;
            }
            HRESULT result = bag->Write(table[index].key, value);
            if (FAILED(result)) return result;
        }
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

namespace {

// The reading itself, for any table: the header is required even when no row is known.
HRESULT parseStream(PersistedTable table, IStream* stream, PersistedValues& values) noexcept {
    try {
        BYTE header[headerSize];
        readExactly(stream, header, headerSize);
        if (std::memcmp(header, mark, sizeof(mark)) != 0) return E_FAIL;
        // A later version may add records; it keeps the meaning of the ones it shares.
        if (readNumber<WORD>(header + 4) == 0) return E_FAIL;
        ULONG bodyLength = readNumber<ULONG>(header + 8);
        if (bodyLength > maximumBody) return E_FAIL;
        std::vector<BYTE> body(bodyLength);
        if (bodyLength) readExactly(stream, body.data(), bodyLength);

        PersistedValues read;
        read.reserve(table.size());
        for (const PersistedProperty& row : table) read.push_back(defaultValue(row));
        size_t position = 0;
        while (position < body.size()) {
            if (body.size() - position < recordHeaderSize) return E_FAIL;
            DISPID dispid = readNumber<LONG>(&body[position]);
            BYTE type = body[position + 4];
            ULONG length = readNumber<ULONG>(&body[position + 5]);
            position += recordHeaderSize;
            if (length > body.size() - position) return E_FAIL;
            const BYTE* data = body.data() + position;
            position += length;
            const PersistedProperty* row = rowOf(table, dispid);
            if (!row) continue;
            if (type != static_cast<BYTE>(row->type)) return DISP_E_TYPEMISMATCH;
            Variant& target = read[static_cast<size_t>(row - table.data())];
            switch (row->type) {
            case PersistedType::Text: {
                if (length % sizeof(wchar_t)) return E_FAIL;
                Variant text;
                V_VT(text.get()) = VT_BSTR;
                std::wstring characters(length / sizeof(wchar_t), L'\0');
                if (length) std::memcpy(characters.data(), data, length);
                V_BSTR(text.get()) = Bstr(characters.data(), static_cast<UINT>(characters.size())).detach();
                target = std::move(text);
                break;
            }
            case PersistedType::Number:
                if (length != 4) return E_FAIL;
                ::VariantClear(target.get());
                V_VT(target.get()) = VT_I4;
                V_I4(target.get()) = readNumber<LONG>(data);
                break;
            case PersistedType::Picture:
                target = pictureFromBytes(data, length);
                break;
            }
        }
        values.swap(read);
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

}  // namespace

HRESULT readStream(PersistedTable table, IStream* stream, PersistedValues& values) noexcept {
    if (table.empty()) return S_OK;
    if (!stream) return E_POINTER;
    return parseStream(table, stream, values);
}

HRESULT readWholeStream(PersistedTable table, IStream* stream, PersistedValues& values) noexcept {
    if (!stream) return E_POINTER;
    STATSTG status{};
    HRESULT result = stream->Stat(&status, STATFLAG_NONAME);
    if (FAILED(result)) return result;
    if (table.empty() && status.cbSize.QuadPart == 0) {
        values.clear();
        return S_OK;
    }
    return parseStream(table, stream, values);
}

HRESULT writeStream(PersistedTable table, const PersistedValues& values, IStream* stream) noexcept {
    if (table.empty()) return S_OK;
    if (!stream) return E_POINTER;
    try {
        std::vector<BYTE> bytes = encode(table, values);
        ULONG written = 0;
        HRESULT result = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
        if (FAILED(result)) return result;
        return written == bytes.size() ? S_OK : STG_E_MEDIUMFULL;
    } catch (...) {
        return caughtResult();
    }
}

HRESULT streamSize(PersistedTable table, const PersistedValues& values, ULARGE_INTEGER* size) noexcept {
    if (!size) return E_POINTER;
    size->QuadPart = 0;
    if (table.empty()) return S_OK;
    try {
        size->QuadPart = encode(table, values).size();
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

}  // namespace orvane
