// Late binding through the type library: names, dispatch identifiers, argument
// conversion, ByRef write-back, optional parameters, errors and type information.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "frame/base/Module.h"
#include "frame/collections/OVRegistryKey.h"
#include "frame/collections/OVRegistryKeys.h"
#include "numbers/OVNumbers.h"
#include "registry/OVRegistry.h"

namespace orvane {
namespace {

using namespace test;

constexpr DISPID idBinToDec = 0x60030002, idDecToHex = 0x60030008, idRandom = 0x6003000C;

class Dispatch : public ::testing::Test {
protected:
    ComPtr<OVNumbers> numbers = OVNumbers::create();
    IDispatch* object() { return numbers.get(); }
};

TEST_F(Dispatch, NamesMapWithoutRegardToCase) {
    for (const wchar_t* spelling : {L"BinToDec", L"bintodec", L"BINTODEC"}) {
        DISPID id = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(spelling)};
        EXPECT_EQ(S_OK, object()->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
        EXPECT_EQ(idBinToDec, id);
    }
    LPOLESTR withParameter[] = {const_cast<LPOLESTR>(L"GenerateRandomID"), const_cast<LPOLESTR>(L"basex"),
                                const_cast<LPOLESTR>(L"nosuch")};
    DISPID ids[3];
    EXPECT_EQ(DISP_E_UNKNOWNNAME, object()->GetIDsOfNames(IID_NULL, withParameter, 3, 0, ids));
    EXPECT_EQ(idRandom, ids[0]);
    EXPECT_EQ(1, ids[1]);
    EXPECT_EQ(DISPID_UNKNOWN, ids[2]);
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Frobnicate")};
    EXPECT_EQ(DISP_E_UNKNOWNNAME, object()->GetIDsOfNames(IID_NULL, unknown, 1, 0, ids));
    EXPECT_EQ(DISPID_UNKNOWN, ids[0]);
    EXPECT_EQ(E_INVALIDARG, object()->GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids));
}

TEST_F(Dispatch, UnknownIdentifiersAndBadCalls) {
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(object(), 0x6003000D).result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, invokeMethod(object(), 12345).result);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, propertyPut(object(), idBinToDec, vLong(1)).result);
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, invokeMethod(object(), idBinToDec, {vLong(1), vLong(2)}).result);
    EXPECT_EQ(DISP_E_PARAMNOTOPTIONAL, invokeMethod(object(), idBinToDec, {}).result);
    EXPECT_EQ(DISP_E_PARAMNOTOPTIONAL, invokeMethod(object(), idBinToDec, {vMissing()}).result);
    EXPECT_EQ(E_INVALIDARG, object()->Invoke(idBinToDec, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));
    DISPPARAMS none{};
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, object()->Invoke(idBinToDec, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr,
                                                        nullptr, nullptr));
}

TEST_F(Dispatch, ArgumentsAreConvertedToTheDeclaredType) {
    Call fromNumber = invokeMethod(object(), idBinToDec, {vDouble(110)});
    ASSERT_EQ(S_OK, fromNumber.result);
    EXPECT_EQ(6, V_I2(fromNumber.value.get()));
    Call mismatch = invokeMethod(object(), idBinToDec, {vObject(object())});
    EXPECT_EQ(DISP_E_TYPEMISMATCH, mismatch.result);
    EXPECT_EQ(0u, mismatch.argumentError);
    EXPECT_EQ(DISP_E_TYPEMISMATCH, invokeMethod(object(), idBinToDec, {vNull()}).result);
    Bstr notANumber(L"many");
    Call badCount = invokeMethod(object(), idRandom, {vText(notANumber)});
    EXPECT_EQ(DISP_E_TYPEMISMATCH, badCount.result);
    Bstr numericText(L"3");
    Call numeric = invokeMethod(object(), idRandom, {vText(numericText)});
    EXPECT_EQ(3u, text(*numeric.value.get()).size());
    // Empty for a text parameter is the empty text.
    EXPECT_TRUE(raised(invokeMethod(object(), idBinToDec, {vEmpty()}), 99, L"Max len is 50 character."));
}

