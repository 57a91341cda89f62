#include "SmallVolume.h"

#include <QByteArray>
#include <QFile>

#include <sys/mount.h>
#include <unistd.h>

namespace dalto::testing {

SmallVolume::SmallVolume()
{
    if (::geteuid() != 0) {
        unavailable_ = QStringLiteral("mounting a tmpfs needs the superuser");
        return;
    }
    const QByteArray options = QByteArray("size=") + QByteArray::number(SizeKiB) + "k";
    if (::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs", 0, options.constData()) != 0) {
        unavailable_ = QStringLiteral("mount refused: ") + QString::fromLocal8Bit(strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallVolume::~SmallVolume()
{
    if (mounted_)
        ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
}

bool SmallVolume::fill()
{
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    // A last partial page may still fit.
    while (filler.write("f", 1) == 1) {
    }
    return true;
}

bool SmallVolume::makeReadOnly()
{
    return ::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

} // namespace dalto::testing
