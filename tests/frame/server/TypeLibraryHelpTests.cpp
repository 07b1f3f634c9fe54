// What an object browser and the generated reference show of the type library:
// a help string on everything, and a reference page per class and enumeration
// that lists exactly the members of the library.
#include <windows.h>
#include <oleauto.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/automation/Dispatcher.h"
#include "frame/base/Handles.h"

namespace orvane {
namespace {

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) out += static_cast<char>(*text);
    return out;
}

struct Doc {
    std::string name, help;
};

Doc document(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr, help = nullptr;
    info->GetDocumentation(id, &name, &help, nullptr, nullptr);
    Doc doc{narrow(name), narrow(help)};
    ::SysFreeString(name);
    ::SysFreeString(help);
    return doc;
}

struct TypeInfoAttributes {
    explicit TypeInfoAttributes(ITypeInfo* info) : info(info) { info->GetTypeAttr(&attributes); }
    ~TypeInfoAttributes() { info->ReleaseTypeAttr(attributes); }
    ITypeInfo* info;
    TYPEATTR* attributes = nullptr;
};

// The members a class publishes: name, dispatch identifier and accessor kind, in slot order.
using Member = std::tuple<std::string, long, std::string>;

const char* kindName(INVOKEKIND kind) {
    switch (kind) {
    case INVOKE_PROPERTYGET: return "property get";
    case INVOKE_PROPERTYPUT: return "property let";
    case INVOKE_PROPERTYPUTREF: return "property set";
    default: return "method";
    }
}

ComPtr<ITypeInfo> vtableInterface(ITypeInfo* coclass) {
    TypeInfoAttributes attributes(coclass);
    for (UINT i = 0; i < attributes.attributes->cImplTypes; ++i) {
        INT flags = 0;
        HREFTYPE reference;
        coclass->GetImplTypeFlags(i, &flags);
        if ((flags & IMPLTYPEFLAG_FSOURCE) || !(flags & IMPLTYPEFLAG_FDEFAULT)) continue;
        ComPtr<ITypeInfo> dispatch, vtable;
        coclass->GetRefTypeOfImplType(i, &reference);
        coclass->GetRefTypeInfo(reference, dispatch.put());
        if (SUCCEEDED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference)) &&
            SUCCEEDED(dispatch->GetRefTypeInfo(reference, vtable.put()))) {
            return vtable;
        }
        return dispatch;
    }
    return {};
}

// Inherited members first: an interface that extends another of the library keeps
// the other's members in their slots.
std::vector<Member> members(ITypeInfo* info) {
    std::vector<Member> out;
    TypeInfoAttributes attributes(info);
    HREFTYPE baseReference;
    ComPtr<ITypeInfo> base;
    if (attributes.attributes->cImplTypes > 0 && SUCCEEDED(info->GetRefTypeOfImplType(0, &baseReference)) &&
        SUCCEEDED(info->GetRefTypeInfo(baseReference, base.put()))) {
        TypeInfoAttributes baseAttributes(base.get());
        if (baseAttributes.attributes->guid != IID_IDispatch) out = members(base.get());
    }
    for (UINT f = 0; f < attributes.attributes->cFuncs; ++f) {
        FUNCDESC* function = nullptr;
        info->GetFuncDesc(f, &function);
        out.emplace_back(document(info, function->memid).name, function->memid, kindName(function->invkind));
        info->ReleaseFuncDesc(function);
    }
    return out;
}

std::vector<std::pair<UINT, TYPEKIND>> typeInfos() {
    std::vector<std::pair<UINT, TYPEKIND>> out;
    ITypeLib* library = typeLibrary();
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        TYPEKIND kind;
        library->GetTypeInfoType(i, &kind);
        out.emplace_back(i, kind);
    }
    return out;
}

TEST(TypeLibraryHelp, LibraryKeepsItsCataloguedHelpString) {
    BSTR help = nullptr;
    ASSERT_EQ(S_OK, typeLibrary()->GetDocumentation(-1, nullptr, &help, nullptr, nullptr));
    EXPECT_EQ("Tarvello Orvane Suite Version 1.22 ActiveX Component", narrow(help));
    ::SysFreeString(help);
}

TEST(TypeLibraryHelp, EveryTypeMemberAndEnumerationConstantHasOne) {
    int checked = 0;
    for (auto [index, kind] : typeInfos()) {
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(S_OK, typeLibrary()->GetTypeInfo(index, info.put()));
        Doc type = document(info.get(), MEMBERID_NIL);
        EXPECT_FALSE(type.help.empty()) << type.name;
        TypeInfoAttributes attributes(info.get());
        for (UINT f = 0; f < attributes.attributes->cFuncs; ++f) {
            FUNCDESC* function = nullptr;
            ASSERT_EQ(S_OK, info->GetFuncDesc(f, &function));
            if (function->wFuncFlags & FUNCFLAG_FRESTRICTED) {  // IUnknown and IDispatch, inherited by duals
                info->ReleaseFuncDesc(function);
                continue;
            }
            Doc member = document(info.get(), function->memid);
            EXPECT_FALSE(member.help.empty()) << type.name << "." << member.name;
            // One line, and errors written so the reference can list them.
            EXPECT_EQ(std::string::npos, member.help.find('\n')) << type.name << "." << member.name;
            if (size_t at = member.help.find("Errors:"); at != std::string::npos) {
                EXPECT_TRUE(std::regex_search(member.help.substr(at), std::regex("^Errors: [0-9]+")))
                    << type.name << "." << member.name;
            }
            info->ReleaseFuncDesc(function);
            ++checked;
        }
        for (UINT v = 0; v < attributes.attributes->cVars; ++v) {
            VARDESC* variable = nullptr;
            ASSERT_EQ(S_OK, info->GetVarDesc(v, &variable));
            Doc member = document(info.get(), variable->memid);
            EXPECT_FALSE(member.help.empty()) << type.name << "." << member.name;
            info->ReleaseVarDesc(variable);
            ++checked;
        }
    }
    EXPECT_GT(checked, 400);
}