TEST_F(Dispatch, ByReferenceWritesBackOnlyIntoVariables) {
    Variable variable(L"1101");
    ASSERT_EQ(S_OK, invokeMethod(object(), idBinToDec, {vRef(&variable.value)}).result);
    EXPECT_EQ(L"1", text(variable.value));
    // A variable of another type gets the value converted back to its type.
    VARIANT number = vLong(1011);
    VARIANT byRefNumber;
    V_VT(&byRefNumber) = VT_BYREF | VT_I4;
    V_I4REF(&byRefNumber) = &V_I4(&number);
    ASSERT_EQ(S_OK, invokeMethod(object(), idBinToDec, {byRefNumber}).result);
    EXPECT_EQ(1, V_I4(&number));
    // A variable keeps what the member stored before it failed.
    const std::wstring twoToThe31 = L"1" + std::wstring(31, L'0');
    Variable failing(twoToThe31.c_str());
    EXPECT_TRUE(raised(invokeMethod(object(), 0x60030001, {vRef(&failing.value)}), 6));
    EXPECT_EQ(L"2147483648", text(failing.value));
}

TEST_F(Dispatch, UntouchedVariablesKeepTheirSubtype) {
    // KeyExist takes the root and the subkey ByRef and assigns to neither.
    auto registry = OVRegistry::create();
    Variable root;
    V_VT(&root.value) = VT_I4;
    V_I4(&root.value) = static_cast<LONG>(0x80000001);
    Variable rootAsInteger;
    V_VT(&rootAsInteger.value) = VT_I2;
    V_I2(&rootAsInteger.value) = 1;
    Variable subKey(L"Software");
    Call call = invokeMethod(registry.get(), 0x60030001, {vRef(&rootAsInteger.value), vRef(&subKey.value)});
    ASSERT_EQ(S_OK, call.result);
    EXPECT_EQ(VT_I2, V_VT(&rootAsInteger.value));
    EXPECT_EQ(VT_BSTR, V_VT(&subKey.value));
    EXPECT_EQ(L"Software", text(subKey.value));
}

TEST_F(Dispatch, NamedArgumentsAndOptionalDefaults) {
    VARIANT arguments[] = {vLong(1), vInteger(40)};  // reversed: BaseX, NumDigits
    DISPID named[] = {1, 0};
    DISPPARAMS params{arguments, named, 2, 2};
    Variant result;
    ASSERT_EQ(S_OK, object()->Invoke(idRandom, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), nullptr, nullptr));
    std::wstring octal = text(*result.get());
    EXPECT_EQ(40u, octal.size());
    EXPECT_EQ(std::wstring::npos, octal.find_first_not_of(L"01234567"));
    DISPID wrong[] = {5, 0};
    DISPPARAMS badNames{arguments, wrong, 2, 2};
    UINT argumentError = 99;
    EXPECT_EQ(DISP_E_PARAMNOTFOUND,
              object()->Invoke(idRandom, IID_NULL, 0, DISPATCH_METHOD, &badNames, nullptr, nullptr, &argumentError));
    EXPECT_EQ(0u, argumentError);
    // The default alphabet is the decimal one, whether BaseX is left out or passed as missing.
    std::wstring omitted = text(*invokeMethod(object(), idRandom, {vInteger(60)}).value.get());
    std::wstring missing = text(*invokeMethod(object(), idRandom, {vInteger(60), vMissing()}).value.get());
    EXPECT_EQ(std::wstring::npos, omitted.find_first_not_of(L"0123456789"));
    EXPECT_EQ(std::wstring::npos, missing.find_first_not_of(L"0123456789"));
    EXPECT_EQ(60u, missing.size());
}

