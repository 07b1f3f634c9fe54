// The disk, icon and system programs with their platform calls redirected: nothing here
// suspends the machine, changes the display mode or opens a help viewer.
#include <cstring>

#include "DemoFixture.h"
#include "OVDiskInfoDemo/frmOVDiskInfo.h"
#include "OVExtractIconDemo/frmOVExtractIcon.h"
#include "OVHelpDemo/frmOVHelp.h"
#include "OVHyperLinkDemo/frmOVHyperLink.h"
#include "OVLocalSettingsDemo/frmOVLocalSettings.h"
#include "OVMemoryDemo/frmOVMemory.h"
#include "OVPowerDemo/frmOVPower.h"
#include "OVScreenModesDemo/frmOVScreenModes.h"
#include "OVWinVersionDemo/frmOVWinVersion.h"
#include "common/DisplayText.h"
#include "frame/base/Platform.h"
#include "frame/automation/Runtime.h"

namespace orvane::demo::test {
namespace {

namespace k32 = platform::kernel32;
namespace u32 = platform::user32;


using DiskInfoDemoTest = DemoTest;

TEST_F(DiskInfoDemoTest, ShowsTheChosenDrive) {
    open(diskInfoDemo);
    EXPECT_EQ(L"Orvane Suite: OVDiskInfo", textOf(window()));
    EXPECT_EQ(L"General Info:", text(L"Frame1"));
    EXPECT_EQ(L"Fixed Hard Disk", text(L"txtType"));
    EXPECT_EQ(L"True", text(L"txtISFIXED"));
    EXPECT_EQ(L"False", text(L"txtISCDROM"));
    EXPECT_FALSE(text(L"txtTotalSpace").empty());
    EXPECT_NE(std::wstring::npos, text(L"txtTotalSpace").find(L','));
    EXPECT_EQ(0, escapedError());
}

TEST_F(DiskInfoDemoTest, DriveWithoutAMedium) {
    auto volume = k32::GetVolumeInformationA.fake([](LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD) {
        ::SetLastError(ERROR_NOT_READY);
        return FALSE;
    });
    auto space = k32::GetDiskFreeSpaceExA.fake([](LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER) {
        ::SetLastError(ERROR_NOT_READY);
        return FALSE;
    });
    auto type = k32::GetDriveTypeA.fake([](LPCSTR) -> UINT { return DRIVE_CDROM; });
    open(diskInfoDemo);
    EXPECT_EQ(L"", text(L"txtVolume"));
    EXPECT_EQ(L"", text(L"txtFileSystem"));
    EXPECT_EQ(L"CD-ROM / DVD-ROM", text(L"txtType"));
    EXPECT_EQ(L"0-", text(L"txtSerial")) << "the serial stays 0";
    EXPECT_EQ(L"", text(L"txtFreeSpace"));
    EXPECT_EQ(L"", text(L"txtTotalSpace"));
    for (const wchar_t* box : {L"txtISNTFS", L"txtISFAT32", L"txtISFAT16"}) EXPECT_EQ(L"False", text(box));
    EXPECT_EQ(L"True", text(L"txtISCDROM"));
    EXPECT_EQ(0, escapedError());
}

// The serial as the program shows it: four digits, a dash, the rest, without leading zeros.
TEST_F(DiskInfoDemoTest, SerialShowsFourDigitsADashAndTheRest) {
    struct Row {
        DWORD serial;
        const wchar_t* shown;
    };
    for (const Row& row : {Row{0x1234ABCD, L"1234-ABCD"}, Row{0x0ABCDEF1, L"ABCD-EF1"}, Row{0x80000000, L"8000-0000"},
                           Row{0x5, L"5-"}}) {
        auto volume = k32::GetVolumeInformationA.fake(
            [&](LPCSTR, LPSTR, DWORD, LPDWORD serial, LPDWORD, LPDWORD, LPSTR, DWORD) {
                if (serial) *serial = row.serial;
                return TRUE;
            });
        open(diskInfoDemo);
        EXPECT_EQ(row.shown, text(L"txtSerial")) << std::hex << row.serial;
        demo_.reset();
    }
    EXPECT_EQ(0, escapedError());
}

using ExtractIconDemoTest = DemoTest;

// A folder with a file of three icons and one of none, told apart by name.
struct IconFiles {
    std::wstring folder;
    IconFiles() {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"orvane-icon-demo";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        for (const wchar_t* name : {L"\\three.dll", L"\\none.exe"}) {
            HANDLE file = ::CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ::CloseHandle(file);
        }
    }
    ~IconFiles() {
        ::DeleteFileW((folder + L"\\three.dll").c_str());
        ::DeleteFileW((folder + L"\\none.exe").c_str());
        ::RemoveDirectoryW(folder.c_str());
    }
};

void pickFile(HWND files, const std::wstring& name) {
    LRESULT position = ::SendMessageW(files, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageW(files, LB_SETCURSEL, position, 0);
    ::SendMessageW(::GetParent(files), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(files), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(files));
}

TEST_F(ExtractIconDemoTest, FileWithThreeIconsThenOneWithNone) {
    IconFiles files;
    std::vector<int> drawn;
    auto extract = platform::shell32::ExtractIconExA.fake([&](LPCSTR file, int index, HICON* large, HICON* small,
                                                              UINT) -> UINT {
        bool three = std::strstr(file, "three.dll") != nullptr;
        if (index == -1) return three ? 3 : 0;
        drawn.push_back(index);
        if (large) *large = ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
        if (small) *small = nullptr;
        return 1;
    });
    DemoForm& demo = open(extractIconDemo);
    EXPECT_EQ(L"No File Selected.", text(L"lblIconsCount"));
    EXPECT_EQ(L"Icon #?", text(L"lblIconIndex"));
    demo[L"Dir1"].setPath(files.folder);
    EXPECT_EQ(files.folder, demo[L"File1"].path());

    pickFile(control(L"File1"), L"three.dll");
    EXPECT_EQ(L"Specify the Icon you want to display (1 to 3):", text(L"lblIconsCount"));
    EXPECT_EQ(L"Icon #1", text(L"lblIconIndex"));
    EXPECT_EQ(3, demo[L"IconScroll"].maximum());
    EXPECT_TRUE(demo[L"IconScroll"].enabled());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(0, drawn.back());  // icon #1 is the file's first icon
    saveScreenshot(window(), L"inprocess-OVExtractIconDemo-three");

    demo[L"IconScroll"].setValue(3);
    EXPECT_EQ(L"Icon #3", text(L"lblIconIndex"));
    EXPECT_EQ(2, drawn.back());

    pickFile(control(L"File1"), L"none.exe");
    EXPECT_EQ(L"No Icons Found!", text(L"lblIconsCount"));
    EXPECT_EQ(L"Icon #?", text(L"lblIconIndex"));
    EXPECT_FALSE(demo[L"IconScroll"].enabled());
    EXPECT_EQ(0, demo[L"IconScroll"].value());
    EXPECT_EQ(0, escapedError());
}

// A drive that was listed and has gone when it is chosen (a card taken out, a share
// dropped): the message, and the lists stay where they were.
TEST_F(ExtractIconDemoTest, ChoosingADriveThatIsNotThereSaysDriveNotReady) {
    IconFiles files;
    DemoForm& demo = open(extractIconDemo);
    demo[L"Dir1"].setPath(files.folder);
    // The first letter without a drive in this prefix, listed as if it had been there.
    wchar_t missing = 0;
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'q'; letter <= L'z' && !missing; ++letter) {
        if (!(drives & (1u << (letter - L'a')))) missing = letter;
    }
    ASSERT_NE(0, missing);
    demo[L"Drive1"].addItem(std::wstring(1, missing) + L":");
    const std::wstring before = demo[L"Drive1"].drive();

    MessageBoxSeen box = answerMessageBox([&] { demo[L"Drive1"].setDrive(std::wstring(1, missing)); },
                                          L"Drive Not Ready");
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(L"Drive not available (Or isn't ready)", box.text);
    EXPECT_EQ(std::wstring(1, missing) + L":", demo[L"Drive1"].drive()) << "the drive list keeps the choice";
    EXPECT_NE(before, demo[L"Drive1"].drive());
    EXPECT_EQ(files.folder, demo[L"Dir1"].path());
    EXPECT_EQ(files.folder, demo[L"File1"].path());
    EXPECT_EQ(0, escapedError());
}

using PowerDemoTest = DemoTest;

TEST_F(PowerDemoTest, HibernateAndSuspendGoToThePlatformAndRefreshNothing) {
    std::vector<std::pair<BOOL, BOOL>> requests;
    auto power = k32::SetSystemPowerState.fake([&](BOOL suspend, BOOL force) {
        requests.emplace_back(suspend, force);
        return TRUE;
    });
    open(powerDemo);
    EXPECT_EQ(L"Monitor battery power levels in laptop computers, and invoke suspend && hibernate modes with easy to "
              L"use method and events.",
              text(L"Label2"));
    type(L"txtAC", L"unchanged");
    press(L"cmdHibernate");
    press(L"cmdSuspend");
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(FALSE, requests[0].first);
    EXPECT_EQ(TRUE, requests[1].first);
    EXPECT_EQ(L"unchanged", text(L"txtAC"));
    EXPECT_EQ(0, escapedError());
}

// One platform answer made true at a time: exactly the box of that member says True.
TEST_F(PowerDemoTest, EachBoxShowsItsOwnMember) {
    struct Answer {
        const wchar_t* box;
        void (*set)(SYSTEM_POWER_STATUS&, SYSTEM_POWER_CAPABILITIES&, BOOLEAN (&allowed)[3]);
    };
    using Status = SYSTEM_POWER_STATUS;
    using Capabilities = SYSTEM_POWER_CAPABILITIES;
    using Allowed = BOOLEAN[3];  // hibernate, suspend, shutdown
    const Answer answers[] = {
        {L"txtAC", [](Status& s, Capabilities&, Allowed&) { s.ACLineStatus = 1; }},
        {L"txtFull", [](Status& s, Capabilities&, Allowed&) { s.BatteryFlag = 1; }},
        {L"txtLow", [](Status& s, Capabilities&, Allowed&) { s.BatteryFlag = 2; }},
        {L"txtCritical", [](Status& s, Capabilities&, Allowed&) { s.BatteryFlag = 4; }},
        {L"txtCharging", [](Status& s, Capabilities&, Allowed&) { s.BatteryFlag = 8; }},
        {L"txtHiber", [](Status&, Capabilities& c, Allowed&) { c.HiberFilePresent = TRUE; }},
        {L"txtPower", [](Status&, Capabilities& c, Allowed&) { c.PowerButtonPresent = TRUE; }},
        {L"txtSleep", [](Status&, Capabilities& c, Allowed&) { c.SleepButtonPresent = TRUE; }},
        {L"txtSpin", [](Status&, Capabilities& c, Allowed&) { c.DiskSpinDown = TRUE; }},
        {L"txtThermal", [](Status&, Capabilities& c, Allowed&) { c.ThermalControl = TRUE; }},
        {L"txtWake", [](Status&, Capabilities& c, Allowed&) { c.FullWake = TRUE; }},
        {L"txtHibernate", [](Status&, Capabilities&, Allowed& a) { a[0] = TRUE; }},
        {L"txtSuspend", [](Status&, Capabilities&, Allowed& a) { a[1] = TRUE; }},
        {L"txtShutDown", [](Status&, Capabilities&, Allowed& a) { a[2] = TRUE; }},
    };
    Status status{};
    Capabilities capabilities{};
    BOOLEAN allowed[3] = {};
    auto fakeStatus = k32::GetSystemPowerStatus.fake([&](LPSYSTEM_POWER_STATUS record) {
        *record = status;
        return TRUE;
    });
    auto fakeCapabilities = platform::powrprof::GetPwrCapabilities.fake([&](PSYSTEM_POWER_CAPABILITIES record) {
        *record = capabilities;
        return BOOLEAN{TRUE};
    });
    auto hibernate = platform::powrprof::IsPwrHibernateAllowed.fake([&] { return allowed[0]; });
    auto suspend = platform::powrprof::IsPwrSuspendAllowed.fake([&] { return allowed[1]; });
    auto shutdown = platform::powrprof::IsPwrShutdownAllowed.fake([&] { return allowed[2]; });
    for (const Answer& answer : answers) {
        SCOPED_TRACE(std::string(answer.box, answer.box + std::wcslen(answer.box)));
        status = {};
        status.BatteryFlag = 128;  // no battery: none of the four battery tests
        capabilities = {};
        allowed[0] = allowed[1] = allowed[2] = FALSE;
        answer.set(status, capabilities, allowed);
        open(powerDemo);
        for (const Answer& other : answers) {
            EXPECT_EQ(&other == &answer ? L"True" : L"False", text(other.box))
                << std::string(other.box, other.box + std::wcslen(other.box));
        }
    }
    EXPECT_EQ(0, escapedError());
}

using ScreenModesDemoTest = DemoTest;

TEST_F(ScreenModesDemoTest, RefusedModeLeavesTheCurrentOne) {
    auto listed = u32::EnumDisplaySettingsA.fake([](LPCSTR, DWORD, DEVMODEA* mode) {
        mode->dmPelsWidth = 1280;
        mode->dmPelsHeight = 1024;
        mode->dmBitsPerPel = 24;
        return TRUE;
    });
    std::vector<DWORD> tried;
    auto change = u32::ChangeDisplaySettingsA.fake([&](DEVMODEA* mode, DWORD flags) -> LONG {
        tried.push_back(mode->dmPelsWidth);
        return flags == CDS_TEST ? DISP_CHANGE_BADMODE : DISP_CHANGE_SUCCESSFUL;
    });
    auto broadcast = u32::SendMessageA.fake([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    open(screenModesDemo);
    EXPECT_EQ(L"Obtain information about every screen mode available to the display adapter, and switch screen modes "
              L"\"on the fly\".",
              text(L"Label2"));
    EXPECT_EQ(L"24bits", text(L"txtbit"));
    EXPECT_EQ(L"1024", text(L"txtHeight"));
    EXPECT_EQ(L"1280", text(L"txtWidth"));
    EXPECT_EQ((std::vector<std::wstring>{L"640 x 480", L"800 x 600", L"1024 x 768", L"1280 x 1024", L"1600 x 1200"}),
              entriesOf(control(L"cboModes")));
    type(L"txtHeight", L"");
    pick(L"cboModes", L"800 x 600");
    ASSERT_EQ(1u, tried.size());
    EXPECT_EQ(800u, tried[0]);
    EXPECT_EQ(L"1024", text(L"txtHeight"));
    EXPECT_EQ(L"1280", text(L"txtWidth"));
    EXPECT_EQ(0, escapedError());
}

using MemoryDemoTest = DemoTest;

TEST_F(MemoryDemoTest, ZeroIsEmptyAndTwoGigabytesShowNegative) {
    auto memory = k32::GlobalMemoryStatus.fake([](LPMEMORYSTATUS record) {
        std::memset(record, 0, sizeof *record);
        record->dwLength = sizeof *record;
        record->dwMemoryLoad = 0;
        // 2 GiB: negative as a Long, then reported in kilobytes.
        record->dwTotalPhys = 0x80000000u;
        record->dwAvailPhys = SIZE_T{1234567} * 1024;
        return;
    });
    open(memoryDemo);
    EXPECT_EQ(L"", text(L"txtMemoryLoad"));
    EXPECT_EQ(L"-2,097,152", text(L"txtTotalPhysical"));
    EXPECT_EQ(L"1,234,567", text(L"txtAvailablePhysical"));
    auto captions = demo_->form().controlArray(L"lblGeneric");
    ASSERT_EQ(10u, captions.size());
    EXPECT_EQ(L"AllocGranularity:", textOf(captions[0]->hwnd()));
    EXPECT_EQ(L"TotalVirtual:", textOf(captions[9]->hwnd()));
    EXPECT_EQ(L"lblGeneric", controlName(captions[9]->hwnd()));
    EXPECT_EQ(0, escapedError());
}

TEST(DemoDisplayTextTest, GroupedTextAsFormatWritesIt) {
    EXPECT_EQ(L"", groupedText(*longValue(0).get()));
    EXPECT_EQ(L"999", groupedText(*longValue(999).get()));
    EXPECT_EQ(L"1,000", groupedText(*longValue(1000).get()));
    EXPECT_EQ(L"-12,345,678", groupedText(*longValue(-12345678).get()));
    EXPECT_EQ(L"3", groupedText(*doubleValue(2.5).get()));
    Variant bytes;
    V_VT(bytes.get()) = VT_CY;
    V_CY(bytes.get()).int64 = 5368709120LL * 10000;  // 5 GiB
    EXPECT_EQ(L"5,368,709,120", groupedText(*bytes.get()));
}

using ReadOutDemoTest = DemoTest;

// Distinct platform answers show which box holds which member: one version record per
// system, each making exactly its own test True.
TEST_F(ReadOutDemoTest, VersionBoxesShowTheirOwnMembers) {
    struct System {
        DWORD platform, major, minor;
        const wchar_t* platformText;
        const wchar_t* systemText;
        const wchar_t* trueBox;
    };
    const System systems[] = {
        {0, 3, 11, L"Windows 32", L"Windows 32", L"txtWin32"},
        {1, 4, 0, L"Windows 95/98/ME", L"Windows 95", L"txtWin95"},
        {1, 4, 10, L"Windows 95/98/ME", L"Windows 98", L"txtWin98"},
        {1, 4, 90, L"Windows 95/98/ME", L"Windows ME", L"txtWinME"},
        {2, 4, 0, L"Windows NT/2K/XP", L"Windows NT", L"txtWinNT"},
        {2, 5, 0, L"Windows NT/2K/XP", L"Windows 2K", L"txtWin2K"},
        {2, 5, 1, L"Windows NT/2K/XP", L"Windows XP", L"txtWinXP"},
    };
    const wchar_t* tests[] = {L"txtWin32", L"txtWin95", L"txtWin98", L"txtWinME", L"txtWinNT", L"txtWin2K", L"txtWinXP"};
    const System* current = nullptr;
    auto version = k32::GetVersionExA.fake([&](LPOSVERSIONINFOA record) {
        record->dwMajorVersion = current->major;
        record->dwMinorVersion = current->minor;
        record->dwBuildNumber = 2600;
        record->dwPlatformId = current->platform;
        lstrcpyA(record->szCSDVersion, "Service Pack 3");
        return TRUE;
    });
    for (const System& system : systems) {
        SCOPED_TRACE(std::string(system.trueBox, system.trueBox + std::wcslen(system.trueBox)));
        current = &system;
        open(winVersionDemo);
        EXPECT_EQ(std::to_wstring(system.major), text(L"txtMajor"));
        EXPECT_EQ(std::to_wstring(system.minor), text(L"txtMinor"));
        EXPECT_EQ(L"2600", text(L"txtBuild"));
        EXPECT_EQ(L"Ser", text(L"txtExtraInfo"));
        EXPECT_EQ(system.platformText, text(L"txtPlatform"));
        EXPECT_EQ(system.systemText, text(L"txtSystem"));
        for (const wchar_t* box : tests) {
            EXPECT_EQ(std::wstring(box) == system.trueBox ? L"True" : L"False", text(box));
        }
    }
    EXPECT_EQ(L"Obtain detailed Windows version information.", text(L"Label2"));
    EXPECT_EQ(0, escapedError());
}

// Each locale code answers with its own number, so each box shows whose answer it holds.
TEST_F(ReadOutDemoTest, LocaleBoxesShowTheirOwnMembers) {
    auto info = k32::GetLocaleInfoA.fake([](LCID, LCTYPE code, LPSTR buffer, int size) {
        char answer[32];
        wsprintfA(answer, "c%lx", static_cast<unsigned long>(code));
        if (size < static_cast<int>(lstrlenA(answer)) + 1) return 0;
        lstrcpyA(buffer, answer);
        return lstrlenA(answer) + 1;
    });
    auto language = k32::GetSystemDefaultLangID.fake([] { return LANGID{0x0407}; });
    auto name = k32::VerLanguageNameA.fake([](DWORD id, LPSTR buffer, DWORD) {
        wsprintfA(buffer, "language %lx", static_cast<unsigned long>(id));
        return static_cast<DWORD>(lstrlenA(buffer));
    });
    open(localSettingsDemo);
    EXPECT_EQ(L"Orvane Suite: OVLocalSettings", textOf(window()));
    EXPECT_EQ(L"OVLocalSettings Control", text(L"Label1"));
    struct Box {
        const wchar_t* name;
        const wchar_t* shown;
    };
    const Box boxes[] = {
        {L"txtCountry", L"c1002"},   {L"txtCurrency", L"c14"},    {L"txtData", L"c1f"},
        {L"txtDecimal", L"ce"},      {L"txtLangName", L"c4"},     {L"txtNative", L"c8"},
        {L"txtNegative", L"c51"},    {L"txtNumber", L"###cf###ce######"}, {L"txtPositive", L"c50"},
        {L"txtSysLangID", L"1031"},  {L"txtSysLangName", L"language 407"}, {L"txtThousand", L"cf"},
        {L"txtTime", L"c1003"},
    };
    for (const Box& box : boxes) {
        EXPECT_EQ(box.shown, text(box.name)) << std::string(box.name, box.name + std::wcslen(box.name));
    }
    EXPECT_EQ(0, escapedError());
}

using ShellDemoTest = DemoTest;

TEST_F(ShellDemoTest, HelpFilesGoToTheComponentEvenWhenMissing) {
    std::vector<std::string> winHelp, htmlHelp;
    std::vector<UINT> commands;
    auto win = u32::WinHelpA.fake([&](HWND, LPCSTR file, UINT command, ULONG_PTR) {
        winHelp.push_back(file ? file : "");
        commands.push_back(command);
        return FALSE;
    });
    auto html = platform::hhctrl::HtmlHelpA.fake([&](HWND, LPCSTR file, UINT command, DWORD_PTR) -> HWND {
        htmlHelp.push_back(file ? file : "");
        commands.push_back(command);
        return nullptr;
    });
    open(helpDemo);
    EXPECT_EQ(L"c:\\windows\\help\\windows.hlp", text(L"txtHLP"));
    type(L"txtCHM", L"c:\\no such folder\\missing.chm");
    press(L"cmdHLP");
    press(L"cmdCHM");
    ASSERT_EQ(1u, winHelp.size());
    ASSERT_EQ(1u, htmlHelp.size());
    EXPECT_EQ("c:\\windows\\help\\windows.hlp", winHelp[0]);
    EXPECT_EQ("c:\\no such folder\\missing.chm", htmlHelp[0]);
    EXPECT_EQ((std::vector<UINT>{9, 0}), commands);
    EXPECT_EQ(0, escapedError());
}

TEST_F(ShellDemoTest, LinksOpenThroughTheShellAndLightUpUnderThePointer) {
    std::vector<std::string> opened;
    auto shell = platform::shell32::ShellExecuteA.fake([&](HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
        opened.push_back(file ? file : "");
        return reinterpret_cast<HINSTANCE>(33);
    });
    DemoForm& demo = open(hyperLinkDemo);
    HWND website = control(L"lblWebsite");
    HWND mail = control(L"lblEMail");
    for (HWND link : {website, mail}) {
        ::SendMessageW(::GetParent(link), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link), STN_CLICKED),
                       reinterpret_cast<LPARAM>(link));
    }
    ASSERT_EQ(2u, opened.size());
    const std::wstring websiteText = textOf(website), mailText = textOf(mail);
    EXPECT_EQ(std::string(websiteText.begin(), websiteText.end()), opened[0]);
    EXPECT_EQ("mailto:" + std::string(mailText.begin(), mailText.end()), opened[1]);

    ::SendMessageW(website, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(0xFF0000u, demo[L"lblWebsite"].foreColor());
    ::SendMessageW(window(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 300));
    EXPECT_EQ(0u, demo[L"lblWebsite"].foreColor());
    EXPECT_EQ(0u, demo[L"lblEMail"].foreColor());
}

}  // namespace
}  // namespace orvane::demo::test