// The reference pages are written by the build into the folder ORVANE_DOC names.
class Reference : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH] = {};
        if (!::GetEnvironmentVariableA("ORVANE_DOC", folder, MAX_PATH)) GTEST_SKIP() << "ORVANE_DOC not set";
        folder_ = folder;
    }

    std::string read(const std::string& file) {
        std::ifstream in(folder_ + "\\" + file, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    static std::vector<std::smatch> all(const std::string& text, const std::regex& pattern) {
        std::vector<std::smatch> out;
        for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) out.push_back(*it);
        return out;
    }

    std::string folder_;
};

TEST_F(Reference, IndexListsEveryClassAndEnumerationAndNothingElse) {
    std::set<std::string> classes, enumerations, pages{"index.html"};
    for (auto [index, kind] : typeInfos()) {
        ComPtr<ITypeInfo> info;
        typeLibrary()->GetTypeInfo(index, info.put());
        std::string name = document(info.get(), MEMBERID_NIL).name;
        if (kind == TKIND_COCLASS) classes.insert(name);
        if (kind == TKIND_ENUM) enumerations.insert(name);
        if (kind == TKIND_COCLASS || kind == TKIND_ENUM) pages.insert(name + ".html");
    }
    ASSERT_EQ(28u, classes.size());
    ASSERT_EQ(16u, enumerations.size());

    std::string index = read("index.html");
    std::set<std::string> listedClasses, listedEnumerations;
    for (auto& m : all(index, std::regex("class=\"class\" href=\"(\\w+)\\.html\""))) listedClasses.insert(m[1]);
    for (auto& m : all(index, std::regex("class=\"enumeration\" href=\"(\\w+)\\.html\""))) listedEnumerations.insert(m[1]);
    EXPECT_EQ(classes, listedClasses);
    EXPECT_EQ(enumerations, listedEnumerations);

    std::set<std::string> written;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder_ + "\\*.html").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    do written.insert(found.cFileName); while (::FindNextFileA(search, &found));
    ::FindClose(search);
    EXPECT_EQ(pages, written);
}

TEST_F(Reference, EachClassPageListsExactlyTheMembersOfItsInterface) {
    for (auto [index, kind] : typeInfos()) {
        if (kind != TKIND_COCLASS) continue;
        ComPtr<ITypeInfo> coclass;
        typeLibrary()->GetTypeInfo(index, coclass.put());
        std::string name = document(coclass.get(), MEMBERID_NIL).name;
        std::string page = read(name + ".html");
        ASSERT_FALSE(page.empty()) << name;
        std::vector<Member> listed;
        for (auto& m : all(page, std::regex("<tr class=\"member\" data-name=\"(\\w+)\" data-dispid=\"([-0-9xA-F]+)\" data-kind=\"([a-z ]+)\">"))) {
            listed.emplace_back(m[1], std::stol(m[2], nullptr, 0), m[3]);
        }
        EXPECT_EQ(members(vtableInterface(coclass.get()).get()), listed) << name;
    }
}

TEST_F(Reference, MembersShowParametersResultsAndErrors) {
    std::string numbers = read("OVNumbers.html");
    EXPECT_NE(std::string::npos, numbers.find("TVOrvaneSuite.OVNumbers"));
    EXPECT_NE(std::string::npos, numbers.find("ByRef <code>NumDigits</code> As Integer, Optional ByRef <code>BaseX</code> As "
                                              "<a href=\"OVNumbersConstants.html\">OVNumbersConstants</a> = 2"));
    std::string stack = read("OVStack.html");
    EXPECT_TRUE(std::regex_search(stack, std::regex("data-name=\"Pop\".*<td>Variant</td><td>Removes and returns the top value\\.</td><td>9 empty stack</td>")));
    std::string math = read("OVMath.html");
    EXPECT_NE(std::string::npos, math.find("Optional ByVal <code>Amount</code> As Variant = 1"));
    EXPECT_NE(std::string::npos, math.find("ByVal <code>Value</code> As Double"));  // ACos takes its argument by value
    std::string folders = read("OVFolderSelect.html");
    EXPECT_NE(std::string::npos, folders.find("= &quot;Please choose a folder.&quot;"));
    EXPECT_NE(std::string::npos, folders.find("<a href=\"OVFolderSelectValues.html\">OVFolderSelectValues</a>"));
    std::string types = read("OVRegistryDataTypeConstants.html");
    EXPECT_NE(std::string::npos, types.find("<td><code>ovDWord</code></td><td>4</td><td>32-bit number (REG_DWORD).</td>"));
}

}  // namespace
}  // namespace orvane
