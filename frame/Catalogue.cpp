#include "Catalogue.h"

#include "OrvaneSuite_h.h"
#include "OVFolderSelectValue.h"
#include "OVFolderSelectValues.h"
#include "OVRegistryKey.h"
#include "OVRegistryKeys.h"
#include "OVRegistryValue.h"
#include "OVRegistryValues.h"
#include "numbers/OVNumbers.h"
#include "registry/OVRegistry.h"
#include "sysinfo/OVSpecialFolders.h"
#include "sysinfo/OVWindows.h"
#include "sysinfo/OVLocaleSettings.h"
#include "sysinfo/OVMemory.h"
#include "sysinfo/OVPower.h"
#include "sysinfo/OVScreenModes.h"
#include "sysinfo/OVWinVersion.h"
#include "sysinfo/OVDiskInfo.h"
#include "files/OVExtractIcon.h"
#include "files/OVFileVersion.h"
#include "numbers/OVMath.h"
#include "containers/OVStack.h"
#include "containers/OVLinkedList.h"
#include "shell/OVFolderSelect.h"
#include "shell/OVHelp.h"
#include "shell/OVHyperLink.h"
#include "branding/OVSplashScreen.h"
#include "branding/OVAboutBox.h"
#include "branding/ppageAboutBoxDesign.h"
#include "branding/ppageSplashScreenDesign.h"

namespace orvane {

namespace {
using K = ClassKind;
const ClassEntry entries[] = {
    {&CLSID_OVSplashScreen, L"OVSplashScreen", K::Control, 30000, &createInstance<OVSplashScreen>},
    {&CLSID_OVAboutBox, L"OVAboutBox", K::Control, 30001, &createInstance<OVAboutBox>},
    {&CLSID_OVFileVersion, L"OVFileVersion", K::Control, 30002, &createInstance<OVFileVersion>},
    {&CLSID_OVExtractIcon, L"OVExtractIcon", K::Control, 30003, &createInstance<OVExtractIcon>},
    {&CLSID_OVHelp, L"OVHelp", K::Control, 30004, &createInstance<OVHelp>},
    {&CLSID_OVHyperLink, L"OVHyperLink", K::Control, 30005, &createInstance<OVHyperLink>},
    {&CLSID_OVLinkedList, L"OVLinkedList", K::Control, 30006, &createInstance<OVLinkedList>},
    {&CLSID_OVLocaleSettings, L"OVLocaleSettings", K::Control, 30007, &createInstance<OVLocaleSettings>},
    {&CLSID_OVMath, L"OVMath", K::Control, 30008, &createInstance<OVMath>},
    {&CLSID_OVMemory, L"OVMemory", K::Control, 30009, &createInstance<OVMemory>},
    {&CLSID_OVNumbers, L"OVNumbers", K::Control, 30010, &createInstance<OVNumbers>},
    {&CLSID_OVPower, L"OVPower", K::Control, 30011, &createInstance<OVPower>},
    {&CLSID_OVScreenModes, L"OVScreenModes", K::Control, 30012, &createInstance<OVScreenModes>},
    {&CLSID_OVSpecialFolders, L"OVSpecialFolders", K::Control, 30013, &createInstance<OVSpecialFolders>},
    {&CLSID_OVStack, L"OVStack", K::Control, 30014, &createInstance<OVStack>},
    {&CLSID_OVWindows, L"OVWindows", K::Control, 30015, &createInstance<OVWindows>},
    {&CLSID_OVWinVersion, L"OVWinVersion", K::Control, 30016, &createInstance<OVWinVersion>},
    {&CLSID_OVDiskInfo, L"OVDiskInfo", K::Control, 30017, &createInstance<OVDiskInfo>},
    {&CLSID_OVRegistry, L"OVRegistry", K::Global, 0, &createInstance<OVRegistry>},
    {&CLSID_OVFolderSelect, L"OVFolderSelect", K::Global, 0, &createInstance<OVFolderSelect>},
    {&CLSID_OVRegistryKey, L"OVRegistryKey", K::Global, 0, &createInstance<OVRegistryKey>},
    {&CLSID_OVRegistryKeys, L"OVRegistryKeys", K::Global, 0, &createInstance<OVRegistryKeys>},
    {&CLSID_OVRegistryValue, L"OVRegistryValue", K::Global, 0, &createInstance<OVRegistryValue>},
    {&CLSID_OVRegistryValues, L"OVRegistryValues", K::Global, 0, &createInstance<OVRegistryValues>},
    {&CLSID_OVFolderSelectValue, L"OVFolderSelectValue", K::Global, 0, &createInstance<OVFolderSelectValue>},
    {&CLSID_OVFolderSelectValues, L"OVFolderSelectValues", K::Global, 0, &createInstance<OVFolderSelectValues>},
    {&CLSID_ppageAboutBoxDesign, L"ppageAboutBoxDesign", K::PropertyPage, 0, &createInstance<ppageAboutBoxDesign>},
    {&CLSID_ppageSplashScreenDesign, L"ppageSplashScreenDesign", K::PropertyPage, 0,
     &createInstance<ppageSplashScreenDesign>},
};
}  // namespace

std::span<const ClassEntry> catalogue() { return entries; }

const ClassEntry* findClass(REFCLSID classId) {
    for (const ClassEntry& entry : entries) {
        if (*entry.classId == classId) return &entry;
    }
    return nullptr;
}

std::wstring programmaticId(const ClassEntry& entry) { return std::wstring(L"TVOrvaneSuite.") + entry.name; }

}  // namespace orvane
