/*
 * Dispatch identifiers of the OrvaneSuite type library's members, named once for the
 * IDL, the library's code and its clients.  Fixed since version 1.22: a value never
 * changes.  Methods are 0x60030000 + n, properties 0x68030000 + n, record fields
 * 0x40030000 + n, in each interface's own numbering.  Only #define lines and comments,
 * as both widl and C/C++ read this file.
 */
#ifndef ORVANESUITE_DISPIDS_H
#define ORVANESUITE_DISPIDS_H

/* OVRegistryKey */
#define DISPID_OVRegistryKey_KeyNames                      0x40030000

/* OVRegistryKeys */
#define DISPID_OVRegistryKeys_Add                          0x60030001
#define DISPID_OVRegistryKeys_Item                         0x00000000
#define DISPID_OVRegistryKeys_Count                        0x68030000
#define DISPID_OVRegistryKeys_Remove                       0x60030002

/* OVRegistryValue */
#define DISPID_OVRegistryValue_ValueName                   0x40030000
#define DISPID_OVRegistryValue_ValueData                   0x40030001
#define DISPID_OVRegistryValue_DataType                    0x40030002

/* OVRegistryValues */
#define DISPID_OVRegistryValues_Add                        0x60030001
#define DISPID_OVRegistryValues_Item                       0x00000000
#define DISPID_OVRegistryValues_Count                      0x68030000
#define DISPID_OVRegistryValues_Remove                     0x60030002

/* OVFolderSelectValue */
#define DISPID_OVFolderSelectValue_TheUserSelected         0x40030000
#define DISPID_OVFolderSelectValue_PhysicalLocation        0x40030001

/* OVFolderSelectValues */
#define DISPID_OVFolderSelectValues_Add                    0x60030001
#define DISPID_OVFolderSelectValues_Item                   0x00000000
#define DISPID_OVFolderSelectValues_Count                  0x68030000
#define DISPID_OVFolderSelectValues_Remove                 0x60030002

/* OVNumbers */
#define DISPID_OVNumbers_BinToOct                          0x60030000
#define DISPID_OVNumbers_BinToHex                          0x60030001
#define DISPID_OVNumbers_BinToDec                          0x60030002
#define DISPID_OVNumbers_OctToBin                          0x60030003
#define DISPID_OVNumbers_OctToHex                          0x60030004
#define DISPID_OVNumbers_OctToDec                          0x60030005
#define DISPID_OVNumbers_DecToBin                          0x60030006
#define DISPID_OVNumbers_DecToOct                          0x60030007
#define DISPID_OVNumbers_DecToHex                          0x60030008
#define DISPID_OVNumbers_HexToBin                          0x60030009
#define DISPID_OVNumbers_HexToOct                          0x6003000a
#define DISPID_OVNumbers_HexToDec                          0x6003000b
#define DISPID_OVNumbers_GenerateRandomID                  0x6003000c

/* OVMath */
#define DISPID_OVMath_Inc                                  0x60030000
#define DISPID_OVMath_Dec                                  0x60030001
#define DISPID_OVMath_Log10                                0x60030002
#define DISPID_OVMath_LogX                                 0x60030003
#define DISPID_OVMath_Ceil                                 0x60030004
#define DISPID_OVMath_Floor                                0x60030005
#define DISPID_OVMath_AbsCeil                              0x60030006
#define DISPID_OVMath_AbsFloor                             0x60030007
#define DISPID_OVMath_ASin                                 0x60030008
#define DISPID_OVMath_ACos                                 0x60030009
#define DISPID_OVMath_ACot                                 0x6003000a
#define DISPID_OVMath_ASec                                 0x6003000b
#define DISPID_OVMath_ACsc                                 0x6003000c
#define DISPID_OVMath_SinH                                 0x6003000d
#define DISPID_OVMath_CosH                                 0x6003000e
#define DISPID_OVMath_TanH                                 0x6003000f
#define DISPID_OVMath_CotH                                 0x60030010
#define DISPID_OVMath_SecH                                 0x60030011
#define DISPID_OVMath_CscH                                 0x60030012
#define DISPID_OVMath_ASinH                                0x60030013
#define DISPID_OVMath_ACosH                                0x60030014
#define DISPID_OVMath_ATanH                                0x60030015
#define DISPID_OVMath_ACotH                                0x60030016
#define DISPID_OVMath_ASecH                                0x60030017
#define DISPID_OVMath_ACscH                                0x60030018

/* OVStack */
#define DISPID_OVStack_Push                                0x60030000
#define DISPID_OVStack_Pop                                 0x60030001
#define DISPID_OVStack_Peek                                0x60030002
#define DISPID_OVStack_Count                               0x60030003

