#include "PlatformConventions.h"

#include <QDir>
#include <QTemporaryFile>

namespace dalto {

// The roaming application data folder, as Windows programs keep their settings.
QString PerUserSettingsFolder()
{
    QString base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return base + QStringLiteral("/Dalto Panel");
}

QString DefaultSerialPortPath(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

QString PickedPath(const QString& chosen)
{
    // Windows file names ignore case: the lower-cased path names the same file.
    return chosen.toLower();
}

// Windows reports a folder writable by its read-only attribute alone; whether
// its access rights let this user in (not so under Program Files) shows only
// by trying.
bool CanCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.dalto-write-probe-XXXXXX"));
    return probe.open();
}

} // namespace dalto
