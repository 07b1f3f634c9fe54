// The flags of every default interface as the platform reports them from the loaded
// type library: dual, hidden, not extensible and dispatchable on both halves;
// automation-compatible on the vtable half. The platform never reports the
// automation-compatible flag on a dispatch-kind type (it clears it in GetTypeAttr even
// for a type created with it), so the dispatch half shows 0x10D0 while the record in
// the library carries 0x11D0 (checked by test_typelib.py).
#include <gtest/gtest.h>

#include <string>

#include "frame/server/Catalogue.h"
#include "frame/automation/Dispatcher.h"

namespace orvane {
namespace {

WORD flagsOf(ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    if (FAILED(info->GetTypeAttr(&attributes))) return 0;
    WORD flags = attributes->wTypeFlags;
    info->ReleaseTypeAttr(attributes);
    return flags;
}

TEST(TypeLibraryFlags, DefaultInterfacesAreAutomationCompatibleDuals) {
    ITypeLib* library = typeLibrary();
    ASSERT_NE(nullptr, library);
    int checked = 0;
    for (const ClassEntry& entry : catalogue()) {
        SCOPED_TRACE(std::string(entry.name, entry.name + wcslen(entry.name)));
        ComPtr<ITypeInfo> coclass;
        ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(*entry.classId, coclass.put()));
        HREFTYPE reference = 0;
        ASSERT_EQ(S_OK, coclass->GetRefTypeOfImplType(0, &reference));
        ComPtr<ITypeInfo> dispatchHalf, vtableHalf;
        ASSERT_EQ(S_OK, coclass->GetRefTypeInfo(reference, dispatchHalf.put()));
        ASSERT_EQ(S_OK, dispatchHalf->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference));
        ASSERT_EQ(S_OK, dispatchHalf->GetRefTypeInfo(reference, vtableHalf.put()));
        EXPECT_EQ(0x11D0, flagsOf(vtableHalf.get()));
        EXPECT_EQ(0x10D0, flagsOf(dispatchHalf.get()));
        ++checked;
    }
    EXPECT_EQ(28, checked);
}

}  // namespace
}  // namespace orvane
