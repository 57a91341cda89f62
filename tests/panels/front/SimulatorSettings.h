#pragma once
// The shipped settings file turned towards a running dalto-sim: TCP/IP at its
// port, and the supply type the test wants.

#include "SimProcess.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace dalto::testing {

// Writes Dalto_Panel.ini into dir; its path, or empty when that failed.
inline QString WriteSimulatorSettings(const QTemporaryDir& dir, const SimProcess& sim, const QString& type)
{
    QFile shipped(QStringLiteral(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini"));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(shipped.readAll());
    text.replace(QStringLiteral("Comm=Simulated\nAddress=\nPort="),
                 QStringLiteral("Comm=TCP/IP\nAddress=%1\nPort=%2").arg(sim.host()).arg(sim.port()));
    text.replace(QStringLiteral("Type=KD Series"), QStringLiteral("Type=") + type);
    QFile config(dir.filePath(QStringLiteral("Dalto_Panel.ini")));
    if (!config.open(QIODevice::WriteOnly) || config.write(text.toUtf8()) < 0)
        return {};
    return config.fileName();
}

} // namespace dalto::testing
