#include "HexText.h"
#include "firmware/HexFile.h"

#include <gtest/gtest.h>

using namespace dalto::firmware;
using dalto::testing::endLine;
using dalto::testing::hexLine;
using dalto::testing::upperLine;

namespace {
// A file of lines lines: an upper address, data records and the end record.
QByteArray fileOf(int lines, const QByteArray& extra = {})
{
    QByteArray text = upperLine(0) + extra;
    for (int i = text.count('\n'); i < lines - 1; ++i)
        text += hexLine(0x00, uint16_t(0x200 + 16 * i), QByteArray(16, char(i)));
    return text + endLine().chopped(2); // no line feed after the last line
}
} // namespace

TEST(HexFile, ElevenLinesAreTheLeastThatLoad)
{
    const HexFile ten = parseHexFile(fileOf(10));
    EXPECT_EQ(ten.fault, HexFault::Invalid);
    EXPECT_EQ(ten.upperBound, 9);

    const HexFile eleven = parseHexFile(fileOf(11));
    ASSERT_TRUE(eleven.usable()) << eleven.error.toStdString();
    EXPECT_EQ(eleven.upperBound, 10);
    ASSERT_EQ(eleven.records.size(), 11u);
    EXPECT_EQ(eleven.records[1].addressText, "0210");
    EXPECT_EQ(eleven.records[1].data, QByteArray(16, '\1'));
    EXPECT_EQ(eleven.records[10].type, 0x01);
}

TEST(HexFile, BlankLinesADosEndByteAndARepeatedEndRecordMayFollowTheEnd)
{
    const HexFile file = parseHexFile(fileOf(11) + "\r\n\n");
    ASSERT_TRUE(file.usable());
    EXPECT_EQ(file.upperBound, 12);
    EXPECT_EQ(file.records.size(), 11u);

    for (const QByteArray& tail : {QByteArray("\x1A"), QByteArray("\r\n\x1A"), QByteArray("\r\n\x1A\r\n"),
                                   "\r\n" + endLine(), "\r\n\r\n" + endLine() + "\x1A"}) {
        const HexFile ending = parseHexFile(fileOf(11) + tail);
        EXPECT_TRUE(ending.usable()) << tail.toHex().toStdString() << ": " << ending.error.toStdString();
        EXPECT_EQ(ending.records.size(), 11u);
    }
    // Anything else after the end is refused.
    for (const QByteArray& tail : {QByteArray("\r\n\x1A\x1A"), QByteArray("\x1A:"), QByteArray("\r\n\x1A\r\nx"),
                                   "\r\n" + hexLine(0x00, 0x300, "a"), "\r\n" + upperLine(1)})
        EXPECT_EQ(parseHexFile(fileOf(11) + tail).fault, HexFault::Invalid) << tail.toHex().toStdString();
    // And a DOS end byte before the end record.
    EXPECT_EQ(parseHexFile(fileOf(11, "\x1A\r\n")).fault, HexFault::Invalid);
}

TEST(HexFile, DamagedFilesAreRefusedAsInvalid)
{
    QByteArray badChecksum = hexLine(0x00, 0x300, "abc"); // its own checksum is D4
    badChecksum.replace(badChecksum.size() - 4, 2, "00");
    const QByteArray damaged[] = {
        fileOf(11, badChecksum),
        fileOf(11).replace(":10", ":0F"),                       // count does not match the line
        fileOf(11).replace(':', ';'),                          // not a record
        fileOf(12).replace(endLine().chopped(2), hexLine(0x00, 0x900, "ab").chopped(2)), // no end record
        fileOf(11) + "\n:junk",                                // text after the end
        fileOf(11, hexLine(0x03, 0, QByteArray(4, 0))),       // start address: nothing to load
        fileOf(11, upperLine(0x100)),                          // beyond 24 bits (0xFF loads, below)
        fileOf(11, hexLine(0x04, 0, "\1")),                    // short extended address
        fileOf(11, "\r\n"),                                    // blank line inside
        QByteArray(MaxHexFileBytes + 1, '\n'),
    };
    for (const QByteArray& text : damaged)
        EXPECT_EQ(parseHexFile(text).fault, HexFault::Invalid) << text.left(120).toStdString();
}

TEST(HexFile, TheHighestUpperAddressLoads)
{
    EXPECT_TRUE(parseHexFile(fileOf(11, upperLine(0xFF))).usable());
}

TEST(HexFile, SegmentAndStartLinearRecordsAreRefusedAsErrors)
{
    EXPECT_EQ(parseHexFile(fileOf(11, hexLine(0x02, 0, QByteArray(2, 0)))).fault, HexFault::RefusedRecordType);
    EXPECT_EQ(parseHexFile(fileOf(11, hexLine(0x05, 0, QByteArray(4, 0)))).fault, HexFault::RefusedRecordType);
}

TEST(HexFile, ShortPathsAndMissingFilesLoadNothing)
{
    EXPECT_EQ(loadHexFile(QString()).fault, HexFault::Invalid);
    EXPECT_EQ(loadHexFile(QStringLiteral("a.he")).fault, HexFault::Invalid);
    // Five characters are a path to try.
    EXPECT_EQ(loadHexFile(QStringLiteral("a.hex")).fault, HexFault::Unreadable);
    EXPECT_EQ(loadHexFile(QStringLiteral("/nonexistent/fw.hex")).fault, HexFault::Unreadable);
}
