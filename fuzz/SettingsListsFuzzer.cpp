// The program's settings file as read at start: the three name lists and the
// settings that are looked up in them. Input: the file.

#include "FuzzInput.h"
#include "ScriptedPrompts.h"
#include "core/Configuration.h"

using namespace dalto;
using namespace dalto::fuzz;

namespace {

// A setting names an entry of its list or none.
void checkFoundIn(int16_t position, const QStringList& list, const char* what)
{
    FUZZ_CHECK(position == NotFound || (position >= 0 && position < list.size()), QString::fromLatin1(what));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = scratchFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    SharedState state;
    testing::ScriptedPrompts prompts;
    LoadSettings(state, prompts, path);

    // An entry names its own position, which is an Integer.
    for (const QStringList* list : {&state.FormList, &state.CommList, &state.SystList})
        FUZZ_CHECK(list->size() <= 32768, QString::number(list->size()));
    checkFoundIn(state.StartupPanel, state.FormList, "start-up panel");
    checkFoundIn(state.BusCode, state.CommList, "bus");
    checkFoundIn(state.SystemType, state.SystList, "supply type");
    // A file that is empty or holds no sections is named first, once; every other
    // box is a list that could not be read.
    const QString problem = SettingsFileProblem(path);
    const QStringList messages = prompts.messageTexts();
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const bool named = i == 0 && !problem.isEmpty() && messages[i].startsWith(problem);
        FUZZ_CHECK(named || messages[i].startsWith(QStringLiteral("Error retrieving list from .ini file.")), messages[i]);
    }
    return 0;
}
