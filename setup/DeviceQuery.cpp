#include "DeviceQuery.h"

#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

namespace dalto {

QString AskDevice(DeviceLink& link, const QString& command)
{
    link.WriteDevice(command, true);
    QString reply;
    link.ReadDevice(reply, status::ReplyTimeout, true);
    return reply;
}

QString AskDeviceLine(DeviceLink& link, const QString& command)
{
    QString reply = AskDevice(link, command);
    reply.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return reply;
}

void TellDevice(DeviceLink& link, const QString& command)
{
    AskDevice(link, command);
}

} // namespace dalto
