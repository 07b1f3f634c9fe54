// A demonstration form opened in this process, with the library's classes served from
// it and the errors no handler takes collected instead of ending the test.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DemoDriver.h"
#include "frame/forms/Program.h"

namespace orvane::demo::test {

class DemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { serveClassesInProcess(); }

    void SetUp() override {
        forms::setUnhandledErrorPolicy([this](const RuntimeError& error) { escaped.push_back(error); });
    }
    // An error that would have ended the program fails the test unless the test looked
    // at what escaped.
    void TearDown() override {
        demo_.reset();
        forms::setUnhandledErrorPolicy({});
        if (!consumed_) {
            for (const RuntimeError& error : escaped) {
                ADD_FAILURE() << "error " << error.number() << " escaped the handlers: "
                              << std::string(error.description().begin(), error.description().end());
            }
        }
    }

    DemoForm& open(const DemoProgram& program) {
        demo_ = std::make_unique<DemoForm>(program);
        demo_->show();
        return *demo_;
    }
    HWND window() { return demo_->form().hwnd(); }
    HWND control(std::wstring_view name, int index = 0) {
        HWND found = findControl(window(), name, index);
        EXPECT_TRUE(found) << "no control answers the name " << std::string(name.begin(), name.end());
        return found;
    }
    std::wstring text(std::wstring_view name, int index = 0) { return textOf(control(name, index)); }
    void press(std::wstring_view name) { click(control(name)); }
    void type(std::wstring_view name, const std::wstring& value) { typeInto(control(name), value); }
    void pick(std::wstring_view name, const std::wstring& entry) { choose(control(name), entry); }
    // The number of the one error that escaped the handlers (0 when none did).
    long escapedError() {
        consumed_ = true;
        return escaped.empty() ? 0 : escaped.front().number();
    }
    // The errors that escaped, for a test that expects some.
    const std::vector<RuntimeError>& escapedErrors() {
        consumed_ = true;
        return escaped;
    }

    std::vector<RuntimeError> escaped;
    bool consumed_ = false;
    std::unique_ptr<DemoForm> demo_;
};

}  // namespace orvane::demo::test
