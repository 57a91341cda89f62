#include "DebugLog.h"

#include <QFile>

namespace dalto {

namespace {
const QString CrLf = QStringLiteral("\r\n");

// The system's description, with what it means for the connection after it.
QString described(const LinkFault& fault)
{
    if (fault.cause.isEmpty())
        return fault.description;
    return fault.description + QStringLiteral(" (") + fault.cause + QLatin1Char(')');
}
} // namespace

QString faultRecord(const QString& heading, const LinkFault& fault)
{
    return heading + CrLf
        + QStringLiteral("Error Description: ") + described(fault) + CrLf
        + QStringLiteral("Error Source : ") + fault.source + CrLf
        + QStringLiteral("Error #: ") + QString::number(fault.number);
}

void appendFaultRecord(const QString& path, const QString& heading, const LinkFault& fault)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray line = (QLatin1Char('"') + faultRecord(heading, fault) + QLatin1Char('"') + CrLf).toLocal8Bit();
    file.write(line);
}

} // namespace dalto