/* OVLinkedList */
#define DISPID_OVLinkedList_CurrentIndex                   0x60030000
#define DISPID_OVLinkedList_MoveFirst                      0x60030001
#define DISPID_OVLinkedList_MoveLast                       0x60030002
#define DISPID_OVLinkedList_MovePrevious                   0x60030003
#define DISPID_OVLinkedList_MoveNext                       0x60030004
#define DISPID_OVLinkedList_Move                           0x60030005
#define DISPID_OVLinkedList_BOL                            0x60030006
#define DISPID_OVLinkedList_EOL                            0x60030007
#define DISPID_OVLinkedList_Item                           0x60030008
#define DISPID_OVLinkedList_IsEmpty                        0x60030009
#define DISPID_OVLinkedList_Count                          0x6003000a
#define DISPID_OVLinkedList_Find                           0x6003000b
#define DISPID_OVLinkedList_Add                            0x6003000c
#define DISPID_OVLinkedList_Remove                         0x6003000d
#define DISPID_OVLinkedList_RemoveAll                      0x6003000e
#define DISPID_OVLinkedList_SetSize                        0x6003000f
#define DISPID_OVLinkedList_CheckIndex                     0x60030011

/* OVDiskInfo */
#define DISPID_OVDiskInfo_DriveName                        0x68030000
#define DISPID_OVDiskInfo_TotalSpace                       0x60030001
#define DISPID_OVDiskInfo_FreeSpace                        0x60030002
#define DISPID_OVDiskInfo_TotalSpaceUsed                   0x60030003
#define DISPID_OVDiskInfo_DriveType                        0x60030004
#define DISPID_OVDiskInfo_GetLocalDrive                    0x60030005
#define DISPID_OVDiskInfo_VolumeName                       0x60030006
#define DISPID_OVDiskInfo_FileSystemName                   0x60030007
#define DISPID_OVDiskInfo_SerialNumber                     0x60030008
#define DISPID_OVDiskInfo_IsRemovable                      0x60030009
#define DISPID_OVDiskInfo_IsFixed                          0x6003000a
#define DISPID_OVDiskInfo_IsRemote                         0x6003000b
#define DISPID_OVDiskInfo_IsCDROM                          0x6003000c
#define DISPID_OVDiskInfo_IsRamDisk                        0x6003000d
#define DISPID_OVDiskInfo_IsFAT16                          0x6003000e
#define DISPID_OVDiskInfo_IsFAT32                          0x6003000f
#define DISPID_OVDiskInfo_IsNTFS                           0x60030010

/* OVWinVersion */
#define DISPID_OVWinVersion_MajorVersion                   0x60030002
#define DISPID_OVWinVersion_MinorVersion                   0x60030003
#define DISPID_OVWinVersion_BuildNumber                    0x60030004
#define DISPID_OVWinVersion_OperatingPlatform              0x60030005
#define DISPID_OVWinVersion_OperatingSystem                0x60030006
#define DISPID_OVWinVersion_ExtraInfo                      0x60030007
#define DISPID_OVWinVersion_IsWindows32                    0x60030008
#define DISPID_OVWinVersion_IsWindows95                    0x60030009
#define DISPID_OVWinVersion_IsWindows98                    0x6003000a
#define DISPID_OVWinVersion_IsWindowsME                    0x6003000b
#define DISPID_OVWinVersion_IsWindowsNT                    0x6003000c
#define DISPID_OVWinVersion_IsWindows2K                    0x6003000d
#define DISPID_OVWinVersion_IsWindowsXP                    0x6003000e

/* OVWindows */
#define DISPID_OVWindows_ReBoot                            0x60030000
#define DISPID_OVWindows_ShutDown                          0x60030001
#define DISPID_OVWindows_PowerOff                          0x60030002
#define DISPID_OVWindows_LogOff                            0x60030003
#define DISPID_OVWindows_Force                             0x60030004
#define DISPID_OVWindows_LicensingInfo                     0x60030005
#define DISPID_OVWindows_RegisteredOwner                   0x60030006
#define DISPID_OVWindows_RegisteredOrganization            0x60030007
#define DISPID_OVWindows_ProductType                       0x60030008
#define DISPID_OVWindows_ProductKey                        0x60030009
#define DISPID_OVWindows_ProductName                       0x6003000a
#define DISPID_OVWindows_ProductId                         0x6003000b
#define DISPID_OVWindows_PlusVersionNumber                 0x6003000c
#define DISPID_OVWindows_UserName                          0x6003000d
#define DISPID_OVWindows_ComputerName                      0x6003000e

