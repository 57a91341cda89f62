#include "protocol/ModulationTableFile.h"

#include "FakeClock.h"
#include "QStringPrinter.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "core/ProfileFile.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace dalto;
using namespace dalto::testing;

namespace {

class ModulationTableFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(dir.path(), dir.filePath("Dalto_Panel.ini"), dir.path())};
    ScriptedTransport device{clock};
    DeviceLink link{context, device.backends()};
    MemoryTranscript transcript;
    ModulationTable table;
    qsizetype mark = 0;

    void SetUp() override
    {
        BuildCommandLists(context.state);
        context.state.BusCode = 2;
        context.state.DeviceAddress = "127.0.0.1";
        context.state.DevicePort = 5025;
        ASSERT_TRUE(link.InitComm());
        context.state.Transcript = &transcript;
        mark = device.written().size();
    }

    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }
    QByteArray contents(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    bool save(const QString& path)
    {
        prompts.files.push_back(path);
        return SaveModulationTable(context, table);
    }
    // Loads path against a device whose selection is "1,0" and whose row n is
    // n(n,0.5). The device does not answer the settings (the selection, rowsSent).
    bool load(const QString& path, bool sendsSelection, const QList<int>& rowsSent)
    {
        if (sendsSelection)
            device.reply("");
        device.reply("1,0\r\n");
        for (int row = 1; row <= ModulationTableLength; ++row) {
            if (rowsSent.contains(row))
                device.reply("");
            device.reply(QStringLiteral("%1(%1,0.5)\r\n").arg(row).toLatin1());
        }
        prompts.files.push_back(path);
        return LoadModulationTable(link, table, {});
    }
    QStringList sent() { return device.linesSince(mark); }
    // A table file of exactly size bytes: a selection, one row, and a comment to fill.
    static QByteArray sized(qint64 size)
    {
        QByteArray text = "[Config]\nTable=1\nType=0\n[Table]\nkey1Mod=1\nkey1Out=2\n;";
        text += QByteArray(size - text.size() - 1, 'x') + '\n';
        return text;
    }
};

} // namespace

TEST_F(ModulationTableFileTest, SavingNeedsASelectedInputAndRows)
{
    table.put({1, "0.000", "1.000"});
    EXPECT_FALSE(save(dir.filePath("t.modTable")));
    table.selection = {1, 0};
    table.clearRows();
    EXPECT_FALSE(save(dir.filePath("t.modTable")));
    EXPECT_EQ(prompts.messageTexts(),
              QStringList({"Please select the Control Input table first.", "No entries in the table to save."}));
    EXPECT_TRUE(prompts.filePicks.empty());
}

TEST_F(ModulationTableFileTest, SavingRefusesASelectionALoadWouldRefuse)
{
    table.put({1, "0.000", "1.000"});
    prompts.messages.clear();
    for (const ModSelection refused : {ModSelection{3, 0}, ModSelection{1, 2}, ModSelection{2, -2}}) {
        table.selection = refused;
        EXPECT_FALSE(save(dir.filePath("t.modTable")));
    }
    EXPECT_EQ(prompts.messageTexts(),
              QStringList({"Invalid Control Input!", "Invalid Modulation Type!", "Invalid Modulation Type!"}));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Critical);
    EXPECT_TRUE(prompts.filePicks.empty());
    prompts.files.clear();

    // The edges a load takes: input 2 with type 1, and no type at all.
    table.selection = {2, 1};
    EXPECT_TRUE(save(dir.filePath("two.modTable")));
    table.selection = {1, -1};
    EXPECT_TRUE(save(dir.filePath("untyped.modTable")));
}

TEST_F(ModulationTableFileTest, OverwriteAfterOkLeavesOnlyTheListedRows)
{
    const QString path = dir.filePath("t.modTable");
    table.selection = {2, 1};
    for (int16_t row : {1, 2, 3})
        table.put({row, QString::number(row) + ".000", "1.500"});
    ASSERT_TRUE(save(path));
    table.clearRows();
    table.put({1, "0.250", "-0.5"});
    prompts.answers = {PromptAnswer::Ok};
    ASSERT_TRUE(save(path));

    EXPECT_EQ(contents(path), "[Config]\nTable=2\nType=1\n[Table]\nkey1Mod=0.250\nkey1Out=-0.5\n");
    EXPECT_EQ(prompts.messageTexts().mid(1),
              QStringList({"File exists, are you sure you wish to overwrite it?",
                           "Modulation Table Saved to " + path}));
    EXPECT_EQ(prompts.messages.back().title, "File saved");
    EXPECT_EQ(prompts.filePicks[0].title, "Dalto Panel - Select or Enter File");
    EXPECT_EQ(prompts.filePicks[0].filter, "Modulation Table Files (*.modTable)|*.modTable|All Files (*.*)|*.*");
    EXPECT_FALSE(prompts.filePicks[0].open);
}

