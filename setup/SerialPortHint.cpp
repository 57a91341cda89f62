#include "SerialPortHint.h"

#include "SerialPortName.h"
#include "core/Configuration.h"

#include <QSerialPortInfo>

namespace dalto {

namespace {
// A long list goes on over several lines, broken between paths, never inside one.
constexpr qsizetype PathsPerLine = 4;
} // namespace

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
    QString text = QStringLiteral("Serial ports on this computer: ");
    for (qsizetype i = 0; i < present.size(); ++i) {
        if (i > 0)
            text += i % PathsPerLine == 0 ? QStringLiteral(",\n") : QStringLiteral(", ");
        text += present[i];
    }
    return text;
}

QStringList PresentSerialPorts()
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << SettingsNameOf(info);
    return paths;
}

} // namespace dalto
