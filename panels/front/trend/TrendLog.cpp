#include "TrendLog.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace dalto::front::trend {

TrendLog::TrendLog(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity, 1))
{
}

void TrendLog::begin(const QDateTime& wall, double clockSeconds)
{
    startWall_ = wall;
    startClock_ = clockSeconds;
    started_ = true;
}

void TrendLog::append(double clockSeconds, float volts, float amps, int32_t status, int32_t fault)
{
    if (!started_)
        begin(QDateTime::currentDateTime(), clockSeconds);
    const TrendRecord record{clockSeconds - startClock_, volts, amps, status, fault};
    latest_ = std::max(latest_, record.seconds);
    if (count_ > 0) {
        const TrendRecord& previous = back();
        for (const TrendMark mark : MarksBetween(previous.status, previous.fault, status, fault))
            marks_.push_back({record.seconds, mark});
    }

    if (count_ < capacity_) {
        // Grow as usual, but never beyond the bound.
        if (ring_.size() == ring_.capacity())
            ring_.reserve(std::min(capacity_, std::max<std::size_t>(ring_.size() * 2, 64)));
        ring_.push_back(record);
        ++count_;
        return;
    }
    ring_[head_] = record;
    head_ = (head_ + 1) % capacity_;
    ++dropped_;
    const double oldest = at(0).seconds;
    while (!marks_.empty() && marks_.front().seconds < oldest)
        marks_.pop_front();
}

void TrendLog::passTime(double clockSeconds)
{
    if (started_)
        latest_ = std::max(latest_, clockSeconds - startClock_);
}

const TrendRecord& TrendLog::at(std::size_t index) const
{
    if (index >= count_)
        throw std::out_of_range("trend record index");
    return ring_[(head_ + index) % capacity_];
}

std::size_t TrendLog::firstAtOrAfter(double seconds) const
{
    std::size_t low = 0;
    std::size_t high = count_;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (at(middle).seconds < seconds)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::size_t TrendLog::nearest(double seconds) const
{
    const std::size_t after = std::min(firstAtOrAfter(seconds), count_ - 1);
    if (after == 0)
        return 0;
    const double later = std::abs(at(after).seconds - seconds);
    const double earlier = std::abs(seconds - at(after - 1).seconds);
    return earlier <= later ? after - 1 : after;
}

} // namespace dalto::front::trend
