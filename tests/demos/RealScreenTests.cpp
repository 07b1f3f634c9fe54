// The programs and the branding forms as the screen this test runs on shows them: every
// caption fits the window the form made for it, measured with the font that window
// really uses. The ordinary run is a screen of 96 dots per inch; at-144dpi.sh runs the
// same cases on a large-font screen (144) and keeps those pictures beside the others.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DemoDriver.h"
#include "DemoFixture.h"
#include "OVDiskInfoDemo/frmOVDiskInfo.h"
#include "OVExtractIconDemo/frmOVExtractIcon.h"
#include "OVFolderSelectDemo/OVFolderSelect.h"
#include "OVHelpDemo/frmOVHelp.h"
#include "OVHyperLinkDemo/frmOVHyperLink.h"
#include "OVLinkedListDemo/frmOVLinkedList.h"
#include "OVLocalSettingsDemo/frmOVLocalSettings.h"
#include "OVMathDemo/frmOVMath.h"
#include "OVMemoryDemo/frmOVMemory.h"
#include "OVNumbersDemo/frmOVNumbers.h"
#include "OVPowerDemo/frmOVPower.h"
#include "OVScreenModesDemo/frmOVScreenModes.h"
#include "OVStackDemo/frmOVStack.h"
#include "OVWinVersionDemo/frmOVWinVersion.h"
#include "branding/forms/frmAbout2000.h"
#include "branding/forms/frmAboutStandard.h"
#include "branding/forms/frmOrvane.h"
#include "branding/forms/frmSerated.h"
#include "branding/forms/frmStandard.h"
#include "branding/forms/frmThe2000Look.h"
#include "branding/forms/frmThe98Look.h"
#include "frame/forms/Form.h"
#include "frame/forms/Twips.h"

namespace orvane::demo::test {
namespace {

using forms::ControlLayout;
using forms::Kind;

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The rectangle `text` takes in `window`'s own font: one line, or broken at words
// within `width`.
SIZE extentIn(HWND window, const std::wstring& text, int width = 0) {
    HDC dc = ::GetDC(window);
    auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    RECT area{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                DT_CALCRECT | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    if (previous) ::SelectObject(dc, previous);
    ::ReleaseDC(window, dc);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

int scaled(int pixelsAt96) { return ::MulDiv(pixelsAt96, forms::screenDpiY(), 96); }

// Each shown control whose caption is still the one its row gives: that caption fits its
// window. Texts a program or the user puts there later are theirs to fit.
std::vector<std::string> misfits(HWND form, const std::wstring& formName, std::span<const ControlLayout> rows,
                                 int& checked) {
    std::vector<std::string> found;
    for (const ControlLayout& row : rows) {
        if (!row.name || !row.text || !*row.text) continue;
        HWND window = findControl(form, row.name, row.index < 0 ? 0 : row.index);
        if (!window || !::IsWindowVisible(window)) continue;
        const std::wstring text = textOf(window);
        if (text != row.text && row.kind != Kind::ComboBox) continue;
        RECT client{};
        ::GetClientRect(window, &client);
        const int width = client.right, height = client.bottom;
        auto misfit = [&](const std::wstring& what) {
            found.push_back(narrow(formName + L"." + row.name + L": " + what));
        };
        ++checked;
        switch (row.kind) {
        case Kind::Label: {
            SIZE needed = extentIn(window, text, width);
            if (needed.cx > width) misfit(L"a word of \"" + text + L"\" is wider than the label");
            if (needed.cy > height) misfit(L"\"" + text + L"\" wraps below the label");
            break;
        }
        case Kind::CommandButton:
        case Kind::CheckBox: {
            const int room = row.kind == Kind::CheckBox ? scaled(20) : scaled(6);
            SIZE needed = extentIn(window, text);
            if (needed.cx + room > width) misfit(L"\"" + text + L"\" is wider than the button");
            if (needed.cy + scaled(2) > height) misfit(L"\"" + text + L"\" is taller than the button");
            break;
        }
        case Kind::Frame: {
            SIZE needed = extentIn(window, text);
            if (needed.cx + scaled(16) > width) misfit(L"the caption \"" + text + L"\" runs over the frame");
            break;
        }
        case Kind::ComboBox: {
            const int arrow = ::GetSystemMetrics(SM_CXVSCROLL);
            for (const std::wstring& entry : entriesOf(window)) {
                if (extentIn(window, entry).cx + arrow + scaled(6) > width) {
                    misfit(L"the entry \"" + entry + L"\" is wider than the box");
                }
            }
            break;
        }
        default:
            --checked;
            break;
        }
    }
    return found;
}

// The resolution this run expects, where a script set one (at-144dpi.sh).
void expectTheScreensResolution() {
    if (const char* expected = std::getenv("ORVANE_EXPECT_DPI")) {
        ASSERT_EQ(std::atoi(expected), forms::screenDpiY()) << "the screen's dots per inch";
    }
}

std::wstring pictureName(const std::wstring& name) { return std::to_wstring(forms::screenDpiY()) + L"dpi-" + name; }

class RealScreenTest : public DemoTest {};

TEST_F(RealScreenTest, EveryProgramsCaptionsFitTheirWindows) {
    expectTheScreensResolution();
    const DemoProgram* const programs[] = {
        &numbersDemo,  &mathDemo,         &stackDemo,       &linkedListDemo, &diskInfoDemo,
        &extractIconDemo, &powerDemo,     &folderSelectDemo, &screenModesDemo, &winVersionDemo,
        &localSettingsDemo, &memoryDemo,  &hyperLinkDemo,   &helpDemo,
    };
    int checked = 0;
    for (const DemoProgram* program : programs) {
        DemoForm& demo = open(*program);
        for (const std::string& misfit : misfits(window(), program->program, program->controls, checked)) {
            ADD_FAILURE() << misfit << " at " << forms::screenDpiY() << " DPI";
        }
        EXPECT_FALSE(saveScreenshot(window(), pictureName(program->program)).empty()) << narrow(program->program);
        demo.form().unload();
        demo_.reset();
    }
    EXPECT_GT(checked, 100) << "the captions were found on the screen";
    escapedErrors();  // read-outs of a machine without some facility are no layout matter
}

TEST_F(RealScreenTest, BrandingFormsCaptionsFitTheirWindows) {
    expectTheScreensResolution();
    const forms::FormDefinition& (*const definitions[])() = {
        &branding::frmOrvane,    &branding::frmStandard,      &branding::frmThe98Look, &branding::frmThe2000Look,
        &branding::frmSerated,   &branding::frmAboutStandard, &branding::frmAbout2000,
    };
    int checked = 0;
    for (auto definition : definitions) {
        forms::Form& form = forms::Form::instance(definition());
        form.show();
        const std::wstring name = definition().form.name;
        for (const std::string& misfit : misfits(form.hwnd(), name, definition().controls, checked)) {
            ADD_FAILURE() << misfit << " at " << forms::screenDpiY() << " DPI";
        }
        EXPECT_FALSE(saveScreenshot(form.hwnd(), pictureName(name)).empty()) << narrow(name);
        form.unload();
    }
    EXPECT_GT(checked, 20) << "the captions were found on the screen";
}

}  // namespace
}  // namespace orvane::demo::test
