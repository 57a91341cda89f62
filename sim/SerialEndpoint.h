#pragma once
// The device end of a serial line (a real port or a pseudo-terminal), 8N1.
// As a plain RS-232 device it answers every LF-ended line; as an RS-485 node
// it answers only what the bus addresses to it. After a power cycle into the
// boot loader, the boot loader has the line until its restart. Optionally
// paced to a real line rate. When the line goes away (the far end of a
// pseudo-terminal closes) it keeps trying to open it again.

#include "sim/BootSession.h"
#include "sim/FaultInjector.h"
#include "sim/LinePacer.h"
#include "sim/SimOptions.h"
#include "sim/LineResponder.h"
#include "sim/LineSplitter.h"
#include "sim/Rs485Node.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <optional>

namespace dalto::sim {

class SerialEndpoint : public QObject {
    Q_OBJECT
public:
    static constexpr int ReopenIntervalMs = 500;
    // Replies that pile up because nobody reads the line are dropped beyond this.
    static constexpr qint64 MaxPendingOutput = 1024 * 1024;

    // The line, its rate and pacing, RS-485 (a node whose address is the
    // device's serial address) and the boot loader come from the options.
    SerialEndpoint(CommandProcessor& processor, TrafficLog& log, Device& device, const SimOptions& options,
                   QObject* parent = nullptr);

    bool open(QString* error);
    // "serial /dev/pts/3" or "serial /dev/pts/3 rs485 node 7"
    QString description() const;
    void setFaultPlan(const FaultPlan& plan) { faults_.setPlan(plan); }

private:
    void readPort();
    void handleInput(const QByteArray& bytes);
    void handleError(QSerialPort::SerialPortError error);
    void reopen();
    void respond(const QByteArray& line);
    void send(const QByteArray& bytes);
    void write(const QByteArray& bytes);
    // Closes the line and tries to open it again every reopenMs.
    void closeLine(int reopenMs);

    QSerialPort port_;
    QTimer reopenTimer_;
    InterfaceSettings& interfaces_;
    QString device_;
    int baudRate_;
    LineSplitter splitter_;
    std::optional<Rs485Node> node_;
    LineResponder responder_;
    FaultInjector faults_;
    BootSession boot_;
    LinePacer pacer_;
};

} // namespace dalto::sim
