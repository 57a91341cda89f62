#include "ProgramPictures.h"

#include "core/Paths.h"

#include <QFileInfo>

namespace dalto {

QIcon programIcon(const Paths& paths)
{
    const QString file = paths.inProgramFolder(QStringLiteral("icon.ico"));
    return QFileInfo::exists(file) ? QIcon(file) : QIcon();
}

QPixmap programPicture(const Paths& paths, const QString& fileName)
{
    return QPixmap(paths.inProgramFolder(fileName));
}

} // namespace dalto
