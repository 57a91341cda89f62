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

void LinePacer::received(qsizetype byteCount)
{
    inputDoneNs_ = std::max(inputDoneNs_, clock_.nsecsElapsed()) + byteCount * nsPerByte_;
}

void LinePacer::pass(const QByteArray& bytes)
{
    if (nsPerByte_ == 0) {
        deliver_(bytes);
        return;
    }
    const qint64 start = std::max({outputFreeNs_, inputDoneNs_, clock_.nsecsElapsed()});
    outputFreeNs_ = start + bytes.size() * nsPerByte_;
    queue_.push_back({outputFreeNs_, bytes});
    if (!timer_.isActive())
        schedule();
}

// The timer counts whole milliseconds and the event loop wakes up to one late:
// aiming at the whole millisecond before the due time, and releasing what is
// due within the next one, keeps the releases centred on the line's own times,
// so a long exchange neither gains nor loses time against the wire.
void LinePacer::schedule()
{
    const qint64 wait = queue_.front().dueNs - clock_.nsecsElapsed();
    timer_.start(static_cast<int>(std::max<qint64>(0, wait / NsPerMs)));
}

void LinePacer::release()
{
    const qint64 now = clock_.nsecsElapsed();
    while (!queue_.empty() && queue_.front().dueNs <= now + NsPerMs) {
        const QByteArray bytes = std::move(queue_.front().bytes);
        queue_.pop_front();
        deliver_(bytes);
    }
    if (!queue_.empty())
        schedule();
}

} // namespace dalto::sim

