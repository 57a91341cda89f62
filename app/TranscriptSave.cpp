#include "TranscriptSave.h"

#include "core/AppContext.h"
#include "core/PickFile.h"
#include "core/ReplaceFile.h"
#include "core/Transcript.h"


namespace dalto {

void SaveTranscriptToFile(AppContext& context, const TranscriptTarget& transcript)
{
    const QString path = PickFile(context.prompts, QStringLiteral("Select or Enter File"),
                                  context.paths.programFolder(), QStringLiteral("Text Files"),
                                  QStringLiteral("*.txt"), QStringLiteral("save"));
    if (path.isEmpty())
        return;
    context.clock.pump();
    const QByteArray text = (transcript.transcriptText() + QLatin1Char('\n')).toLocal8Bit();
    if (const QString reason = ReplaceFile(path, text); !reason.isEmpty())
        context.prompts.message(QStringLiteral("The transcript could not be saved to %1.\r\n%2").arg(path, reason),
                                ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
}

} // namespace dalto
