#pragma once
// One direction of a serial line at a real line rate. A pseudo-terminal
// passes bytes at once; this holds each chunk back until its last byte would
// have crossed a line of that rate (10 bits a byte: start, 8 data, stop),
// chunks queueing behind each other as they would on the wire. The wait is a
// timer, never a busy loop. Rate 0 passes everything on at once.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

namespace dalto::sim {

class LinePacer : public QObject {
    Q_OBJECT
public:
    static constexpr int BitsPerByte = 10;

    using Deliver = std::function<void(const QByteArray&)>;
    LinePacer(int bitsPerSecond, Deliver deliver, QObject* parent = nullptr);

    void pass(const QByteArray& bytes);

private:
    struct Chunk {
        qint64 dueNs;
        QByteArray bytes;
    };

    void schedule();
    void release();

    qint64 nsPerByte_;
    Deliver deliver_;
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 lineFreeNs_ = 0;
    std::deque<Chunk> queue_;
};

} // namespace dalto::sim
