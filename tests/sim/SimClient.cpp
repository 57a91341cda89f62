#include "SimClient.h"

#include <QDeadlineTimer>

namespace dalto::testing {

void SimClient::write(const QByteArray& bytes)
{
    device_.write(bytes);
    while (device_.bytesToWrite() > 0 && device_.waitForBytesWritten(ReplyWaitMs)) {
    }
}

QByteArray SimClient::readUntil(char end)
{
    const QDeadlineTimer deadline(ReplyWaitMs);
    while (!buffer_.contains(end) && !deadline.hasExpired()) {
        if (device_.bytesAvailable() == 0)
            device_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        buffer_ += device_.readAll();
    }
    const qsizetype at = buffer_.indexOf(end);
    const QByteArray result = at < 0 ? buffer_ : buffer_.left(at + 1);
    buffer_.remove(0, result.size());
    return result;
}

QString SimClient::query(const QByteArray& command)
{
    send(command);
    QByteArray reply = readUntil('\n');
    if (!reply.endsWith("\r\n"))
        return QStringLiteral("<silent>");
    reply.chop(2);
    return QString::fromLatin1(reply);
}

} // namespace dalto::testing
