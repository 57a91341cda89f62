#pragma once
// Small file helpers for the configuration tests.

#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace dalto::testing