/* OVMemory */
#define DISPID_OVMemory_AvailablePageFile                  0x60030000
#define DISPID_OVMemory_AvailablePhysical                  0x60030001
#define DISPID_OVMemory_AvailableVirtual                   0x60030002
#define DISPID_OVMemory_Length                             0x60030003
#define DISPID_OVMemory_MemoryLoad                         0x60030004
#define DISPID_OVMemory_TotalPageFile                      0x60030005
#define DISPID_OVMemory_TotalPhysical                      0x60030006
#define DISPID_OVMemory_TotalVirtual                       0x60030007
#define DISPID_OVMemory_MaximumApplicationAddress          0x60030008
#define DISPID_OVMemory_MinimumApplicationAddress          0x60030009
#define DISPID_OVMemory_AllocationGranularity              0x6003000a
#define DISPID_OVMemory_PageSize                           0x6003000b

/* OVPower */
#define DISPID_OVPower_Hibernate                           0x60030000
#define DISPID_OVPower_Suspend                             0x60030001
#define DISPID_OVPower_DiskSpinDown                        0x60030002
#define DISPID_OVPower_ThermalControl                      0x60030003
#define DISPID_OVPower_WakeSupport                         0x60030004
#define DISPID_OVPower_HiberFilePresent                    0x60030005
#define DISPID_OVPower_SleepButtonPresent                  0x60030006
#define DISPID_OVPower_PowerButtonPresent                  0x60030007
#define DISPID_OVPower_ACPowerExists                       0x60030008
#define DISPID_OVPower_BatteryIsLow                        0x60030009
#define DISPID_OVPower_BatteryIsFull                       0x6003000a
#define DISPID_OVPower_BatteryIsCharging                   0x6003000b
#define DISPID_OVPower_BatteryIsCritical                   0x6003000c
#define DISPID_OVPower_IsPowerHibernateAllowed             0x6003000d
#define DISPID_OVPower_IsPowerSuspendAllowed               0x6003000e
#define DISPID_OVPower_IsPowerShutdownAllowed              0x6003000f

/* OVLocaleSettings */
#define DISPID_OVLocaleSettings_DateFormat                 0x6803000c
#define DISPID_OVLocaleSettings_TimeFormat                 0x6803000b
#define DISPID_OVLocaleSettings_NumberFormat               0x6803000a
#define DISPID_OVLocaleSettings_ThousandSpecifier          0x68030009
#define DISPID_OVLocaleSettings_DecimalSpecifier           0x68030008
#define DISPID_OVLocaleSettings_CurrencySpecifier          0x68030007
#define DISPID_OVLocaleSettings_SysLanguageID              0x68030006
#define DISPID_OVLocaleSettings_SysLanguageName            0x68030005
#define DISPID_OVLocaleSettings_Country                    0x68030004
#define DISPID_OVLocaleSettings_LanguageName               0x68030003
#define DISPID_OVLocaleSettings_NativeCountryName          0x68030002
#define DISPID_OVLocaleSettings_PositiveSign               0x68030001
#define DISPID_OVLocaleSettings_NegativeSign               0x68030000

/* OVScreenModes */
#define DISPID_OVScreenModes_ColorBits                     0x60030000
#define DISPID_OVScreenModes_ScreenHeight                  0x60030001
#define DISPID_OVScreenModes_ScreenWidth                   0x60030002
#define DISPID_OVScreenModes_ChangeDisplay                 0x60030004

/* OVSpecialFolders */
#define DISPID_OVSpecialFolders_SetCurrentDir              0x60030000
#define DISPID_OVSpecialFolders_GetCurrentDir              0x60030001
#define DISPID_OVSpecialFolders_SpecialFolders             0x60030002

/* OVFileVersion */
#define DISPID_OVFileVersion_FileName                      0x68030000
#define DISPID_OVFileVersion_ProductVersionString          0x60030005
#define DISPID_OVFileVersion_ProductName                   0x60030006
#define DISPID_OVFileVersion_PrivateBuild                  0x60030007
#define DISPID_OVFileVersion_OriginalFilename              0x60030008
#define DISPID_OVFileVersion_SpecialBuild                  0x60030009
#define DISPID_OVFileVersion_CompanyName                   0x6003000a
#define DISPID_OVFileVersion_Comments                      0x6003000b
#define DISPID_OVFileVersion_InternalName                  0x6003000c
#define DISPID_OVFileVersion_FileVersionString             0x6003000d
#define DISPID_OVFileVersion_FileVerMinorLO                0x6003000e
#define DISPID_OVFileVersion_FileVerMinorHI                0x6003000f
#define DISPID_OVFileVersion_FileVerMajorLO                0x60030010
#define DISPID_OVFileVersion_FileVerMajorHI                0x60030011
#define DISPID_OVFileVersion_FileType                      0x60030012
#define DISPID_OVFileVersion_FileDescription               0x60030013
#define DISPID_OVFileVersion_LegalCopyright                0x60030014

