#pragma once
// The shipped settings file turned towards a running dalto-sim (or a test's
// scripted device): the bus (TCP/IP unless named), its address and port, the
// supply type and the start-up panel wanted. Header-only and Qt-only,
// so that the benchmarks use it too.

#include <QFile>
#include <QString>

namespace dalto::testing {

// Writes Dalto_Panel.ini into folder; its path, or empty when that failed.
inline QString WriteSimulatorSettings(const QString& folder, const QString& host, int port,
                                      const QString& type = QStringLiteral("KD Series"),
                                      const QString& startup = QStringLiteral("Virtual Panel"),
                                      const QString& comm = QStringLiteral("TCP/IP"))
{
    QFile shipped(QStringLiteral(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini"));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(shipped.readAll());
    text.replace(QStringLiteral("Comm=Simulated\nAddress=\nPort="),
                 QStringLiteral("Comm=%1\nAddress=%2\nPort=%3").arg(comm, host).arg(port));
    text.replace(QStringLiteral("Type=KD Series"), QStringLiteral("Type=") + type);
    text.replace(QStringLiteral("Start-Up=Virtual Panel"), QStringLiteral("Start-Up=") + startup);
    QFile config(folder + QStringLiteral("/Dalto_Panel.ini"));
    if (!config.open(QIODevice::WriteOnly) || config.write(text.toUtf8()) < 0)
        return {};
    return config.fileName();
}

} // namespace dalto::testing
