// Whether the settings file can be used at all, in words that name it.

#include "Configuration.h"

#include <QFile>
#include <QFileInfo>

namespace dalto {

namespace {

// A settings file is text with at least one "[section]" line.
bool holdsSections(const QByteArray& text)
{
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.contains(']'))
            return true;
    }
    return false;
}

} // namespace

QString SettingsFileProblem(const QString& iniPath)
{
    const QString named = QStringLiteral("The settings file %1 ").arg(QFileInfo(iniPath).absoluteFilePath());
    QFile file(iniPath);
    if (!file.exists())
        return named + QStringLiteral("is missing.");
    if (QFileInfo(iniPath).isDir())
        return named + QStringLiteral("is a folder.");
    if (!file.open(QIODevice::ReadOnly))
        return named + QStringLiteral("cannot be read: ") + file.errorString() + QLatin1Char('.');
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return named + QStringLiteral("cannot be read: ") + file.errorString() + QLatin1Char('.');
    if (text.trimmed().isEmpty())
        return named + QStringLiteral("is empty.");
    if (text.contains('\0') || !holdsSections(text))
        return named + QStringLiteral("cannot be parsed: it holds no [section] lines.");
    return {};
}

} // namespace dalto
