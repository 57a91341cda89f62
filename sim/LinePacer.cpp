#include "sim/LinePacer.h"

#include <algorithm>

namespace dalto::sim {

namespace {
constexpr qint64 NsPerMs = 1000000;
}

LinePacer::LinePacer(int bitsPerSecond, Deliver deliver, QObject* parent)
    : QObject(parent)
    , nsPerByte_(bitsPerSecond > 0 ? BitsPerByte * 1000000000LL / bitsPerSecond : 0)
    , deliver_(std::move(deliver))
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinePacer::release);
}

void LinePacer::pass(const QByteArray& bytes)
{
    if (nsPerByte_ == 0) {
        deliver_(bytes);
        return;
    }
    lineFreeNs_ = std::max(lineFreeNs_, clock_.nsecsElapsed()) + bytes.size() * nsPerByte_;
    queue_.push_back({lineFreeNs_, bytes});
    if (!timer_.isActive())
        schedule();
}

// The timer counts whole milliseconds: rounding to the nearest one keeps the
// release times centred on the line's own, so a long exchange neither gains
// nor loses time against the wire.
void LinePacer::schedule()
{
    const qint64 wait = queue_.front().dueNs - clock_.nsecsElapsed();
    timer_.start(static_cast<int>(std::max<qint64>(0, (wait + NsPerMs / 2) / NsPerMs)));
}

void LinePacer::release()
{
    const qint64 now = clock_.nsecsElapsed();
    while (!queue_.empty() && queue_.front().dueNs <= now + NsPerMs / 2) {
        const QByteArray bytes = std::move(queue_.front().bytes);
        queue_.pop_front();
        deliver_(bytes);
    }
    if (!queue_.empty())
        schedule();
}

} // namespace dalto::sim

