// The program's options.

#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(CommandLineTest, OptionsAndTheirActions)
{
    const CommandLine run = ParseCommandLine({"dalto-panel", "--config", "/tmp/a.ini", "--program-dir", "/opt/d"});
    EXPECT_EQ(run.action, CommandLine::Action::Run);
    EXPECT_EQ(run.configFile, "/tmp/a.ini");
    EXPECT_EQ(run.programDir, "/opt/d");

    const CommandLine help = ParseCommandLine({"/usr/bin/dalto-panel", "--help"});
    EXPECT_EQ(help.action, CommandLine::Action::ShowHelp);
    EXPECT_TRUE(help.text.startsWith("Usage: dalto-panel")) << help.text.toStdString();
    EXPECT_TRUE(help.text.contains("--config <FILE>"));

    const CommandLine version = ParseCommandLine({"dalto-panel", "--version"});
    EXPECT_EQ(version.action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(version.text, QStringLiteral("dalto-panel " DALTO_VERSION_TEXT "\n"));

    EXPECT_EQ(ParseCommandLine({"dalto-panel", "--bogus"}).action, CommandLine::Action::Fail);
    EXPECT_EQ(ParseCommandLine({"dalto-panel", "extra"}).action, CommandLine::Action::Fail);
    EXPECT_EQ(ParseCommandLine({"dalto-panel", "--config"}).action, CommandLine::Action::Fail);
}
