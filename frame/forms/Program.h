// Program services: message boxes, the start-up routine, End, and the standard report
// of an unhandled error.
#pragma once

#include "frame/base/Errors.h"
#include "frame/forms/Form.h"

#include <functional>
#include <string>

namespace orvane::forms {

// The title of message boxes that name none, and of the error report. A program sets
// it at start-up; the library uses its own application title.
const std::wstring& programTitle();
void setProgramTitle(std::wstring title);

// MB_* buttons, icon and default-button bits; returns IDOK, IDCANCEL, IDYES, ... The box
// is owned by the thread's active window, if any.
int msgBox(const std::wstring& text, UINT buttons = MB_OK, const std::wstring& title = {});

// Shows the start-up form and pumps the thread's messages until the last form of the
// thread unloads, End runs, or an unhandled error has been reported. Returns the exit
// status: 0, or non-zero after an unhandled error.
int run(Form& startup);
// Builds the start-up form from its definition, runs it, and returns the exit status;
// errors raised before the loop (in Load) are reported the standard way.
int runProgram(const FormDefinition& startup, const std::wstring& title);

// Unloads every form of the thread without their events and ends the program: inside
// run() the loop returns 0; elsewhere the process exits.
[[noreturn]] void end();

// The text of the standard report: number and description.
std::wstring unhandledErrorText(const RuntimeError& error);
// Shows the standard report, then ends the program with a non-zero status (inside run()
// the loop returns it; elsewhere the process exits).
void reportUnhandledError(const RuntimeError& error);

// What happens to an error that escapes an event handler. The default is the standard
// report (reportUnhandledError). Library forms hosted by somebody else's program, and
// tests, may replace it for the current thread; an empty function restores the default.
using ErrorPolicy = std::function<void(const RuntimeError&)>;
void setUnhandledErrorPolicy(ErrorPolicy policy);
void handleEscapedError(const RuntimeError& error);

// Unloads every form of the thread without events and ends with `status`: inside run()
// the loop returns it; elsewhere the process exits.
void finishProgram(int status);

// Thrown by end(); caught where the runtime dispatches events and by run().
struct ProgramEnd {
    int status = 0;
};

}  // namespace orvane::forms
