#pragma once
// The program's window icon, "icon.ico" in the program folder, when it is there.

#include "core/Paths.h"

#include <QFileInfo>
#include <QIcon>
#include <QWidget>

namespace dalto {

inline void SetDialogIcon(QWidget& dialog, const Paths& paths)
{
    const QString file = paths.inProgramFolder(QStringLiteral("icon.ico"));
    if (QFileInfo::exists(file))
        dialog.setWindowIcon(QIcon(file));
}

} // namespace dalto
