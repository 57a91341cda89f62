// The modulation table file as Load Table reads it and sends it to the device.
// Input: the file. Whatever the file holds, only a valid selection and rows whose
// two values are numbers reach the device.

#include "FuzzInput.h"
#include "ScriptedLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/ModulationTableFile.h"

#include <QRegularExpression>

using namespace dalto;
using namespace dalto::fuzz;

namespace {

void checkSent(const QStringList& lines, bool loaded, const QString& selectionCommand, const QString& file)
{
    static const QRegularExpression row(QStringLiteral(
        "^MOD:TABL ([1-9]|[1-4][0-9]|50)\\(([^,()]+),([^,()]+)\\)\\z"));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?\\z"));
    static const QRegularExpression selection(QStringLiteral("^ [12], [01]\\z"));
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("MOD:TABL "))) {
            FUZZ_CHECK(loaded, line + QStringLiteral(" from\n") + file);
            const QRegularExpressionMatch match = row.match(line);
            FUZZ_CHECK(match.hasMatch() && number.match(match.captured(2)).hasMatch()
                           && number.match(match.captured(3)).hasMatch(),
                       line + QStringLiteral(" from\n") + file);
        } else if (line.startsWith(selectionCommand + QLatin1Char(' '))) {
            FUZZ_CHECK(loaded && selection.match(line.mid(selectionCommand.size())).hasMatch(),
                       line + QStringLiteral(" from\n") + file);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    ScriptedLink scripted;
    BuildCommandLists(scripted.context.state);
    qsizetype mark = scripted.device.written().size();
    // Every command line gets an answer, so the link stays on the wire throughout.
    for (int i = 0; i < 2 * ModulationTableLength + 2; ++i)
        scripted.device.reply("1(0,1)\r\n");

    scripted.prompts.files.push_back(scratchFile(file));
    ModulationTable table;
    const bool loaded = LoadModulationTable(scripted.link, table, {});
    checkSent(scripted.device.linesSince(mark), loaded, scripted.context.state.ScpiCommands.value(35), text(file));
    return 0;
}
