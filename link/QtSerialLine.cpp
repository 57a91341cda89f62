#include "QtSerialLine.h"

#include "LinkFault.h"
#include "Transport.h"
#include "core/Configuration.h"

#include <QFileInfo>

namespace dalto {

namespace {
const QString FaultSource = QStringLiteral("mscRS232");

// What the port's error means for the user. Qt reports a port that another
// program holds and one the user may not open alike; the file's own permissions
// tell them apart.
QString causeOf(QSerialPort::SerialPortError error, const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("no serial port is configured");
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("serial port %1 is missing").arg(path);
    case QSerialPort::OpenError:
        return QStringLiteral("serial port %1 is busy").arg(path);
    case QSerialPort::PermissionError: {
        const QFileInfo file(path);
        return file.isReadable() && file.isWritable()
            ? QStringLiteral("serial port %1 is busy").arg(path)
            : QStringLiteral("serial port %1 is not permitted to this user").arg(path);
    }
    case QSerialPort::ResourceError:
        return QStringLiteral("serial port %1 was removed or stopped working").arg(path);
    default:
        return {};
    }
}
// Room for a full 32-character frame even at 9600 baud.
constexpr int WriteTimeoutMs = 1000;
} // namespace

QtSerialLine::QtSerialLine(QString iniPath) : iniPath_(std::move(iniPath))
{
    // Unread input stays bounded when a device floods the line nobody reads.
    port_.setReadBufferSize(MaxReplyBytes);
}

void QtSerialLine::fail(const QString& description) const
{
    throw LinkFault{description, FaultSource, int(port_.error()), causeOf(port_.error(), path_)};
}

void QtSerialLine::open(int portNumber, int baud)
{
    if (port_.isOpen())
        port_.close();
    path_ = SerialPortPath(iniPath_, portNumber);
    port_.setPortName(path_);
    port_.setBaudRate(baud);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite))
        fail(port_.errorString());
}

void QtSerialLine::close()
{
    port_.close();
}

bool QtSerialLine::isOpen() const
{
    return port_.isOpen();
}

void QtSerialLine::requireUsable() const
{
    if (!port_.isOpen())
        fail(QStringLiteral("The device is not open"));
    if (port_.error() == QSerialPort::ResourceError)
        fail(port_.errorString());
}

void QtSerialLine::write(const QByteArray& bytes)
{
    requireUsable();
    if (port_.write(bytes) != bytes.size())
        fail(port_.errorString());
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(WriteTimeoutMs))
            fail(port_.errorString());
    }
}

qint64 QtSerialLine::bytesAvailable() const
{
    return port_.isOpen() ? port_.bytesAvailable() : 0;
}

QByteArray QtSerialLine::readAll()
{
    requireUsable();
    return port_.readAll();
}

void QtSerialLine::waitForReadyRead(int ms)
{
    requireUsable();
    port_.waitForReadyRead(ms);
}

void QtSerialLine::discardInput()
{
    // Clearing the input also flushes the driver's queue, which Qt reads from only
    // while events run or a wait is in progress.
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
}

} // namespace dalto
