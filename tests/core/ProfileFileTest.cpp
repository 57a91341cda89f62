#include "TestFiles.h"
#include "core/ProfileFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

const QByteArray Sample = "; settings of the test bench\n"
                          "[Application]\n"
                          "Start-Up=Command Panel\n"
                          "\n"
                          "; how the supply is reached\n"
                          "[Communication]\n"
                          "Comm = TCP/IP \n"
                          "; the bench supply\n"
                          "Address=  10.0.0.5  \n"
                          "Port=4040\n"
                          "Port=5050\n"
                          "[System]\n"
                          "Type=KD Series\n";

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("Dalto_Panel.ini");
        writeText(path, Sample);
    }

    QTemporaryDir dir;
    QString path;
};

// Runs body with writes to files capped at a few bytes: the same failure as a full disk.
template <typename Body>
void withFullDisk(Body body)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
    body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

} // namespace

TEST_F(ProfileFileTest, MatchesSectionsAndKeysWithoutCaseAndTrimsValues)
{
    const ProfileFile file(path);
    EXPECT_EQ(file.readString("COMMUNICATION", "address"), "10.0.0.5");
    EXPECT_EQ(file.readString("communication", "COMM"), "TCP/IP");
    EXPECT_EQ(file.readString("application", "start-up"), "Command Panel");
    // The first of two equal keys counts, as with the Windows profile functions.
    EXPECT_EQ(file.readString("Communication", "Port"), "4040");
}

TEST_F(ProfileFileTest, MissingKeySectionOrFileGivesTheDefault)
{
    EXPECT_EQ(ProfileFile(path).readString("Communication", "Baud", "19200"), "19200");
    EXPECT_EQ(ProfileFile(path).readString("Debug", "Type", "x"), "x");
    EXPECT_EQ(ProfileFile(dir.filePath("absent.ini")).readString("System", "Type", "none"), "none");
    EXPECT_TRUE(ProfileFile(dir.filePath("absent.ini")).checkReadable());
}

TEST_F(ProfileFileTest, OnlyTheFirst99CharactersOfAValueCount)
{
    QString longValue;
    for (int i = 0; i < 150; ++i)
        longValue += QChar('a' + i % 26);
    writeText(path, "[S]\nK=" + longValue.toUtf8() + "\n");
    const QString read = ProfileFile(path).readString("S", "K");
    EXPECT_EQ(read.size(), ProfileValueLimit);
    EXPECT_EQ(read, longValue.left(99));
}

TEST_F(ProfileFileTest, WriteChangesOneKeyAndKeepsCommentsOrderAndTheRest)
{
    const ProfileFile file(path);
    QString error;
    ASSERT_TRUE(file.writeString("communication", "address", "192.168.1.20", &error)) << error.toStdString();

    const QString text = QString::fromUtf8(readText(path));
    EXPECT_EQ(file.readString("Communication", "Address"), "192.168.1.20");
    EXPECT_EQ(text.count("Address", Qt::CaseInsensitive), 1) << text.toStdString();
    EXPECT_TRUE(text.contains("Address=192.168.1.20")) << "key keeps its spelling: " << text.toStdString();
    for (const char* kept : {"; settings of the test bench", "; how the supply is reached", "; the bench supply",
                             "Start-Up=Command Panel", "Port=4040", "Port=5050", "Type=KD Series"})
        EXPECT_TRUE(text.contains(kept)) << kept;
    const QStringList order{"[Application]", "Start-Up", "[Communication]", "Comm", "Address", "Port", "[System]"};
    qsizetype at = -1;
    for (const QString& item : order) {
        const qsizetype next = text.indexOf(item, at + 1);
        EXPECT_GT(next, at) << item.toStdString() << " out of order in\n" << text.toStdString();
        at = next;
    }
}

TEST_F(ProfileFileTest, WriteCreatesMissingKeysSectionsAndFiles)
{
    ASSERT_TRUE(ProfileFile(path).writeString("Serial_Ports", "Port1", "/dev/ttyUSB0"));
    EXPECT_EQ(ProfileFile(path).readString("serial_ports", "port1"), "/dev/ttyUSB0");
    EXPECT_EQ(ProfileFile(path).readString("System", "Type"), "KD Series");

    const QString fresh = dir.filePath("new.ini");
    ASSERT_TRUE(ProfileFile(fresh).writeString("Debug", "Type", "owl_mango"));
    EXPECT_EQ(ProfileFile(fresh).readString("DEBUG", "TYPE"), "owl_mango");
}

TEST_F(ProfileFileTest, FailedWriteOnAFullDiskIsReportedAndKeepsTheOldFile)
{
    bool written = true;
    QString error;
    withFullDisk([&] { written = ProfileFile(path).writeString("Communication", "Port", "1", &error); });

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(readText(path), Sample);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Dalto_Panel.ini"}) << "no temporary file left";
}

TEST_F(ProfileFileTest, WriteWhereNoFileCanBeMadeFailsWithAReason)
{
    QString error;
    EXPECT_FALSE(ProfileFile(dir.filePath("missing/folder/x.ini")).writeString("S", "K", "V", &error));
    EXPECT_FALSE(error.isEmpty());

    // A path that names a folder can neither be read nor replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    const ProfileFile folder(dir.filePath("folder.ini"));
    error.clear();
    EXPECT_FALSE(folder.checkReadable(&error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(folder.writeString("S", "K", "V", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ProfileFileTest, WriteProtectedFileOrFolderIsNotReplaced)
{
    if (runningAsSuperuser())
        GTEST_SKIP() << "permission bits do not bind the superuser";
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    QString error;
    EXPECT_FALSE(ProfileFile(path).writeString("System", "Type", "MW Series", &error));
    EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
    EXPECT_EQ(readText(path), Sample);

    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    error.clear();
    EXPECT_FALSE(ProfileFile(path).writeString("System", "Type", "MW Series", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readText(path), Sample);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
