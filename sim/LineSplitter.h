#pragma once
// Cuts a byte stream into LF-ended lines. A line that grows beyond MaxLine
// bytes without an LF is dropped (and counted) instead of being buffered
// without bound; reading resumes after its LF.

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace dalto::sim {

class LineSplitter {
public:
    static constexpr qsizetype MaxLine = 4096;

    struct Result {
        std::vector<QByteArray> lines; // without LF
        int overruns = 0;
    };

    Result feed(QByteArrayView bytes);
    // Forgets a partial line (the peer went away).
    void reset();

private:
    QByteArray partial_;
    bool discarding_ = false;
};

} // namespace dalto::sim
