// HEX files written by srecord and binutils, made at test time from a random image.

#include "LoaderFixture.h"

#include <QProcess>
#include <random>

using namespace dalto;
using namespace dalto::testing;
using firmware::LoaderStatus;

namespace {

QByteArray randomImage(int bytes)
{
    std::mt19937 random(13);
    QByteArray image(bytes, '\0');
    for (char& b : image)
        b = char(random() & 0xFF);
    return image;
}

class StandardToolFiles : public LoaderFixture {
protected:
    StandardToolFiles()
    {
        QFile file(imagePath());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image);
    }

    QString imagePath() const { return folder.filePath(QStringLiteral("image.bin")); }

    // Runs program with arguments; the HEX file it wrote.
    QString make(const QString& program, const QStringList& arguments, const QString& output)
    {
        QProcess tool;
        tool.start(program, arguments);
        EXPECT_TRUE(tool.waitForFinished(60000)) << program.toStdString() << " did not run (is it installed?)";
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return folder.filePath(output);
    }

    QString objcopyFile(const QStringList& options, int bytes)
    {
        QFile::resize(imagePath(), bytes);
        return make(QStringLiteral("objcopy"),
                    options + QStringList{QStringLiteral("-I"), QStringLiteral("binary"), QStringLiteral("-O"),
                                          QStringLiteral("ihex"), imagePath(), folder.filePath("objcopy.hex")},
                    QStringLiteral("objcopy.hex"));
    }

    // Larger than 64 KiB, so that the file needs a second upper address.
    QByteArray image = randomImage(70000);
};

} // namespace

TEST_F(StandardToolFiles, AnSrecordImageAcross64KiBLoadsByteForByte)
{
    const QString hex = make(QStringLiteral("srec_cat"),
                             {imagePath(), "-binary", "-offset", "0x200", "-o", folder.filePath("srec.hex"), "-intel",
                              "-address-length=4", "-output_block_size=16"},
                             QStringLiteral("srec.hex"));
    loader.run(hex);

    EXPECT_EQ(host.statuses.back(), LoaderStatus::Finished);
    QByteArray programmed;
    for (uint32_t a = 0x200; a < 0x200 + uint32_t(image.size()); ++a) {
        const auto byte = bootLoader.memory.find(a);
        if (byte == bootLoader.memory.end())
            break;
        programmed.append(char(byte->second));
    }
    EXPECT_EQ(programmed.size(), image.size());
    EXPECT_TRUE(programmed == image);
    EXPECT_EQ(bootLoader.memory.rbegin()->first, 0x200 + uint32_t(image.size()) - 1);
}

TEST_F(StandardToolFiles, ObjcopySegmentAndStartRecordsAreRefusedBeforeAnythingIsSent)
{
    // A large image gets a segment record (type 02) after 64 KiB of data.
    loader.run(objcopyFile({}, 70000));
    EXPECT_EQ(host.statuses, (std::vector{LoaderStatus::Blank, LoaderStatus::Error}));

    // A small one with a start address gets only a start record (type 03).
    host.statuses.clear();
    loader.run(objcopyFile({QStringLiteral("--set-start"), QStringLiteral("0x1234")}, 3000));
    EXPECT_EQ(host.statuses, (std::vector{LoaderStatus::Blank, LoaderStatus::InvalidFile}));

    EXPECT_TRUE(line.written().isEmpty());
    EXPECT_FALSE(context.state.LoaderActive);
}
