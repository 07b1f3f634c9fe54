// The programs' own layouts read well on an ordinary screen and on a large-font one: at
// 96 and at 144 dots per inch, with every font made as the forms make it for that
// resolution, each caption fits the place its table gives it. Measured with the
// platform's own text layout, so a caption that would be cut off or wrap out of its
// box on either screen fails here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
#include "frame/forms/Twips.h"

namespace orvane::demo::test {
namespace {

using forms::ControlLayout;
using forms::Font;
using forms::Kind;

// The fourteen programs whose places and fonts are this project's own. The two branding
// programs keep the fixed layout they were given, to the twip, on every screen.
const DemoProgram* const laidOutHere[] = {
    &numbersDemo,  &mathDemo,         &stackDemo,       &linkedListDemo, &diskInfoDemo,
    &extractIconDemo, &powerDemo,     &folderSelectDemo, &screenModesDemo, &winVersionDemo,
    &localSettingsDemo, &memoryDemo,  &hyperLinkDemo,   &helpDemo,
};

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A memory device context with a font made from `fontDesc` for `dpi`, as the forms make it.
class Measure {
public:
    Measure(const Font& fontDesc, int dpi) : dc_(::CreateCompatibleDC(nullptr)) {
        LOGFONTW description{};
        description.lfHeight = forms::pointsToFontHeight(fontDesc.size, dpi);
        description.lfWeight = fontDesc.weight;
        description.lfItalic = fontDesc.italic;
        description.lfUnderline = fontDesc.underline;
        description.lfCharSet = fontDesc.charset;
        ::lstrcpynW(description.lfFaceName, fontDesc.face, LF_FACESIZE);
        font_ = ::CreateFontIndirectW(&description);
        previous_ = ::SelectObject(dc_, font_);
    }
    ~Measure() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(font_);
        ::DeleteDC(dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    // The rectangle the text takes: one line, or broken at words within `width`.
    SIZE extent(const std::wstring& text, int width = 0) const {
        RECT area{0, 0, width, 0};
        UINT format = DT_CALCRECT | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
        ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area, format);
        return SIZE{area.right - area.left, area.bottom - area.top};
    }

private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int scaled(int pixelsAt96, int dpi) { return ::MulDiv(pixelsAt96, dpi, 96); }

struct Misfit {
    std::wstring where;
    std::wstring what;
};

// Every row whose caption the program lays out itself; labels sized to their text grow
// to fit and are left out, as are boxes whose text the user types.
std::vector<Misfit> misfits(const DemoProgram& program, int dpi) {
    std::vector<Misfit> found;
    for (const ControlLayout& row : program.controls) {
        std::wstring text = row.text ? row.text : L"";
        const Font& fontDesc = row.font.empty() ? (program.form.font.empty() ? forms::DefaultFormFont
                                                                              : program.form.font)
                                                : row.font;
        const int width = forms::twipsToPixels(row.width, dpi);
        const int height = forms::twipsToPixels(row.height, dpi);
        Measure measure(fontDesc, dpi);
        auto misfit = [&](const std::wstring& what) {
            found.push_back({std::wstring(program.program) + L"." + row.name, what});
        };
        switch (row.kind) {
        case Kind::Label: {
            if (text.empty() || forms::has(row.style, forms::AutoSize)) break;
            SIZE needed = measure.extent(text, width);
            if (needed.cx > width) misfit(L"a word of \"" + text + L"\" is wider than the label");
            if (needed.cy > height) misfit(L"\"" + text + L"\" wraps below the label");
            break;
        }
        case Kind::CommandButton:
        case Kind::CheckBox: {
            if (text.empty()) break;
            // The button's edge and focus rectangle, or the check box's square.
            const int room = row.kind == Kind::CheckBox ? scaled(20, dpi) : scaled(6, dpi);
            SIZE needed = measure.extent(text);
            if (needed.cx + room > width) misfit(L"\"" + text + L"\" is wider than the button");
            if (needed.cy + scaled(2, dpi) > height) misfit(L"\"" + text + L"\" is taller than the button");
            break;
        }
        case Kind::Frame: {
            if (text.empty()) break;
            SIZE needed = measure.extent(text);
            if (needed.cx + scaled(16, dpi) > width) misfit(L"the caption \"" + text + L"\" runs over the frame");
            break;
        }
        case Kind::ComboBox: {
            // Every list entry shows whole beside the drop-down arrow.
            const int arrow = scaled(::GetSystemMetrics(SM_CXVSCROLL) * 96 / forms::screenDpiX(), dpi);
            for (const wchar_t* item : row.items) {
                SIZE needed = measure.extent(item);
                if (needed.cx + arrow + scaled(6, dpi) > width) {
                    misfit(L"the entry \"" + std::wstring(item) + L"\" is wider than the box");
                }
            }
            break;
        }
        default:
            break;
        }
    }
    return found;
}

class DemoLayoutTest : public ::testing::TestWithParam<int> {};

TEST_P(DemoLayoutTest, EveryCaptionFitsItsPlace) {
    const int dpi = GetParam();
    int checked = 0;
    for (const DemoProgram* program : laidOutHere) {
        for (const Misfit& misfit : misfits(*program, dpi)) {
            ADD_FAILURE() << narrow(misfit.where) << " at " << dpi << " DPI: " << narrow(misfit.what);
        }
        checked += static_cast<int>(program->controls.size());
    }
    EXPECT_GT(checked, 200) << "every program's table was read";
}

INSTANTIATE_TEST_SUITE_P(Screens, DemoLayoutTest, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "dpi"; });

// The measure itself tells a caption that fits from one that does not.
TEST(DemoLayoutMeasure, TellsAFittingCaptionFromALongOne) {
    Measure measure(forms::font(L"Arial", 8.25), 96);
    const int width = forms::twipsToPixels(1200, 96);
    EXPECT_LE(measure.extent(L"Close").cx, width);
    EXPECT_GT(measure.extent(L"A caption far too long for a button of eighty pixels").cx, width);
    SIZE wrapped = measure.extent(L"one two three four five six seven eight nine ten", width);
    EXPECT_LE(wrapped.cx, width);
    EXPECT_GT(wrapped.cy, measure.extent(L"one").cy) << "broken into lines";
    Measure large(forms::font(L"Arial", 8.25), 144);
    EXPECT_GT(large.extent(L"Close").cx, measure.extent(L"Close").cx) << "the large-font screen makes larger type";
}

}  // namespace
}  // namespace orvane::demo::test
