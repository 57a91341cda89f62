#include "FuzzInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace dalto::fuzz {

FuzzInput::FuzzInput(const uint8_t* data, size_t size)
    : bytes_(reinterpret_cast<const char*>(data), qsizetype(size))
{
}

QByteArray FuzzInput::next()
{
    if (at_ >= bytes_.size())
        return {};
    qsizetype end = bytes_.indexOf('\0', at_);
    if (end < 0)
        end = bytes_.size();
    const QByteArray part = bytes_.mid(at_, end - at_);
    at_ = end + 1;
    return part;
}

QByteArray FuzzInput::rest()
{
    const QByteArray part = at_ < bytes_.size() ? bytes_.mid(at_) : QByteArray();
    at_ = bytes_.size();
    return part;
}

uint8_t FuzzInput::byte()
{
    if (at_ >= bytes_.size())
        return 0;
    return uint8_t(bytes_[at_++]);
}

QString text(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QString scratchFile(const QByteArray& bytes)
{
    static const QString path = QDir::temp().filePath(
        QStringLiteral("dalto-fuzz-%1.txt").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("scratch file written", path);
    return path;
}

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

void fail(const char* condition, const QString& detail)
{
    std::fprintf(stderr, "invariant broken: %s\n  %s\n", condition, qPrintable(detail));
    std::abort();
}

} // namespace dalto::fuzz
