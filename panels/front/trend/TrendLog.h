#pragma once
// The readings of one trend session in a ring of compact records: when the ring
// is full each new reading replaces the oldest one, so memory stays bounded
// however long the panel polls. Status marks (output on/off, trips, faults) are
// found while recording and kept as long as the readings they belong to.

#include "TrendMarks.h"

#include <QDateTime>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace dalto::front::trend {

struct TrendRecord {
    double seconds; // since the session started
    float volts;
    float amps;
    int32_t status;
    int32_t fault;
};
static_assert(sizeof(TrendRecord) <= 24, "a reading stays compact");

struct TrendMarkRecord {
    double seconds;
    TrendMark mark;
};

class TrendLog {
public:
    // 24 hours of readings at five a second.
    static constexpr std::size_t DefaultCapacity = std::size_t(24) * 3600 * 5;

    explicit TrendLog(std::size_t capacity = DefaultCapacity);

    // Fixes the session's start: the clock reading (seconds) taken at wall time.
    // Without it, the first reading starts the session at the present time.
    void begin(const QDateTime& wall, double clockSeconds);
    void append(double clockSeconds, float volts, float amps, int32_t status, int32_t fault);
    // A poll at clockSeconds that brought no measurement: time goes on without
    // a reading (nothing before the first reading).
    void passTime(double clockSeconds);
    // The latest time of a reading or a poll without one (seconds since the
    // session started).
    double latest() const { return latest_; }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::size_t capacity() const { return capacity_; }
    // Readings replaced because the ring was full.
    std::size_t dropped() const { return dropped_; }
    // Oldest first.
    const TrendRecord& at(std::size_t index) const;
    const TrendRecord& back() const { return at(count_ - 1); }
    // Index of the first reading at or after seconds (size() when none).
    std::size_t firstAtOrAfter(double seconds) const;
    // Index of the reading nearest in time to seconds (the log must not be empty).
    std::size_t nearest(double seconds) const;

    const std::deque<TrendMarkRecord>& marks() const { return marks_; }
    const QDateTime& startWall() const { return startWall_; }

private:
    std::size_t capacity_;
    std::vector<TrendRecord> ring_;
    std::size_t head_ = 0; // index of the oldest record once the ring is full
    std::size_t count_ = 0;
    std::size_t dropped_ = 0;
    std::deque<TrendMarkRecord> marks_;
    QDateTime startWall_;
    double startClock_ = 0;
    double latest_ = 0;
    bool started_ = false;
};

} // namespace dalto::front::trend
