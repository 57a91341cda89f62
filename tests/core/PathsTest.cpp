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
        ASSERT_TRUE(program.isValid() && home.isValid());
        shipped = QDir(program.path()).filePath("Dalto_Panel.ini");
        writeText(shipped, "[Application]\nStart-Up=Command Panel\n");
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    void TearDown() override
    {
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
    }

    QTemporaryDir program;
    QTemporaryDir home;
    QString shipped;
    QByteArray oldConfigHome;
};

} // namespace

TEST_F(PathsTest, ConfigOptionWinsOverTheProgramFolder)
{
    const Paths paths = Paths::resolve(program.path(), {}, QDir(home.path()).filePath("mine.ini"));
    EXPECT_EQ(paths.configFile(), QDir(home.path()).filePath("mine.ini"));
    EXPECT_EQ(paths.programFolder(), QDir::cleanPath(program.path()));
}

TEST_F(PathsTest, WritableProgramFolderKeepsItsOwnFile)
{
    const Paths paths = Paths::resolve("/nonexistent/bin", program.path(), {});
    EXPECT_EQ(paths.configFile(), shipped);
    EXPECT_EQ(paths.inProgramFolder("\\TAV_Panel.ini"), QDir(program.path()).filePath("TAV_Panel.ini"));
}

TEST_F(PathsTest, ReadOnlyProgramFolderUsesAPerUserCopySeededFromIt)
{
    if (runningAsSuperuser())
        GTEST_SKIP() << "permission bits do not bind the superuser";
    // A writable file in a read-only folder cannot be replaced either.
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);

    const Paths paths = Paths::resolve(program.path(), {}, {});
    const QString copy = QDir(home.path()).filePath("dalto-panel/Dalto_Panel.ini");
    EXPECT_EQ(paths.configFile(), copy);
    EXPECT_EQ(readText(copy), readText(shipped));
    EXPECT_TRUE(QFileInfo(copy).isWritable()) << "the copy takes the user's settings";

    writeText(copy, "[Application]\nStart-Up=Register Panel\n");
    Paths::resolve(program.path(), {}, {});
    EXPECT_EQ(readText(copy), "[Application]\nStart-Up=Register Panel\n") << "an existing copy is kept";
}
