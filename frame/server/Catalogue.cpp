#include "frame/server/Catalogue.h"

#include "frame/OrvaneSuite_h.h"
#include "frame/automation/ComObject.h"
#include "frame/collections/OVFolderSelectValue.h"
#include "frame/collections/OVFolderSelectValues.h"
#include "frame/collections/OVRegistryKey.h"
#include "frame/collections/OVRegistryKeys.h"
#include "frame/collections/OVRegistryValue.h"
#include "frame/collections/OVRegistryValues.h"
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
    {&CLSID_OVSplashScreen, L"OVSplashScreen", K::Control, OVSplashScreen::toolboxBitmap,
     &createInstance<OVSplashScreen>},
    {&CLSID_OVAboutBox, L"OVAboutBox", K::Control, OVAboutBox::toolboxBitmap, &createInstance<OVAboutBox>},
    {&CLSID_OVFileVersion, L"OVFileVersion", K::Control, OVFileVersion::toolboxBitmap, &createInstance<OVFileVersion>},
    {&CLSID_OVExtractIcon, L"OVExtractIcon", K::Control, OVExtractIcon::toolboxBitmap, &createInstance<OVExtractIcon>},
    {&CLSID_OVHelp, L"OVHelp", K::Control, OVHelp::toolboxBitmap, &createInstance<OVHelp>},
    {&CLSID_OVHyperLink, L"OVHyperLink", K::Control, OVHyperLink::toolboxBitmap, &createInstance<OVHyperLink>},
    {&CLSID_OVLinkedList, L"OVLinkedList", K::Control, OVLinkedList::toolboxBitmap, &createInstance<OVLinkedList>},
    {&CLSID_OVLocaleSettings, L"OVLocaleSettings", K::Control, OVLocaleSettings::toolboxBitmap,
     &createInstance<OVLocaleSettings>},
    {&CLSID_OVMath, L"OVMath", K::Control, OVMath::toolboxBitmap, &createInstance<OVMath>},
    {&CLSID_OVMemory, L"OVMemory", K::Control, OVMemory::toolboxBitmap, &createInstance<OVMemory>},
    {&CLSID_OVNumbers, L"OVNumbers", K::Control, OVNumbers::toolboxBitmap, &createInstance<OVNumbers>},
    {&CLSID_OVPower, L"OVPower", K::Control, OVPower::toolboxBitmap, &createInstance<OVPower>},
    {&CLSID_OVScreenModes, L"OVScreenModes", K::Control, OVScreenModes::toolboxBitmap, &createInstance<OVScreenModes>},
    {&CLSID_OVSpecialFolders, L"OVSpecialFolders", K::Control, OVSpecialFolders::toolboxBitmap,
     &createInstance<OVSpecialFolders>},
    {&CLSID_OVStack, L"OVStack", K::Control, OVStack::toolboxBitmap, &createInstance<OVStack>},
    {&CLSID_OVWindows, L"OVWindows", K::Control, OVWindows::toolboxBitmap, &createInstance<OVWindows>},
    {&CLSID_OVWinVersion, L"OVWinVersion", K::Control, OVWinVersion::toolboxBitmap, &createInstance<OVWinVersion>},
    {&CLSID_OVDiskInfo, L"OVDiskInfo", K::Control, OVDiskInfo::toolboxBitmap, &createInstance<OVDiskInfo>},
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

std::wstring programmaticId(const ClassEntry& entry) { return programmaticIdOf(entry.name); }

}  // namespace orvane
