// What every demonstration program shares: one form built from its table, the suite
// control placed on it (created by programmatic identifier, sited, initialised as new
// or loaded from an empty property store, invisible at run time), cmdClose ending the
// program, and the runtime's report of an error no handler takes.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "LateBound.h"
#include "frame/forms/Form.h"
#include "frame/forms/FormTable.h"

namespace orvane {
class ControlSite;
}

namespace orvane::demo {

class DemoForm;

struct DemoProgram {
    const wchar_t* program;                  // "OVNumbersDemo": the title of its message boxes
    const forms::FormLayout& form;
    std::span<const forms::ControlLayout> controls;
    const wchar_t* controlClass;             // "OVNumbers" placed as OVNumbers1; nullptr: none
    bool loadFromStore;                      // loaded from an empty property store, not new
    void (*handlers)(DemoForm& demo, forms::HandlerMap& map);
};

// How a program obtains a new instance of a class named by programmatic identifier.
// Programs go through COM; a test process may serve the classes itself.
using InstanceFactory = std::function<ComPtr<IUnknown>(const std::wstring& programmaticId)>;
void setInstanceFactory(InstanceFactory factory);
ComPtr<IUnknown> createInstance(const std::wstring& programmaticId);

class DemoForm {
public:
    explicit DemoForm(const DemoProgram& program);
    ~DemoForm();
    DemoForm(const DemoForm&) = delete;
    DemoForm& operator=(const DemoForm&) = delete;

    const DemoProgram& program() const noexcept { return program_; }
    forms::Form& form() noexcept { return *form_; }
    forms::FormControl& operator[](std::wstring_view name) { return form_->control(name); }

    // The control placed on the form (`OVNumbers1`); empty before Load and for a
    // program that places none.
    const LateBound& control() const noexcept { return control_; }

    // An object the form keeps in a variable of its own (released with the form).
    LateBound& variable(const std::wstring& name) { return variables_[name]; }

    // Loads and shows the form, painted before returning.
    void show();
    // Unloads the form and takes the control off it.
    void close() noexcept;

private:
    void placeControl();
    void removeControl() noexcept;

    const DemoProgram& program_;
    std::unique_ptr<forms::Form> form_;
    ComPtr<ControlSite> site_;
    ComPtr<IUnknown> instance_;
    LateBound control_;
    std::map<std::wstring, LateBound> variables_;
};

// The program's entry: the start-up routine runs the one form until End or an
// unhandled error; returns the exit status.
int runDemo(const DemoProgram& program);

// The fonts and colours the forms share.
constexpr forms::Font buttonFont = forms::font(L"MS Sans Serif", 8.25);
constexpr forms::Font headingFont = forms::font(L"Arial", 14.25, forms::Bold);
constexpr forms::Font descriptionFont = forms::font(L"Arial", 9);
constexpr forms::Color bandColor = 0x00602000;        // deep blue band behind the heading
constexpr forms::Color headingColor = 0x0000FFFF;     // yellow
constexpr forms::Color descriptionColor = 0x00FFFFFF;

// Rows of the pattern every form shares, in twips.
namespace rows {
using forms::ControlLayout;
using forms::Kind;

// The heading ("OVNumbers Control") on the band.
constexpr ControlLayout heading(const wchar_t* name, const wchar_t* text, double left, double top, double width,
                              double height) {
    return {Kind::Label, name, text, left, top, width, height, headingFont, headingColor, bandColor, forms::Transparent};
}
// The description sentence on the band, wrapped.
constexpr ControlLayout description(const wchar_t* name, const wchar_t* text, double left, double top, double width,
                                  double height) {
    return {Kind::Label, name, text, left, top, width, height, descriptionFont, descriptionColor, bandColor,
            forms::Transparent | forms::WordWrap};
}
// Shape1: the band behind heading and description.
constexpr ControlLayout band(double width, double height) {
    return forms::shape(L"Shape1", 0, 0, width, height, bandColor);
}
constexpr ControlLayout label(const wchar_t* name, const wchar_t* text, double left, double top, double width,
                            double height = 255, forms::Style style = forms::NoStyle) {
    return {Kind::Label, name, text, left, top, width, height, buttonFont, forms::DefaultColor, forms::DefaultColor,
            style};
}
constexpr ControlLayout button(const wchar_t* name, const wchar_t* text, double left, double top, double width,
                             double height = 375) {
    return {Kind::CommandButton, name, text, left, top, width, height, buttonFont};
}
// cmdClose "&Close".
constexpr ControlLayout closeButton(double left, double top, double width = 1215, double height = 375) {
    return button(L"cmdClose", L"&Close", left, top, width, height);
}
constexpr ControlLayout textBox(const wchar_t* name, const wchar_t* text, double left, double top, double width,
                              double height = 315, forms::Style style = forms::NoStyle) {
    return {Kind::TextBox, name, text, left, top, width, height, buttonFont, forms::DefaultColor, forms::DefaultColor,
            style};
}

// Read-out rows: a caption label and its text box side by side, laid out in columns.
struct Grid {
    double left, top;         // the first row's top left
    double labelWidth, boxWidth;
    double columnGap = 240;   // between a box and the next column's label
    double rowHeight = 405;

    constexpr double x(int column) const { return left + column * (labelWidth + boxWidth + 120 + columnGap); }
    constexpr double y(int row) const { return top + row * rowHeight; }
    constexpr ControlLayout caption(const wchar_t* name, const wchar_t* text, int column, int row) const {
        return label(name, text, x(column), y(row) + 45, labelWidth, 255, forms::AlignRight);
    }
    constexpr ControlLayout box(const wchar_t* name, int column, int row) const {
        return textBox(name, L"", x(column) + labelWidth + 120, y(row), boxWidth);
    }
};
}  // namespace rows

}  // namespace orvane::demo
