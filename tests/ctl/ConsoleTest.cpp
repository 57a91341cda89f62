// The console side of daltoctl: answers to the link's questions, which lines
// expect a reply, and the loader's progress on a terminal and in a log.
#include "ctl/CommandSource.h"
#include "ctl/ConsolePrompts.h"
#include "ctl/FlashProgress.h"
#include "ctl/NameSuggestion.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <gtest/gtest.h>

namespace dalto::ctl {
namespace {

TEST(ConsolePrompts, AnswersWithoutWaitingAndNoticesFaults)
{
    ConsolePrompts prompts;
    EXPECT_EQ(prompts.message("File exists, are you sure you wish to overwrite it?", ApplicationTitle,
                              PromptButtons::OkCancel, PromptIcon::None),
              PromptAnswer::Ok);
    EXPECT_FALSE(prompts.faultReported());
    EXPECT_EQ(prompts.message("Device Timeout on Address: 5 Continue?", ApplicationTitle, PromptButtons::YesNo,
                              PromptIcon::None),
              PromptAnswer::No);
    EXPECT_FALSE(prompts.faultReported());
    prompts.message("Device Timed Out.  Entering Simulated Mode!", "Comm Error", PromptButtons::Ok, PromptIcon::None);
    EXPECT_TRUE(prompts.faultReported());

    ConsolePrompts critical;
    critical.message("Invalid Control Input", ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
    EXPECT_TRUE(critical.faultReported());
    critical.setChosenFile("/tmp/a.modTable");
    EXPECT_EQ(critical.pickFile({}), "/tmp/a.modTable");
    EXPECT_TRUE(critical.inputValue("Value", "1").isEmpty());
}

TEST(CommandSource, RepliesAreAwaitedForQueriesAndTheAnsweringExchanges)
{
    // A query anywhere in a line of several commands is answered; a "?" or ";"
    // inside a quoted argument is text, not a query or a separator.
    for (const char* command : {"VOLT?", "MOD:TABL? 3", " *IDN? ", "<>STA", "<>all", "VOLT 2;VOLT?",
                                "*RST; *IDN?", "SYST:TEXT 'a;b';CURR?"})
        EXPECT_TRUE(ExpectsReply(command)) << command;
    for (const char* command : {"VOLT 3", "<>CHG 0,-1,0", "<>IGN 0", "OUTP:START", "VOLT 2;CURR 1",
                                "SYST:TEXT \"why?\"", "SYST:TEXT 'a; VOLT?'", "<>PRO a?"})
        EXPECT_FALSE(ExpectsReply(command)) << command;
}

TEST(NameSuggestion, PrefixesAndSmallSlipsFindTheMeantNameOthersNothing)
{
    const std::vector<std::string> names = {"query", "send", "info", "status", "set", "shell", "modtable"};
    EXPECT_EQ(ClosestName("stauts", names), "status") << "two letters swapped";
    EXPECT_EQ(ClosestName("qurey", names), "query");
    EXPECT_EQ(ClosestName("stat", names), "status") << "the only name it begins";
    EXPECT_EQ(ClosestName("mod", names), "modtable");
    EXPECT_EQ(ClosestName("sned", names), "send");
    EXPECT_EQ(ClosestName("sed", names), std::nullopt) << "one slip from both set and send";
    EXPECT_EQ(ClosestName("s", names), std::nullopt) << "begins several";
    EXPECT_EQ(ClosestName("frobnicate", names), std::nullopt);
    EXPECT_EQ(ClosestName("", names), std::nullopt);
}

QString progressText(bool terminal)
{
    QTemporaryDir dir;
    std::FILE* out = std::fopen(QFile::encodeName(dir.filePath("progress.txt")).constData(), "w+b");
    {
        FlashProgress progress(out, terminal);
        progress.showStatus(firmware::LoaderStatus::Blank);
        progress.showStatus(firmware::LoaderStatus::Loading);
        // 32 steps, as the erase phase has: most tenths fall between two steps.
        progress.showProgressRange(32);
        for (int line = 0; line <= 32; ++line)
            progress.showProgress(line);
        progress.showStatus(firmware::LoaderStatus::Finished);
        progress.transferEnded();
        EXPECT_EQ(progress.ending(), firmware::LoaderStatus::Finished);
    }
    QByteArray written;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;)
        written.append(char(c));
    std::fclose(out);
    return QString::fromLatin1(written);
}

TEST(FlashProgress, PlainLinesEveryTenthOrOneBarRedrawnInPlace)
{
    const QStringList plain = progressText(false).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(plain.size(), 13) << plain.join('/').toStdString();
    EXPECT_EQ(plain.first(), "Loading");
    EXPECT_EQ(plain[1], "Loading 0%");
    EXPECT_EQ(plain[2], "Loading 10%");
    EXPECT_EQ(plain[11], "Loading 100%");
    EXPECT_EQ(plain.last(), "Finished");

    const QString bar = progressText(true);
    EXPECT_EQ(bar.count('\r'), 33) << "one redraw per percent reached";
    EXPECT_TRUE(bar.contains("\rLoading [########################################] 100%\nFinished\n"))
        << bar.toStdString();
}

} // namespace
} // namespace dalto::ctl
