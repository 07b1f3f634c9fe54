#include "frame/forms/FormErrors.h"

namespace orvane::forms {

void raiseFormError(long number) {
    switch (number) {
    case formError::DeviceUnavailable: raise(number, L"Device unavailable");
    case formError::PathNotFound: raise(number, L"Path not found");
    case formError::ReadOnlyText: raise(number, L"'Text' property is read-only");
    case formError::AlreadyDisplayed: raise(number, L"Form already displayed; can't show modally");
    default: raise(number);
    }
}

}  // namespace orvane::forms
