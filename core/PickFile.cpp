#include "PickFile.h"

#include "PlatformConventions.h"
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
    return PickedPath(prompts.pickFile(request));
}

} // namespace dalto
