#include "TestFiles.h"
#include "core/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeText(shipped, "[Application]\nStart-Up=Command Panel\n");
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    void TearDown() override
    {
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
    }

    QTemporaryDir program;
    QTemporaryDir home;
    QString shipped = program.filePath("Dalto_Panel.ini");
    QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
};

} // namespace

TEST_F(PathsTest, ConfigOptionWinsElseTheWritableProgramFolderKeepsItsFile)
{
    const QString mine = home.filePath("mine.ini");
    EXPECT_EQ(Paths::resolve(program.path(), {}, mine).configFile(), mine);
    const Paths paths = Paths::resolve("/nonexistent/bin", program.path(), {});
    EXPECT_EQ(paths.configFile(), shipped);
    EXPECT_EQ(paths.inProgramFolder("\\TAV_Panel.ini"), program.filePath("TAV_Panel.ini"));
}

TEST_F(PathsTest, ReadOnlyProgramFolderUsesAPerUserCopySeededFromIt)
{
    if (runningAsSuperuser())
        GTEST_SKIP() << "permission bits do not bind the superuser";
    // The file itself stays writable: a file in a read-only folder cannot be replaced.
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);

    const QString copy = home.filePath("dalto-panel/Dalto_Panel.ini");
    EXPECT_EQ(Paths::resolve(program.path(), {}, {}).configFile(), copy);
    EXPECT_EQ(readText(copy), readText(shipped));
    EXPECT_TRUE(QFileInfo(copy).isWritable());

    writeText(copy, "[Application]\nStart-Up=Register Panel\n");
    Paths::resolve(program.path(), {}, {});
    EXPECT_EQ(readText(copy), "[Application]\nStart-Up=Register Panel\n") << "an existing copy is kept";
}

TEST_F(PathsTest, InstalledTreeKeepsItsShippedFileAndUsesAPerUserCopy)
{
    // <prefix>/bin beside <prefix>/share/dalto-panel, all of it writable by the user.
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("share/dalto-panel");
    const QString installed = prefix.filePath("share/dalto-panel/Dalto_Panel.ini");
    writeText(installed, "[Application]\nStart-Up=Command Panel\n");

    const Paths paths = Paths::resolve(prefix.filePath("bin"), {}, {});
    EXPECT_EQ(paths.programFolder(), prefix.filePath("share/dalto-panel"));
    EXPECT_EQ(paths.configFile(), home.filePath("dalto-panel/Dalto_Panel.ini"));
    EXPECT_EQ(readText(paths.configFile()), readText(installed));
}
