#pragma once
// A serial line at a real line rate. A pseudo-terminal passes bytes at once;
// on a real line (10 bits a byte: start, 8 data, stop) what comes in finishes
// crossing later, and an answer can only start after the last byte of the
// question and behind whatever is still going out. The device acts on bytes as
// they come (as a real one does on each byte); only what it sends is held back,
// by one timer, never a busy loop, so that timer latency is paid once per
// answer and not once per direction. Rate 0 passes everything on at once.

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

    // byteCount bytes have just come in: the line is busy with them until their
    // last byte would have crossed it.
    void received(qsizetype byteCount);
    // Sends bytes once the line is free of what came in before and of what is
    // already going out.
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
    qint64 inputDoneNs_ = 0;
    qint64 outputFreeNs_ = 0;
    std::deque<Chunk> queue_;
};

} // namespace dalto::sim
