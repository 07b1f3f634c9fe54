// Writes the HTML reference of the library from its type library, as an object
// browser sees it: one page per class and per enumeration, and an index.
//   ReferenceGenerator <library.dll or .tlb> <output folder>
// The errors of a member come from its help string: the text after "Errors:".
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

template <typename T>
struct Released {
    T* pointer = nullptr;
    ~Released() { if (pointer) pointer->Release(); }
    T* operator->() const { return pointer; }
    T** put() { return &pointer; }
};

struct Text {
    BSTR value = nullptr;
    ~Text() { ::SysFreeString(value); }
    BSTR* put() { return &value; }
};

std::string utf8(const wchar_t* text) {
    if (!text || !*text) return {};
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

std::string html(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string hex(long value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, value < 0 ? "%ld" : "0x%08lX", value);
    return buffer;
}

std::string guidText(const GUID& guid) {
    wchar_t buffer[40];
    ::StringFromGUID2(guid, buffer, 40);
    return utf8(buffer);
}

struct Documentation {
    std::string name, help;
};

Documentation document(ITypeInfo* info, MEMBERID id) {
    Text name, help;
    info->GetDocumentation(id, name.put(), help.put(), nullptr, nullptr);
    return {utf8(name.value), utf8(help.value)};
}

// "What it does. Errors: 9 empty stack." -> description and errors.
std::pair<std::string, std::string> splitHelp(const std::string& help) {
    size_t at = help.find("Errors:");
    if (at == std::string::npos) return {help, ""};
    std::string errors = help.substr(at + 7);
    while (!errors.empty() && errors.front() == ' ') errors.erase(0, 1);
    if (!errors.empty() && errors.back() == '.') errors.pop_back();
    std::string description = help.substr(0, at);
    while (!description.empty() && description.back() == ' ') description.pop_back();
    return {description, errors};
}

std::string pageOf(const std::string& typeName) {
    return typeName + ".html";
}

class Generator {
public:
    Generator(ITypeLib* library, std::string folder) : library_(library), folder_(std::move(folder)) {}

    int run() {
        UINT count = library_->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            TYPEKIND kind;
            library_->GetTypeInfoType(i, &kind);
            Text name;
            library_->GetDocumentation(static_cast<INT>(i), name.put(), nullptr, nullptr, nullptr);
            if (kind == TKIND_COCLASS) classes_.push_back(i);
            if (kind == TKIND_ENUM) enumerations_.push_back(i);
            names_[utf8(name.value)] = kind;
        }
        for (UINT index : classes_) if (!writeClass(index)) return 1;
        for (UINT index : enumerations_) if (!writeEnumeration(index)) return 1;
        return writeIndex() ? 0 : 1;
    }

private:
    // The type as a script or Visual Basic programmer writes it, linked to its page.
    std::string typeName(ITypeInfo* info, const TYPEDESC& type, bool link = true) {
        switch (type.vt) {
        case VT_PTR: return typeName(info, *type.lptdesc, link);
        case VT_I2: return "Integer";
        case VT_I4: case VT_INT: return "Long";
        case VT_R4: return "Single";
        case VT_R8: return "Double";
        case VT_CY: return "Currency";
        case VT_DATE: return "Date";
        case VT_BSTR: return "String";
        case VT_DISPATCH: return "Object";
        case VT_BOOL: return "Boolean";
        case VT_VARIANT: return "Variant";
        case VT_UNKNOWN: return "IUnknown";
        case VT_UI1: return "Byte";
        case VT_VOID: return "";
        case VT_HRESULT: return "";
        case VT_USERDEFINED: {
            Released<ITypeInfo> referenced;
            if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.put()))) return "?";
            std::string name = document(referenced.pointer, MEMBERID_NIL).name;
            // A default interface stands for its class.
            std::string shown = name.size() > 1 && name[0] == '_' && names_.count(name.substr(1)) &&
                                names_[name.substr(1)] == TKIND_COCLASS ? name.substr(1) : name;
            if (link && names_.count(shown) && (names_[shown] == TKIND_COCLASS || names_[shown] == TKIND_ENUM)) {
                return "<a href=\"" + pageOf(shown) + "\">" + html(shown) + "</a>";
            }
            return html(shown);
        }
        default: return "VT " + std::to_string(type.vt);
        }
    }

    static std::string defaultText(const VARIANT& value) {
        VARIANT text;
        ::VariantInit(&text);
        std::string out = "?";
        if (SUCCEEDED(::VariantChangeType(&text, const_cast<VARIANT*>(&value), VARIANT_ALPHABOOL, VT_BSTR))) {
            out = utf8(V_BSTR(&text));
            if (V_VT(&value) == VT_BSTR) out = "\"" + out + "\"";
        }
        ::VariantClear(&text);
        return out;
    }

    static const char* kindName(INVOKEKIND kind) {
        switch (kind) {
        case INVOKE_PROPERTYGET: return "property get";
        case INVOKE_PROPERTYPUT: return "property let";
        case INVOKE_PROPERTYPUTREF: return "property set";
        default: return "method";
        }
    }

    std::string memberRows(ITypeInfo* info) {
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        std::ostringstream rows;
        // An interface that extends another of the library: the inherited members first.
        HREFTYPE baseReference;
        Released<ITypeInfo> base;
        if (attributes->cImplTypes > 0 && SUCCEEDED(info->GetRefTypeOfImplType(0, &baseReference)) &&
            SUCCEEDED(info->GetRefTypeInfo(baseReference, base.put()))) {
            TYPEATTR* baseAttributes = nullptr;
            base->GetTypeAttr(&baseAttributes);
            const bool ours = baseAttributes->guid != IID_IDispatch && baseAttributes->guid != IID_IUnknown;
            base->ReleaseTypeAttr(baseAttributes);
            if (ours) rows << memberRows(base.pointer);
        }
        for (UINT f = 0; f < attributes->cFuncs; ++f) {
            FUNCDESC* function = nullptr;
            if (FAILED(info->GetFuncDesc(f, &function))) continue;
            BSTR names[32] = {};
            UINT nameCount = 0;
            info->GetNames(function->memid, names, 32, &nameCount);
            Documentation doc = document(info, function->memid);
            auto [description, errors] = splitHelp(doc.help);
            std::string parameters, result;
            for (SHORT p = 0; p < function->cParams; ++p) {
                const ELEMDESC& element = function->lprgelemdescParam[p];
                USHORT flags = element.paramdesc.wParamFlags;
                if (flags & PARAMFLAG_FRETVAL) {
                    result = typeName(info, element.tdesc);
                    continue;
                }
                std::string name = static_cast<UINT>(p + 1) < nameCount && names[p + 1] ? utf8(names[p + 1]) : "value";
                // The names of a member are those of its first function, the getter: the
                // value a let or set assigns is named here.
                const bool assigned = function->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF);
                if (assigned && p == function->cParams - 1) name = "value";
                std::string one;
                if (flags & PARAMFLAG_FOPT) one += "Optional ";
                one += (element.tdesc.vt == VT_PTR && (flags & PARAMFLAG_FOUT)) ? "ByRef " : "ByVal ";
                one += "<code>" + html(name) + "</code> As " + typeName(info, element.tdesc);
                if ((flags & PARAMFLAG_FHASDEFAULT) && element.paramdesc.pparamdescex) {
                    one += " = " + html(defaultText(element.paramdesc.pparamdescex->varDefaultValue));
                }
                if (!parameters.empty()) parameters += ", ";
                parameters += one;
            }
            for (UINT n = 0; n < nameCount; ++n) ::SysFreeString(names[n]);
            rows << "<tr class=\"member\" data-name=\"" << html(doc.name) << "\" data-dispid=\"" << hex(function->memid)
                 << "\" data-kind=\"" << kindName(function->invkind) << "\">"
                 << "<td><code>" << html(doc.name) << "</code></td><td>" << kindName(function->invkind) << "</td><td>"
                 << hex(function->memid) << "</td><td>" << (parameters.empty() ? "none" : parameters) << "</td><td>"
                 << (result.empty() ? "none" : result) << "</td><td>" << html(description) << "</td><td>"
                 << (errors.empty() ? "none" : html(errors)) << "</td></tr>\n";
            info->ReleaseFuncDesc(function);
        }
        info->ReleaseTypeAttr(attributes);
        return rows.str();
    }

    static std::string page(const std::string& title, const std::string& body) {
        return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + html(title) +
               " - TVOrvaneSuite reference</title>\n<style>body{font-family:sans-serif;margin:2em;max-width:80em}"
               "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.3em .5em;vertical-align:top;text-align:left}"
               "th{background:#eee}code{font-size:95%}</style></head>\n<body>\n<p><a href=\"index.html\">Index</a></p>\n" +
               body + "</body></html>\n";
    }

    bool save(const std::string& file, const std::string& content) {
        std::ofstream out(folder_ + "\\" + file, std::ios::binary);
        out << content;
        if (!out) std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return static_cast<bool>(out);
    }

    bool writeClass(UINT index) {
        Released<ITypeInfo> info;
        library_->GetTypeInfo(index, info.put());
        Documentation doc = document(info.pointer, MEMBERID_NIL);
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        WORD flags = attributes->wTypeFlags;
        std::string classId = guidText(attributes->guid);
        WORD implemented = attributes->cImplTypes;
        info->ReleaseTypeAttr(attributes);

        std::ostringstream body;
        body << "<h1>" << html(doc.name) << "</h1>\n<p>" << html(doc.help) << "</p>\n<table>\n";
        const char* kind = (flags & TYPEFLAG_FCONTROL) ? "control (placed on a form; also creatable by programmatic identifier)"
                           : (flags & TYPEFLAG_FAPPOBJECT) ? "global class (creatable, predeclared application object)"
                                                           : "design-time property page";
        body << "<tr><th>Kind</th><td>" << kind << "</td></tr>\n";
        if (flags & (TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE)) {
            body << "<tr><th>Programmatic identifier</th><td><code>TVOrvaneSuite." << html(doc.name) << "</code></td></tr>\n";
        }
        body << "<tr><th>Class identifier</th><td><code>" << classId << "</code></td></tr>\n";

        Released<ITypeInfo> defaultInterface;
        for (UINT i = 0; i < implemented; ++i) {
            HREFTYPE reference;
            INT implFlags = 0;
            info->GetImplTypeFlags(i, &implFlags);
            info->GetRefTypeOfImplType(i, &reference);
            Released<ITypeInfo> interfaceInfo;
            info->GetRefTypeInfo(reference, interfaceInfo.put());
            Documentation interfaceDoc = document(interfaceInfo.pointer, MEMBERID_NIL);
            TYPEATTR* interfaceAttributes = nullptr;
            interfaceInfo->GetTypeAttr(&interfaceAttributes);
            std::string interfaceId = guidText(interfaceAttributes->guid);
            interfaceInfo->ReleaseTypeAttr(interfaceAttributes);
            bool events = (implFlags & IMPLTYPEFLAG_FSOURCE) != 0;
            bool isDefault = (implFlags & IMPLTYPEFLAG_FDEFAULT) != 0;
            // A class that grew a new default interface still answers its earlier one.
            body << "<tr><th>" << (events ? "Events interface" : isDefault ? "Default interface" : "Earlier interface")
                 << "</th><td><code>" << html(interfaceDoc.name) << "</code> <code>" << interfaceId << "</code>"
                 << (events ? " (raises no events)" : "") << "</td></tr>\n";
            if (!events && isDefault) {
                // The dual interface's vtable half lists the members in slot order.
                HREFTYPE vtable;
                if (SUCCEEDED(interfaceInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable)) &&
                    SUCCEEDED(interfaceInfo->GetRefTypeInfo(vtable, defaultInterface.put()))) {
                } else {
                    defaultInterface.pointer = interfaceInfo.pointer;
                    interfaceInfo.pointer = nullptr;
                }
            }
        }
        body << "</table>\n<h2>Members</h2>\n";
        std::string rows = defaultInterface.pointer ? memberRows(defaultInterface.pointer) : "";
        if (rows.empty()) {
            body << "<p>No members of its own.</p>\n";
        } else {
            body << "<table class=\"members\">\n<tr><th>Member</th><th>Kind</th><th>Dispatch identifier</th>"
                    "<th>Parameters</th><th>Result</th><th>Description</th><th>Errors</th></tr>\n"
                 << rows << "</table>\n"
                 << "<p>ByRef parameters passed as variables receive what the member assigns to them; "
                    "an error reaches the caller as the error number with its description and no result.</p>\n";
        }
        return save(pageOf(doc.name), page(doc.name, body.str()));
    }

    bool writeEnumeration(UINT index) {
        Released<ITypeInfo> info;
        library_->GetTypeInfo(index, info.put());
        Documentation doc = document(info.pointer, MEMBERID_NIL);
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        std::ostringstream body;
        body << "<h1>" << html(doc.name) << "</h1>\n<p>" << html(doc.help) << "</p>\n<p>Identifier <code>"
             << guidText(attributes->guid) << "</code>; every member is a 32-bit signed integer.</p>\n"
             << "<table class=\"constants\">\n<tr><th>Member</th><th>Value</th><th>Description</th></tr>\n";
        for (UINT v = 0; v < attributes->cVars; ++v) {
            VARDESC* variable = nullptr;
            if (FAILED(info->GetVarDesc(v, &variable))) continue;
            Documentation member = document(info.pointer, variable->memid);
            body << "<tr class=\"constant\" data-name=\"" << html(member.name) << "\"><td><code>" << html(member.name)
                 << "</code></td><td>" << html(defaultText(*variable->lpvarValue)) << "</td><td>" << html(member.help)
                 << "</td></tr>\n";
            info->ReleaseVarDesc(variable);
        }
        info->ReleaseTypeAttr(attributes);
        body << "</table>\n";
        return save(pageOf(doc.name), page(doc.name, body.str()));
    }

    bool writeIndex() {
        Text name, help;
        library_->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr);
        TLIBATTR* attributes = nullptr;
        library_->GetLibAttr(&attributes);
        std::ostringstream body;
        body << "<h1>" << html(utf8(name.value)) << " reference</h1>\n<p>" << html(utf8(help.value))
             << "</p>\n<p>Type library <code>" << guidText(attributes->guid) << "</code> version "
             << attributes->wMajorVerNum << "." << attributes->wMinorVerNum
             << ". Create an object by its programmatic identifier (<code>CreateObject(\"TVOrvaneSuite.OVNumbers\")</code>) "
                "or, from C++, with the class identifiers of <code>OrvaneSuite_i.c</code> and the interfaces of "
                "<code>OrvaneSuite_h.h</code>.</p>\n<h2>Classes</h2>\n<table class=\"classes\">\n";
        library_->ReleaseTLibAttr(attributes);
        for (UINT index : classes_) {
            Released<ITypeInfo> info;
            library_->GetTypeInfo(index, info.put());
            Documentation doc = document(info.pointer, MEMBERID_NIL);
            body << "<tr><td><a class=\"class\" href=\"" << pageOf(doc.name) << "\">" << html(doc.name) << "</a></td><td>"
                 << html(doc.help) << "</td></tr>\n";
        }
        body << "</table>\n<h2>Enumerations</h2>\n<table class=\"enumerations\">\n";
        for (UINT index : enumerations_) {
            Released<ITypeInfo> info;
            library_->GetTypeInfo(index, info.put());
            Documentation doc = document(info.pointer, MEMBERID_NIL);
            body << "<tr><td><a class=\"enumeration\" href=\"" << pageOf(doc.name) << "\">" << html(doc.name)
                 << "</a></td><td>" << html(doc.help) << "</td></tr>\n";
        }
        body << "</table>\n";
        return save("index.html", page(utf8(name.value), body.str()));
    }

    ITypeLib* library_;
    std::string folder_;
    std::vector<UINT> classes_, enumerations_;
    std::map<std::string, TYPEKIND> names_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ReferenceGenerator <library> <folder>\n");
        return 2;
    }
    ::CoInitialize(nullptr);
    int status = 1;
    {
        Released<ITypeLib> library;
        HRESULT loaded = ::LoadTypeLibEx(argv[1], REGKIND_NONE, library.put());
        if (FAILED(loaded)) {
            std::fprintf(stderr, "cannot load the type library: 0x%08lX\n", static_cast<unsigned long>(loaded));
        } else {
            ::CreateDirectoryW(argv[2], nullptr);
            status = Generator(library.pointer, utf8(argv[2])).run();
        }
    }
    ::CoUninitialize();
    return status;
}
