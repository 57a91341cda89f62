#include "TranscriptSave.h"

#include "core/AppContext.h"
#include "core/PickFile.h"
#include "core/Transcript.h"

#include <QSaveFile>

namespace dalto {

void SaveTranscriptToFile(AppContext& context, const TranscriptTarget& transcript)
{
    const QString path = PickFile(context.prompts, QStringLiteral("Select or Enter File"),
                                  context.paths.programFolder(), QStringLiteral("Text Files"),
                                  QStringLiteral("*.txt"), QStringLiteral("save"));
    if (path.isEmpty())
        return;
    context.clock.pump();
    QSaveFile file(path);
    const QByteArray text = (transcript.transcriptText() + QLatin1Char('\n')).toLocal8Bit();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        context.prompts.message(QStringLiteral("The transcript could not be saved to %1.\r\n%2")
                                    .arg(path, file.errorString()),
                                ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
}

} // namespace dalto
