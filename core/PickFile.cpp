#include "PickFile.h"

#include "Prompts.h"

namespace dalto {

QString PickFile(Prompts& prompts, const QString& title, const QString& folder,
                 const QString& description, const QString& pattern, const QString& mode)
{
    FilePickRequest request;
    request.title = ApplicationTitle + QStringLiteral(" - ") + title;
    request.folder = folder;
    request.filter = description + QStringLiteral(" (") + pattern + QStringLiteral(")|") + pattern
        + QStringLiteral("|All Files (*.*)|*.*");
    request.open = mode == QStringLiteral("open");
    const QString chosen = prompts.pickFile(request);
#ifdef Q_OS_WIN
    return chosen.toLower();
#else
    // Lower-casing a path on a case-sensitive file system would name another file.
    return chosen;
#endif
}

} // namespace dalto
