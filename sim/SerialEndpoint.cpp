#include "sim/SerialEndpoint.h"

namespace dalto::sim {

SerialEndpoint::SerialEndpoint(CommandProcessor& processor, TrafficLog& log, Device& device,
                               const SimOptions& options, QObject* parent)
    : QObject(parent)
    , interfaces_(device.interfaces)
    , device_(options.serialDevice)
    , baudRate_(options.baudRate)
    , responder_(processor, log, options.rs485 ? QStringLiteral("rs485") : QStringLiteral("serial"))
    , faults_(log, responder_.channel(),
              {[this](const QByteArray& bytes) { send(bytes); }, [this] { return port_.bytesToWrite(); },
               [this](int ms) { closeLine(ms); }})
    , boot_(device, log, responder_.channel(), options.boot)
    , pacer_(options.lineRate, [this](const QByteArray& bytes) { write(bytes); })
{
    if (options.rs485)
        node_.emplace(interfaces_.serialAddress());
    connect(&boot_, &BootSession::reply, this, &SerialEndpoint::send);
    reopenTimer_.setInterval(ReopenIntervalMs);
    connect(&reopenTimer_, &QTimer::timeout, this, &SerialEndpoint::reopen);
    connect(&port_, &QSerialPort::readyRead, this, &SerialEndpoint::readPort);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialEndpoint::handleError);
}

bool SerialEndpoint::open(QString* error)
{
    port_.setPortName(device_);
    if (!port_.open(QIODevice::ReadWrite)) {
        *error = port_.errorString();
        return false;
    }
    port_.setBaudRate(baudRate_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.clear();
    return true;
}

QString SerialEndpoint::description() const
{
    QString text = QStringLiteral("serial ") + device_;
    if (node_)
        text += QStringLiteral(" rs485 node %1").arg(node_->address());
    return text;
}

void SerialEndpoint::readPort()
{
    const QByteArray bytes = port_.readAll();
    pacer_.received(bytes.size());
    handleInput(bytes);
}

void SerialEndpoint::handleInput(const QByteArray& bytes)
{
    if (!node_) {
        // Line by line, so that what follows a power cycle into the boot
        // loader reaches the boot loader.
        qsizetype from = 0;
        while (from < bytes.size() && !boot_.active()) {
            const qsizetype lineFeed = bytes.indexOf('\n', from);
            const qsizetype to = lineFeed < 0 ? bytes.size() : lineFeed + 1;
            const LineSplitter::Result input = splitter_.feed(QByteArrayView(bytes).sliced(from, to - from));
            for (int i = 0; i < input.overruns; ++i)
                responder_.overrun();
            for (const QByteArray& line : input.lines)
                respond(line);
            from = to;
        }
        if (boot_.active()) {
            splitter_.reset();
            boot_.feed(QByteArrayView(bytes).sliced(from));
        }
        return;
    }
    if (boot_.active()) {
        boot_.feed(bytes);
        return;
    }

    // The node follows address changes made by a command ("SYST:COMM:SER:ADDR"),
    // the device follows those made on the bus ("%" control line).
    node_->setAddress(interfaces_.serialAddress());
    const Rs485Node::Result input = node_->feed(bytes, [this](const QByteArray& line) {
        interfaces_.setSerialAddress(node_->address());
        respond(line);
        node_->setAddress(interfaces_.serialAddress());
    });
    interfaces_.setSerialAddress(node_->address());
    if (input.newAddress)
        responder_.log().note(responder_.channel(), QStringLiteral("address changed to %1").arg(*input.newAddress));
    if (!input.controlReplies.isEmpty()) {
        responder_.log().sent(responder_.channel(), input.controlReplies);
        send(input.controlReplies);
    }
    for (int i = 0; i < input.overruns; ++i)
        responder_.overrun();
}

void SerialEndpoint::respond(const QByteArray& line)
{
    const LineResponder::Outcome outcome = responder_.respond(line);
    if (!outcome.bytes.isEmpty())
        faults_.deliver(outcome.bytes);
}

void SerialEndpoint::send(const QByteArray& bytes)
{
    pacer_.pass(bytes);
}

void SerialEndpoint::write(const QByteArray& bytes)
{
    if (port_.bytesToWrite() > MaxPendingOutput) {
        responder_.log().note(responder_.channel(), QStringLiteral("nobody reads the line, replies dropped"));
        port_.clear(QSerialPort::Output);
    }
    port_.write(bytes);
    // Out now rather than on the next turn of the event loop.
    port_.flush();
}

void SerialEndpoint::handleError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_.isOpen())
        return;
    responder_.log().note(responder_.channel(), QStringLiteral("line lost: ") + port_.errorString());
    // Closing from inside the error signal is not safe; do it on the next turn.
    QTimer::singleShot(0, this, [this] { closeLine(ReopenIntervalMs); });
}

void SerialEndpoint::closeLine(int reopenMs)
{
    port_.close();
    splitter_.reset();
    if (node_)
        node_->reset();
    faults_.clientGone();
    reopenTimer_.start(reopenMs);
}

void SerialEndpoint::reopen()
{
    QString error;
    if (open(&error)) {
        reopenTimer_.stop();
        reopenTimer_.setInterval(ReopenIntervalMs);
        responder_.log().note(responder_.channel(), QStringLiteral("line open again"));
    }
}

} // namespace dalto::sim
