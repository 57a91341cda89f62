#pragma once
// A scripted device behind the link's serial line and socket, on the fake clock.
// It records every open, close, connect and write with the clock's time, and
// delivers scripted reply bytes at chosen times:
//
//     ScriptedTransport device(clock);
//     DeviceLink link(context, device.backends());
//     device.reply("1388,3E8\r\n");      // answers the next command line
//     link.WriteDevice("<>SCL", false);
//     link.ReadDevice(reply, 2, false);  // "1388,3E8\r\n"
//
// The same device serves as serial line and as socket; a test uses one bus at a time.

#include "FakeClock.h"
#include "link/LinkBackends.h"
#include "link/LinkFault.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace dalto::testing {

enum class Channel { Serial, Socket };

struct WireEvent {
    enum class Kind { Open, Close, Connect, Write };
    Kind kind;
    Channel channel;
    double time;
    QByteArray bytes; // Write
    int port = 0;     // Open: serial port number; Connect: TCP port
    int baud = 0;     // Open
    QString host;     // Connect
};

// Which write a queued reply answers.
enum class AnswersTo {
    CommandLine, // the next write that carries an LF (a command, or the last frame of one)
    AnyWrite,    // the next write of any kind (e.g. an RS-485 control exchange)
};

class ScriptedTransport {
public:
    explicit ScriptedTransport(FakeClock& clock);
    ~ScriptedTransport();
    ScriptedTransport(const ScriptedTransport&) = delete;
    ScriptedTransport& operator=(const ScriptedTransport&) = delete;

    // Backends whose serial line and socket are this device. Without a GPIB driver
    // the link gets a simulated GPIB bus with no instruments.
    std::unique_ptr<LinkBackends> backends(std::unique_ptr<GpibDriver> gpib = nullptr);

    // Queues bytes that arrive afterSeconds after the write they answer; queued
    // replies answer successive writes in order.
    void reply(const QByteArray& bytes, double afterSeconds = 0, AnswersTo trigger = AnswersTo::CommandLine);
    // Bytes that arrive at an absolute clock time (now or earlier: already waiting).
    void deliverAt(double time, const QByteArray& bytes);

    // Called with every write after it was recorded: lets a scripted peer answer
    // what it reads (for example a boot loader that parses packets).
    void onWrite(std::function<void(const QByteArray&)> peer) { onWrite_ = std::move(peer); }

    // The socket connects this long after connectToHost (default at once).
    void connectAfter(double seconds) { connectDelay_ = seconds; }
    void refuseConnections() { connectDelay_.reset(); }
    // The connection breaks now and every later connect fails at once, with why as
    // the socket's failure, until acceptConnections.
    void failConnections(LinkFault why);
    void acceptConnections();

    // The next open or connect, write, or read throws fault.
    void failNextOpen(LinkFault fault) { openFault_ = std::move(fault); }
    void failNextWrite(LinkFault fault) { writeFault_ = std::move(fault); }
    void failNextRead(LinkFault fault) { readFault_ = std::move(fault); }

    const std::vector<WireEvent>& events() const { return events_; }
    std::vector<WireEvent> writes() const;
    // Every byte written, in order.
    QByteArray written() const;
    // The command lines written from byte mark on, without their LF; mark moves to
    // the end.
    QStringList linesSince(qsizetype& mark) const;
    // Bytes delivered but not read yet (including those still to arrive).
    qsizetype unreadBytes() const;
    bool serialOpen() const { return serialOpen_; }
    bool socketActive() const { return socketActive_; }

private:
    class Line;
    class Socket;
    struct Arrival {
        double time;
        QByteArray bytes;
    };
    struct Queued {
        QByteArray bytes;
        double afterSeconds;
        AnswersTo trigger;
    };

    void record(WireEvent event);
    void throwIfScripted(std::optional<LinkFault>& fault);
    void open(int port, int baud);
    void close(Channel channel);
    void connect(const QString& host, int port);
    bool connected() const;
    void write(Channel channel, const QByteArray& bytes);
    qint64 bytesArrived() const;
    QByteArray takeArrived();

    FakeClock& clock_;
    std::vector<WireEvent> events_;
    std::vector<Arrival> arrivals_;
    std::deque<Queued> queued_;
    bool serialOpen_ = false;
    bool socketActive_ = false;
    double connectedAt_ = 0;
    std::optional<double> connectDelay_ = 0.0;
    bool willConnect_ = false;
    std::optional<LinkFault> openFault_;
    std::optional<LinkFault> writeFault_;
    std::optional<LinkFault> readFault_;
    std::optional<LinkFault> connectionFailure_;
    std::function<void(const QByteArray&)> onWrite_;
};

} // namespace dalto::testing
