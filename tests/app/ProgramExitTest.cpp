// The built dalto-panel refuses a settings file named on its command line that is
// not there, instead of running on defaults.

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramExitTest, AMissingConfigFileEndsWithItsNameAndCodeOne)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("nowhere.ini");
    QProcess program;
    program.start(qEnvironmentVariable("DALTO_PANEL"), {"--config", missing});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(err.contains("The settings file " + missing + " is missing.")) << err.toStdString();
}
