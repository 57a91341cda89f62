#include "sim/LineSplitter.h"

namespace dalto::sim {

LineSplitter::Result LineSplitter::feed(QByteArrayView bytes)
{
    Result result;
    while (!bytes.isEmpty()) {
        const qsizetype lf = bytes.indexOf('\n');
        const QByteArrayView piece = lf < 0 ? bytes : bytes.first(lf);
        if (!discarding_) {
            if (partial_.size() + piece.size() > MaxLine) {
                partial_.clear();
                discarding_ = true;
                ++result.overruns;
            } else {
                partial_.append(piece);
            }
        }
        if (lf < 0)
            break;
        if (!discarding_)
            result.lines.push_back(partial_);
        partial_.clear();
        discarding_ = false;
        bytes = bytes.sliced(lf + 1);
    }
    return result;
}

void LineSplitter::reset()
{
    partial_.clear();
    discarding_ = false;
}

} // namespace dalto::sim