#ifdef Q_OS_UNIX
TEST_F(ModulationTableFileTest, FailedWriteIsReportedAndKeepsTheOldFile)
{
    const QByteArray old = "[Config]\nTable=1\n";
    const QString path = file("t.modTable", old);
    table.selection = {1, 0};
    for (int16_t row = 1; row <= ModulationTableLength; ++row)
        table.put({row, "1.000", "2.000"});
    // Files may not grow past a few bytes: the new table cannot be written.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    prompts.answers = {PromptAnswer::Ok};
    const bool saved_ = save(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_);
    EXPECT_EQ(contents(path), old);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Unable to overwrite file, save aborted."));
    EXPECT_EQ(prompts.messages[1].icon, PromptIcon::Critical);
}
#endif

TEST_F(ModulationTableFileTest, LoadSendsSelectionAndCompleteRowsAndReadsAllRowsBack)
{
    const QString path = file("t.modTable", "[config]\r\nTABLE = 1\r\ntype=0\r\n\r\n[TABLE]\r\n"
                                            "KEY1mod=0.000\r\nkey1out=1.000\r\nkey5Mod=2.0\r\nkey5Out=abc\r\n"
                                            "key6Mod=3.0\r\n");
    device.deliverAt(clock.now(), "stale reply\r\n");
    ASSERT_TRUE(load(path, true, {1}));

    const QStringList lines = sent();
    ASSERT_EQ(lines.size(), 2 + 1 + ModulationTableLength);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"MODulation:TYPE:SELect 1, 0", "MOD:TYPE:SEL?", "MOD:TABL 1(0.000,1.000)",
                                            "MOD:TABL? 1"}));
    EXPECT_EQ(lines.mid(6, 3), QStringList({"MOD:TABL? 4", "MOD:TABL? 5", "MOD:TABL? 6"}));
    EXPECT_EQ(table.selection, (ModSelection{1, 0}));
    ASSERT_EQ(table.rows.size(), size_t(ModulationTableLength));
    EXPECT_EQ(table.rows[4], (ModTableRow{5, "5", "0.5"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ModulationTableFileTest, FileWithoutSelectionSendsRowsOnlyAndSaysSo)
{
    const QString path = file("t.modTable", "[Table]\nkey2Mod=1\nkey2Out=2\n");
    ASSERT_TRUE(load(path, false, {2}));
    const QStringList lines = sent();
    EXPECT_EQ(lines.mid(0, 4), QStringList({"MOD:TYPE:SEL?", "MOD:TABL? 1", "MOD:TABL 2(1,2)", "MOD:TABL? 2"}));
    EXPECT_TRUE(transcript.transcriptText().contains("- No modulation selection in " + path));
}

TEST_F(ModulationTableFileTest, RejectedFilesSendNothing)
{
    const QByteArray huge = "[Config]\nTable=1\n" + QByteArray(ModTableFileLimit, ';');
    const QList<std::pair<QString, QString>> cases = {
        {file("zero.modTable", "[Config]\nTable=0\nType=0\n"), "Invalid Control Input in Saved File "},
        {file("type.modTable", "[Config]\nTable=1\nType=2\n"), "Invalid Modulation Type in Saved File "},
        {file("three.modTable", "[Config]\nTable=3\nType=0\n"), "Invalid Control Input in Saved File "},
        {file("minus.modTable", "[Config]\nTable=2\nType=-1\n"), "Invalid Modulation Type in Saved File "},
        {file("over.modTable", sized(ModTableFileLimit + 1)), "Invalid Modulation Table in Saved File "},
        {file("binary.modTable", QByteArray("[Config]\nTable=1\n\0\x01\xff", 20)),
         "Invalid Modulation Table in Saved File "},
        {file("huge.modTable", huge), "Invalid Modulation Table in Saved File "},
        {file("plain.modTable", "just some text\nx=1\n"), "Invalid Modulation Table in Saved File "},
        {dir.path(), "Invalid Modulation Table in Saved File "},
    };
    for (const auto& [path, message] : cases) {
        prompts.messages.clear();
        prompts.files.push_back(path);
        EXPECT_FALSE(LoadModulationTable(link, table, {}));
        EXPECT_EQ(prompts.messageTexts(), QStringList(message + path));
    }
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_TRUE(table.rows.empty());
}

TEST_F(ModulationTableFileTest, SimulatedDeviceAnswersWithTheTypedBoxes)
{
    context.state.BusCode = 5;
    table.selection.modType = 1;
    EXPECT_EQ(ReadModSelection(link, table, {"2", "", "", ""}).selection, (ModSelection{2, 1}));
    EXPECT_EQ(table.shown, (ModSelection{2, 1}));
    EXPECT_EQ(ReadTableRow(link, table, 4, {"", "", "", "0.7"}).row, (ModTableRow{4, "0", "0.7"}));
    EXPECT_EQ(table.rows, (std::vector<ModTableRow>{{4, "0", "0.7"}}));
}

TEST_F(ModulationTableFileTest, LengthLimitsHoldAtTheirExactBoundary)
{
    ASSERT_TRUE(load(file("full.modTable", sized(ModTableFileLimit)), true, {1}));
    EXPECT_TRUE(sent().contains("MOD:TABL 1(1,2)"));

    // A stored value is read through a 49-character buffer.
    const QByteArray digits49 = "1." + QByteArray(47, '5');
    ASSERT_EQ(digits49.size(), 49);
    ASSERT_TRUE(load(file("long.modTable", "[Config]\nTable=1\nType=0\n[Table]\nkey1Mod=" + digits49 + "\nkey1Out="
                                               + digits49 + "7\n"),
                     true, {1}));
    EXPECT_TRUE(sent().contains("MOD:TABL 1(" + digits49 + "," + digits49 + ")"));
}

TEST_F(ModulationTableFileTest, LoadEndsAtTheFirstBoxAndDropsARowItCouldNotReadBack)
{
    const QString path = file("t.modTable", "[Config]\nTable=1\nType=0\n[Table]\nkey1Mod=1\nkey1Out=2\n"
                                            "key2Mod=3\nkey2Out=4\nkey3Mod=5\nkey3Out=6\n");
    // The selection read back is not understood: one box, no row sent.
    table.selection = {2, 1};
    device.reply("");
    device.reply("9,9\r\n");
    prompts.files.push_back(path);
    ASSERT_TRUE(LoadModulationTable(link, table, {}));
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Invalid Control Input!"});
    EXPECT_EQ(sent(), (QStringList{"MODulation:TYPE:SELect 1, 0", "MOD:TYPE:SEL?"}));
    EXPECT_EQ(table.selection, ModSelection{}) << "what the device took is not known";

    // Row 2 is sent and its read-back never comes: the link's one box, row 2 leaves
    // the table (the device may hold the old or the new value), row 3 is not sent.
    prompts.messages.clear();
    table.put({2, "0", "0"});
    table.put({7, "0", "0"});
    device.reply("");
    device.reply("1,0\r\n");
    device.reply("");
    device.reply("1(1,2)\r\n");
    device.reply("");
    prompts.files.push_back(path);
    std::vector<int16_t> progress;
    ASSERT_TRUE(LoadModulationTable(link, table, {}, [&](int16_t asked, const RowRead&) { progress.push_back(asked); }));
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Device Timed Out.  Entering Simulated Mode!"});
    EXPECT_EQ(sent().mid(2), (QStringList{"MOD:TABL 1(1,2)", "MOD:TABL? 1", "MOD:TABL 2(3,4)", "MOD:TABL? 2"}));
    EXPECT_EQ(table.rows, (std::vector<ModTableRow>{{1, "1", "2"}, {7, "0", "0"}}));
    EXPECT_EQ(progress, (std::vector<int16_t>{1, 2}));
    EXPECT_EQ(table.selection, (ModSelection{1, 0}));
}
