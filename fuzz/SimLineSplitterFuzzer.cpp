// dalto-sim's framing of the byte stream into lines. Input: the first byte sets
// the chunk size the stream arrives in, the rest is the stream. However the
// stream is cut, the same lines come out, none longer than the limit.

#include "FuzzInput.h"
#include "sim/LineSplitter.h"

using namespace dalto;
using namespace dalto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const qsizetype chunk = 1 + input.byte();
    const QByteArray stream = input.rest();

    sim::LineSplitter whole;
    const sim::LineSplitter::Result once = whole.feed(stream);

    sim::LineSplitter pieces;
    std::vector<QByteArray> lines;
    int overruns = 0;
    for (qsizetype at = 0; at < stream.size(); at += chunk) {
        sim::LineSplitter::Result part = pieces.feed(QByteArrayView(stream).sliced(at, std::min(chunk, stream.size() - at)));
        lines.insert(lines.end(), part.lines.begin(), part.lines.end());
        overruns += part.overruns;
    }
    FUZZ_CHECK(lines == once.lines && overruns == once.overruns, QString::number(chunk));
    for (const QByteArray& line : lines)
        FUZZ_CHECK(line.size() <= sim::LineSplitter::MaxLine && !line.contains('\n'), QString::number(line.size()));
    FUZZ_CHECK(qsizetype(lines.size()) + overruns <= stream.count('\n') + 1, QString::number(lines.size()));
    return 0;
}
