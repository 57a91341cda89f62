#include "Paths.h"

#include "PlatformConventions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dalto {

namespace {
const QString ConfigName = QStringLiteral("Dalto_Panel.ini");

struct ProgramFolder {
    QString path;
    bool installed = false; // its settings file is the shipped default
};

// Installed layout: <prefix>/bin/dalto-panel with its files in <prefix>/share/dalto-panel.
ProgramFolder programFolderFor(const QString& executableFolder)
{
    const QString installed = QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/dalto-panel"));
    if (QFileInfo(installed + QLatin1Char('/') + ConfigName).exists())
        return {QDir::cleanPath(installed), true};
    return {QDir::cleanPath(executableFolder), false};
}

// A settings write replaces the file through a temporary file beside it, so the
// folder must be writable as well as the file.
bool writableInPlace(const QString& file)
{
    const QFileInfo info(file);
    return CanCreateFilesIn(info.absolutePath()) && (!info.exists() || info.isWritable());
}

// A per-user copy seeded from the program folder's file, for installs where the
// program folder is read-only.
QString perUserCopy(const QString& shipped)
{
    const QString folder = PerUserSettingsFolder();
    const QString copy = folder + QLatin1Char('/') + ConfigName;
    if (!QFileInfo::exists(copy)) {
        QDir().mkpath(folder);
        QFile::copy(shipped, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    return copy;
}
} // namespace

Paths::Paths(QString programFolder, QString configFile, QString workingFolder)
    : programFolder_(std::move(programFolder))
    , configFile_(std::move(configFile))
    , workingFolder_(std::move(workingFolder))
{
}

Paths Paths::resolve(const QString& executableFolder, const QString& programDirOverride,
                     const QString& configOverride)
{
    const ProgramFolder folder = programDirOverride.isEmpty()
        ? programFolderFor(executableFolder)
        : ProgramFolder{QDir::cleanPath(programDirOverride), false};
    QString config = configOverride;
    if (config.isEmpty()) {
        // An installed tree's file is the default every user starts from; a user's
        // run never changes it, even where the prefix happens to be writable.
        const QString shipped = folder.path + QLatin1Char('/') + ConfigName;
        config = !folder.installed && writableInPlace(shipped) ? shipped : perUserCopy(shipped);
    }
    return Paths(folder.path, QFileInfo(config).absoluteFilePath(), QDir::currentPath());
}

QString Paths::inProgramFolder(const QString& fileName) const
{
    QString name = fileName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return programFolder_ + QLatin1Char('/') + name;
}

QString Paths::debugLogFile() const
{
    return workingFolder_ + QStringLiteral("/debug.txt");
}

} // namespace dalto