TEST_F(Dispatch, ErrorsReachTheClientWithoutAResult) {
    Bstr bad(L"2");
    Call call = invokeMethod(object(), idBinToDec, {vText(bad)});
    EXPECT_TRUE(raised(call, 99, L"Can't Convert."));
    EXPECT_EQ(L"TVOrvaneSuite.OVNumbers", call.source);
    EXPECT_EQ(VT_EMPTY, V_VT(call.value.get()));
    // Without EXCEPINFO the member's own HRESULT comes back.
    VARIANT argument = vText(bad);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(static_cast<HRESULT>(0x800A0063), object()->Invoke(idBinToDec, IID_NULL, 0, DISPATCH_METHOD, &params,
                                                                 nullptr, nullptr, nullptr));
    ComPtr<ISupportErrorInfo> support = numbers.query<ISupportErrorInfo>();
    ASSERT_TRUE(support);
    EXPECT_EQ(S_OK, support->InterfaceSupportsErrorInfo(IID__OVNumbers));
    EXPECT_EQ(S_FALSE, support->InterfaceSupportsErrorInfo(IID_IDispatch));
}

TEST_F(Dispatch, TypeInformation) {
    UINT count = 0;
    EXPECT_EQ(S_OK, object()->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, object()->GetTypeInfo(0, 0, info.put()));
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(L"_OVNumbers", name);
    ::SysFreeString(name);
    ComPtr<ITypeInfo> none;
    EXPECT_EQ(DISP_E_BADINDEX, object()->GetTypeInfo(1, 0, none.put()));
    ComPtr<IProvideClassInfo> provider = numbers.query<IProvideClassInfo>();
    ComPtr<ITypeInfo> classInfo;
    ASSERT_EQ(S_OK, provider->GetClassInfo(classInfo.put()));
    TYPEATTR* attributes = nullptr;
    classInfo->GetTypeAttr(&attributes);
    EXPECT_EQ(CLSID_OVNumbers, attributes->guid);
    EXPECT_EQ(TKIND_COCLASS, attributes->typekind);
    EXPECT_EQ(TYPEFLAG_FCONTROL, attributes->wTypeFlags);
    classInfo->ReleaseTypeAttr(attributes);
}

TEST_F(Dispatch, PropertiesAndTheDefaultMember) {
    auto key = OVRegistryKey::create();
    Bstr name(L"Software");
    EXPECT_EQ(S_OK, propertyPut(key.get(), 0x40030000, vText(name)).result);
    Call got = invoke(key.get(), 0x40030000, DISPATCH_PROPERTYGET, {});
    EXPECT_EQ(L"Software", text(*got.value.get()));
    // A put without the named DISPID_PROPERTYPUT argument still assigns.
    Bstr other(L"Software\\Classes");
    VARIANT value = vText(other);
    DISPPARAMS plain{&value, nullptr, 1, 0};
    EXPECT_EQ(S_OK, key->Invoke(0x40030000, IID_NULL, 0, DISPATCH_PROPERTYPUT, &plain, nullptr, nullptr, nullptr));
    EXPECT_EQ(L"Software\\Classes", text(*invoke(key.get(), 0x40030000, DISPATCH_PROPERTYGET, {}).value.get()));

    auto keys = OVRegistryKeys::create();
    EXPECT_EQ(S_OK, invokeMethod(keys.get(), 0x60030001, {vText(name), vText(name)}).result);
    Call item = invokeMethod(keys.get(), DISPID_VALUE, {vText(name)});  // scripts index with the default member
    ASSERT_EQ(VT_DISPATCH, V_VT(item.value.get()));
}

TEST(Lifetime, ObjectsCountUntilTheLastRelease) {
    long before = module::liveObjects();
    {
        auto keys = OVRegistryKeys::create();
        Bstr name(L"x");
        invokeMethod(keys.get(), 0x60030001, {vText(name)});
        Call item = invokeMethod(keys.get(), DISPID_VALUE, {vLong(1)});
        EXPECT_GT(module::liveObjects(), before);
    }
    EXPECT_EQ(before, module::liveObjects());
}

}  // namespace
}  // namespace orvane