/* OVExtractIcon */
#define DISPID_OVExtractIcon_FileName                      0x68030000
#define DISPID_OVExtractIcon_Count                         0x60030001
#define DISPID_OVExtractIcon_Extract                       0x60030002

/* OVRegistry */
#define DISPID_OVRegistry_CreateKey                        0x60030000
#define DISPID_OVRegistry_KeyExist                         0x60030001
#define DISPID_OVRegistry_ValueExist                       0x60030002
#define DISPID_OVRegistry_DeleteKey                        0x60030003
#define DISPID_OVRegistry_DeleteValue                      0x60030004
#define DISPID_OVRegistry_ListKeys                         0x60030005
#define DISPID_OVRegistry_ListValues                       0x60030006
#define DISPID_OVRegistry_WriteValue                       0x60030007
#define DISPID_OVRegistry_ReadValue                        0x60030008
#define DISPID_OVRegistry_ReadDataType                     0x60030009

/* OVRegistry2 */
#define DISPID_OVRegistry2_CreateKeyEx                     0x6003000a
#define DISPID_OVRegistry2_KeyExistEx                      0x6003000b
#define DISPID_OVRegistry2_ValueExistEx                    0x6003000c
#define DISPID_OVRegistry2_DeleteKeyEx                     0x6003000d
#define DISPID_OVRegistry2_DeleteValueEx                   0x6003000e
#define DISPID_OVRegistry2_ListKeysEx                      0x6003000f
#define DISPID_OVRegistry2_ListValuesEx                    0x60030010
#define DISPID_OVRegistry2_WriteValueEx                    0x60030011
#define DISPID_OVRegistry2_ReadValueEx                     0x60030012
#define DISPID_OVRegistry2_ReadDataTypeEx                  0x60030013
#define DISPID_OVRegistry2_ReadExpandedValue               0x60030014

/* OVHyperLink */
#define DISPID_OVHyperLink_GoUrl                           0x60030000
#define DISPID_OVHyperLink_SendMail                        0x60030001

/* OVHelp */
#define DISPID_OVHelp_RunHtmlHelp                          0x60030000
#define DISPID_OVHelp_RunWinHelp                           0x60030001

/* OVFolderSelect */
#define DISPID_OVFolderSelect_FolderSelect                 0x60030000

/* OVSplashScreen */
#define DISPID_OVSplashScreen_LicenseTo                    0x6803000c
#define DISPID_OVSplashScreen_CompanyName                  0x6803000b
#define DISPID_OVSplashScreen_CompanyNameImage             0x6803000a
#define DISPID_OVSplashScreen_ProductName                  0x68030009
#define DISPID_OVSplashScreen_ProductNameImage             0x68030008
#define DISPID_OVSplashScreen_ProductLogo                  0x68030007
#define DISPID_OVSplashScreen_ProductVersion               0x68030006
#define DISPID_OVSplashScreen_Copyright                    0x68030005
#define DISPID_OVSplashScreen_CopyrightOwner               0x68030004
#define DISPID_OVSplashScreen_CopyrightWarning             0x68030003
#define DISPID_OVSplashScreen_SplashStyle                  0x68030002
#define DISPID_OVSplashScreen_ShowSplash                   0x6003000d
#define DISPID_OVSplashScreen_HideSplash                   0x6003000e
#define DISPID_OVSplashScreen_Platform                     0x68030001
#define DISPID_OVSplashScreen_ProductNameColor             0x68030000

/* OVAboutBox */
#define DISPID_OVAboutBox_AboutStyle                       0x6803000d
#define DISPID_OVAboutBox_WebsiteUrl                       0x6803000c
#define DISPID_OVAboutBox_Mailto                           0x6803000b
#define DISPID_OVAboutBox_Copyright                        0x6803000a
#define DISPID_OVAboutBox_CopyrightWarning                 0x68030009
#define DISPID_OVAboutBox_ProductDescription               0x68030008
#define DISPID_OVAboutBox_ProductLogo                      0x68030007
#define DISPID_OVAboutBox_ProductName                      0x68030006
#define DISPID_OVAboutBox_ProductVersion                   0x68030005
#define DISPID_OVAboutBox_ProductNameColor                 0x68030004
#define DISPID_OVAboutBox_CopyrightColor                   0x68030003
#define DISPID_OVAboutBox_CopyrightWarningColor            0x68030002
#define DISPID_OVAboutBox_ProductDescriptionColor          0x68030001
#define DISPID_OVAboutBox_ProductVersionColor              0x68030000
#define DISPID_OVAboutBox_ShowAbout                        0x6003000e

#endif  /* ORVANESUITE_DISPIDS_H */
