#pragma once
// Small file helpers for the configuration tests.

#include <QFile>
#include <QString>

#include <unistd.h>

namespace dalto::testing {

inline void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create %s", qPrintable(path));
    file.write(text);
}

inline QByteArray readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Permission bits do not stop the superuser, so tests of write protection skip then.
inline bool runningAsSuperuser()
{
    return geteuid() == 0;
}

} // namespace dalto::testing
