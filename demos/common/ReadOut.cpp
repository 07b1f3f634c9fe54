#include "ReadOut.h"

#include "DisplayText.h"

namespace orvane::demo {

void fillReadOuts(DemoForm& demo, std::span<const ReadOut> readOuts, ReadOutFormat format) {
    for (const ReadOut& readOut : readOuts) {
        Variant value = demo.control().call(readOut.member);
        demo[readOut.box].setText(format == ReadOutFormat::Grouped ? groupedText(*value.get())
                                                                   : displayText(*value.get()));
    }
}

}  // namespace orvane::demo
