// Every file the program writes, on a full disk and in a read-only folder: the
// earlier file stays as it was, no half-written copy is left, and the user
// hears why.

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "SmallVolume.h"
#include "app/TranscriptSave.h"
#include "core/AppContext.h"
#include "core/Configuration.h"
#include "core/Transcript.h"
#include "protocol/ModulationTableFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

using namespace dalto;
using namespace dalto::testing;

namespace {

enum class Trouble { FullDisk, ReadOnlyFolder };

struct Writers {
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(QDir::tempPath(), QString(), QDir::tempPath())};
};

// Writes path and returns what the user was told (or, for the settings, the
// reason Setup shows in its box).
using Writer = std::function<QString(Writers&, const QString& path)>;

QString settings(Writers&, const QString& path)
{
    QString error;
    SaveSettings(path, "Command Panel", "TCP/IP", "127.0.0.1", "5025", "KD Series", &error);
    return error;
}

QString transcript(Writers& w, const QString& path)
{
    MemoryTranscript session;
    session.setTranscriptText(QString("*IDN?\nDALTO,KD 15-100,SIM-0001,4.8\r\n").repeated(200));
    w.prompts.files.push_back(path);
    SaveTranscriptToFile(w.context, session);
    return w.prompts.messageTexts().join('\n');
}

QString modulationTable(Writers& w, const QString& path)
{
    ModulationTable table;
    table.selection = {1, 0};
    for (int16_t row = 1; row <= ModulationTableLength; ++row)
        table.put({row, QString::number(row), "0.5"});
    w.prompts.files.push_back(path);
    SaveModulationTable(w.context, table);
    // The first box asks whether to overwrite the earlier file.
    return w.prompts.messageTexts().mid(1).join('\n');
}

struct WriterCase {
    const char* name;
    const char* file;
    Writer write;
};

const WriterCase Cases[] = {
    {"Settings", "Dalto_Panel.ini", settings},
    {"Transcript", "session.txt", transcript},
    {"ModulationTable", "table.txt", modulationTable},
};

class NothingLost : public ::testing::TestWithParam<std::tuple<WriterCase, Trouble>> {};

} // namespace

TEST_P(NothingLost, TheEarlierFileSurvivesAndTheUserIsTold)
{
    const auto& [writer, trouble] = GetParam();
    SmallVolume volume;
    if (!volume.unavailable().isEmpty())
        GTEST_SKIP() << volume.unavailable().toStdString();
    const QByteArray earlier = "[Application]\r\nStart-Up=Virtual Panel\r\n; kept by hand\r\n";
    const QString path = volume.filePath(writer.file);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(earlier) == earlier.size());
    out.close();
    ASSERT_TRUE(trouble == Trouble::FullDisk ? volume.fill() : volume.makeReadOnly());

    Writers writers;
    const QString told = writer.write(writers, path);

    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), earlier);
    EXPECT_FALSE(told.isEmpty()) << "the user hears of the failed write";
    QStringList left = QDir(volume.filePath(".")).entryList(QDir::Files);
    left.removeAll("filler");
    EXPECT_EQ(left, QStringList{writer.file}) << "no half-written copy left behind";
}

INSTANTIATE_TEST_SUITE_P(Writers, NothingLost,
                         ::testing::Combine(::testing::ValuesIn(Cases),
                                            ::testing::Values(Trouble::FullDisk, Trouble::ReadOnlyFolder)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name)
                                 + (std::get<1>(info.param) == Trouble::FullDisk ? "OnAFullDisk" : "InAReadOnlyFolder");
                         });
