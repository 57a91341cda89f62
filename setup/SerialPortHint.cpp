#include "SerialPortHint.h"

#include "SerialPortName.h"
#include "core/Configuration.h"

#include <QSerialPortInfo>

namespace dalto {

QString SerialPortMeaning(const QString& iniPath, const QString& portText, const QStringList& present)
{
    bool ok = false;
    const int number = portText.trimmed().toInt(&ok);
    const QString path = ok ? SerialPortPath(iniPath, number) : QString();
    if (path.isEmpty())
        return {};
    QString text = QStringLiteral("Comm Port %1 is %2").arg(number).arg(path);
    if (!present.contains(path))
        text += QStringLiteral(" (not found on this computer)");
    return text;
}

QString SerialPortsPresent(const QStringList& present)
{
    if (present.isEmpty())
        return QStringLiteral("No serial ports found on this computer");
    return QStringLiteral("Serial ports on this computer: ") + present.join(QStringLiteral(", "));
}

QStringList PresentSerialPorts()
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << SettingsNameOf(info);
    return paths;
}

} // namespace dalto
