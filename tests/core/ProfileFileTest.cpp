#include "QStringPrinter.h"
#include "TestFiles.h"
#include "core/ProfileFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace dalto;
using namespace dalto::testing;

namespace {

const QByteArray Sample = "; settings of the test bench\n"
                          "[Application]\n"
                          "Start-Up=Command Panel\n"
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
    void SetUp() override { writeText(path, Sample); }

    QTemporaryDir dir;
    QString path = dir.filePath("Dalto_Panel.ini");
    ProfileFile file{path};
};

} // namespace

TEST_F(ProfileFileTest, ReadsWithoutCaseTrimmedWithDefaultsForWhatIsMissing)
{
    EXPECT_EQ(file.readString("COMMUNICATION", "address"), "10.0.0.5");
    EXPECT_EQ(file.readString("communication", "COMM"), "TCP/IP");
    EXPECT_EQ(file.readString("Communication", "Port"), "4040") << "the first of two equal keys counts";
    EXPECT_EQ(file.readString("Communication", "Baud", "19200"), "19200");
    EXPECT_EQ(ProfileFile(dir.filePath("absent.ini")).readString("System", "Type", "none"), "none");
}

TEST_F(ProfileFileTest, OnlyTheFirst99CharactersOfAValueCount)
{
    QByteArray longValue;
    for (int i = 0; i < 150; ++i)
        longValue += char('a' + i % 26);
    writeText(path, "[S]\nK=" + longValue + "\n");
    EXPECT_EQ(file.readString("S", "K"), QString::fromLatin1(longValue.left(99)));
}

TEST_F(ProfileFileTest, WriteChangesOneKeyAndKeepsCommentsOrderAndTheRest)
{
    QString error;
    ASSERT_TRUE(file.writeString("communication", "address", "192.168.1.20", &error)) << error.toStdString();
    ASSERT_TRUE(file.writeString("Serial_Ports", "Port1", "/dev/ttyUSB0", &error)) << error.toStdString();

    const QString text = QString::fromUtf8(readText(path));
    EXPECT_EQ(text.count("Address", Qt::CaseInsensitive), 1) << text.toStdString();
    const char* inOrder[] = {"; settings of the test bench", "[Application]", "Start-Up=Command Panel",
                             "; how the supply is reached", "[Communication]", "Comm = TCP/IP", "; the bench supply",
                             "Address=192.168.1.20", "Port=4040", "Port=5050", "[System]", "Type=KD Series",
                             "[Serial_Ports]", "Port1=/dev/ttyUSB0"};
    qsizetype at = -1;
    for (const char* line : inOrder) {
        const qsizetype next = text.indexOf(line, at + 1);
        EXPECT_GT(next, at) << line << " missing or out of order in\n" << text.toStdString();
        at = next;
    }

    const QString fresh = dir.filePath("new.ini");
    ASSERT_TRUE(ProfileFile(fresh).writeString("Debug", "Type", "owl_mango"));
    EXPECT_EQ(ProfileFile(fresh).readString("DEBUG", "TYPE"), "owl_mango");
}

#ifdef Q_OS_UNIX
TEST_F(ProfileFileTest, FailedWriteOnAFullDiskIsReportedAndKeepsTheOldFile)
{
    // Files this process writes are capped at 16 bytes: the same failure as a full disk.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny{16, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tiny);
    QString error;
    const bool written = file.writeString("Communication", "Port", "1", &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(readText(path), Sample);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Dalto_Panel.ini"}) << "no temporary file left";
}
#endif

TEST_F(ProfileFileTest, APathNamingAFolderCanNeitherBeReadNorReplaced)
{
    const ProfileFile folder(dir.filePath("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(folder.path()));
    EXPECT_FALSE(folder.checkReadable());
    QString error;
    EXPECT_FALSE(folder.writeString("S", "K", "V", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ProfileFileTest, WriteProtectedFileOrFolderIsNotReplaced)
{
    if (runningAsSuperuser())
        GTEST_SKIP() << "permission bits do not bind the superuser";
    const auto tryWrite = [&] {
        QString error;
        EXPECT_FALSE(file.writeString("System", "Type", "MW Series", &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(readText(path), Sample);
    };
    QFile::setPermissions(path, QFile::ReadOwner);
    tryWrite();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    tryWrite();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ProfileFileTest, HandWrittenFileKeepsItsShapeAndQuotedValuesLoseTheirQuotes)
{
    const QByteArray handWritten = "\xEF\xBB\xBF[Communication]\r\n"
                                   "Comm = \"TCP/IP\"\r\n"
                                   "Address='bench-supply'\r\n"
                                   "see the bench log for the address\r\n"
                                   "Port=4040\r\n"
                                   "\r\n"
                                   "; the next section is read by the panels\r\n"
                                   "[System]\r\n"
                                   "Type=\"KD Series\r\n"
                                   "; last edited by hand";
    writeText(path, handWritten);
    EXPECT_EQ(file.readString("Communication", "Comm"), "TCP/IP");
    EXPECT_EQ(file.readString("Communication", "Address"), "bench-supply");
    EXPECT_EQ(file.readString("System", "Type"), "\"KD Series") << "an unpaired quote is part of the value";
    EXPECT_EQ(file.readString("Communication", "see the bench log for the address", "none"), "none");

    ASSERT_TRUE(file.writeString("communication", "PORT", "5050"));
    ASSERT_TRUE(file.writeString("Communication", "Baud", "9600"));
    ASSERT_TRUE(file.writeString("Serial_Ports", "Port1", "/dev/ttyUSB0"));
    EXPECT_EQ(readText(path), "\xEF\xBB\xBF[Communication]\r\n"
                              "Comm = \"TCP/IP\"\r\n"
                              "Address='bench-supply'\r\n"
                              "see the bench log for the address\r\n"
                              "Port=5050\r\n"
                              "Baud=9600\r\n"
                              "\r\n"
                              "; the next section is read by the panels\r\n"
                              "[System]\r\n"
                              "Type=\"KD Series\r\n"
                              "; last edited by hand\r\n"
                              "[Serial_Ports]\r\n"
                              "Port1=/dev/ttyUSB0\r\n");
}

TEST_F(ProfileFileTest, AWrittenValueReadsBackInADamagedFile)
{
    struct Case {
        const char* what;
        QByteArray text;
        const char* section;
        const char* key;
    };
    const Case cases[] = {
        {"a NUL byte before the end", QByteArray("[A]\nx\0 1\n", 9), "B", "y"},
        {"a line holding only [", "[A]\nk=1\n[\n", "B", "y"},
        {"a header without its ]", "[A]\nk=1\n[broken\n", "broken", "y"},
        {"a CR inside a line", "[S]\nx\r[T]\nk=1\n", "S", "k"},
        {"a name equal only by Unicode case folding", "[\xC5\xBF]\nk=1\n", "S", "k"},
    };
    for (const Case& c : cases) {
        writeText(path, c.text);
        ASSERT_TRUE(file.writeString(c.section, c.key, "written")) << c.what;
        EXPECT_EQ(file.readString(c.section, c.key), "written") << c.what;
    }
}
