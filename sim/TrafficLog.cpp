#include "sim/TrafficLog.h"

namespace dalto::sim {

TrafficLog::TrafficLog()
{
    clock_.start();
}

bool TrafficLog::open(const QString& path, QString* error)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = file_.errorString();
        return false;
    }
    return true;
}

QString TrafficLog::printable(QByteArrayView bytes)
{
    QString text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (c == '\\')
            text += QStringLiteral("\\\\");
        else if (byte < 0x20 || byte >= 0x7F)
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

void TrafficLog::received(const QString& channel, QByteArrayView bytes)
{
    write(channel, QStringLiteral("<-"), printable(bytes));
}

void TrafficLog::sent(const QString& channel, QByteArrayView bytes)
{
    write(channel, QStringLiteral("->"), printable(bytes));
}

void TrafficLog::note(const QString& channel, const QString& text)
{
    write(channel, QStringLiteral("--"), text);
}

void TrafficLog::write(const QString& channel, const QString& direction, const QString& text)
{
    if (!file_.isOpen())
        return;
    const double seconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    const QString line = QStringLiteral("%1 %2 %3 %4\n").arg(seconds, 12, 'f', 6).arg(channel, direction, text);
    file_.write(line.toUtf8());
    file_.flush();
}

} // namespace dalto::sim
