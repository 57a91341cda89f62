// dalto-sim's command processing: a byte stream framed into lines and each line
// answered by a fresh simulated supply. Input: the stream. A reply never carries
// a line end of its own, and the error queue keeps its bound.

#include "FuzzInput.h"
#include "sim/CommandProcessor.h"
#include "sim/LineSplitter.h"

using namespace dalto;
using namespace dalto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray stream(reinterpret_cast<const char*>(data), qsizetype(size));
    sim::Device device{sim::DeviceConfig()};
    sim::CommandProcessor processor(device);
    sim::LineSplitter splitter;
    const sim::LineSplitter::Result framed = splitter.feed(stream);
    for (int i = 0; i < framed.overruns; ++i)
        processor.reportOverrun();
    for (const QByteArray& line : framed.lines) {
        const sim::LineResponse response = processor.handleLine(line);
        if (response.reply)
            FUZZ_CHECK(!response.reply->contains('\n') && !response.reply->contains('\r'),
                       text(line) + QStringLiteral(" -> ") + text(*response.reply));
        FUZZ_CHECK(device.events.errorCount() <= sim::EventRegisters::QueueCapacity, text(line));
    }
    return 0;
}
