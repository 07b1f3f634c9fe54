// Forms that fill read-out boxes from the control's members at load.
#pragma once

#include "DemoForm.h"

namespace orvane::demo {

struct ReadOut {
    const wchar_t* box;
    DISPID member;
};

enum class ReadOutFormat { Text, Grouped };

// Each box in turn gets its member's result as display text (or "#,##" grouped).
void fillReadOuts(DemoForm& demo, std::span<const ReadOut> readOuts, ReadOutFormat format = ReadOutFormat::Text);

}  // namespace orvane::demo
