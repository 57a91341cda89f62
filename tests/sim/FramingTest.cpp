#include "sim/LineSplitter.h"
#include "sim/Rs485Node.h"

#include <gtest/gtest.h>

using namespace dalto::sim;

namespace {
std::vector<QByteArray> lines(std::initializer_list<const char*> texts)
{
    std::vector<QByteArray> result;
    for (const char* text : texts)
        result.emplace_back(text);
    return result;
}
struct Fed {
    std::vector<QByteArray> lines;
    Rs485Node::Result result;
};

Fed feed(Rs485Node& node, QByteArrayView bytes)
{
    Fed fed;
    fed.result = node.feed(bytes, [&fed](const QByteArray& line) { fed.lines.push_back(line); });
    return fed;
}

} // namespace

TEST(LineSplitter, JoinsPiecesAndSplitsBursts)
{
    LineSplitter splitter;
    EXPECT_TRUE(splitter.feed("VOLT").lines.empty());
    EXPECT_EQ(splitter.feed(" 5\nCURR 1\r\n*ID").lines, lines({"VOLT 5", "CURR 1\r"}));
    EXPECT_EQ(splitter.feed("N?\n").lines, lines({"*IDN?"}));
    splitter.feed("half a line");
    splitter.reset();
    EXPECT_EQ(splitter.feed("*RST\n").lines, lines({"*RST"}));
}

TEST(LineSplitter, DropsAnOverLongLineAndResumesAfterItsEnd)
{
    LineSplitter splitter;
    const QByteArray flood(LineSplitter::MaxLine + 1, 'A');
    const auto first = splitter.feed(flood);
    EXPECT_EQ(first.overruns, 1);
    EXPECT_TRUE(first.lines.empty());
    const auto more = splitter.feed(QByteArray(100000, 'B') + "\nVOLT?\n");
    EXPECT_EQ(more.overruns, 0);
    EXPECT_EQ(more.lines, lines({"VOLT?"}));

    const QByteArray exact(LineSplitter::MaxLine, 'C');
    const auto fits = splitter.feed(exact + "\n");
    EXPECT_EQ(fits.overruns, 0);
    ASSERT_EQ(fits.lines.size(), 1u);
    EXPECT_EQ(fits.lines[0].size(), LineSplitter::MaxLine);
}

TEST(Rs485Node, SelectSequenceChoosesWhichNodeAnswersPlainLines)
{
    Rs485Node node(7);
    EXPECT_TRUE(feed(node, "*IDN?\n").lines.empty());
    const auto selected = feed(node, "\x13" "07\x01\n*IDN?\n");
    EXPECT_TRUE(node.selected());
    EXPECT_EQ(selected.lines, lines({"*IDN?"}));
    feed(node, "\x13" "C8\x01");
    EXPECT_FALSE(node.selected());
    EXPECT_TRUE(feed(node, "VOLT 1\n").lines.empty());
}

TEST(Rs485Node, PacketFramesForThisNodeAreJoinedIntoLines)
{
    Rs485Node node(200);
    // A 70-character command plus LF travels as frames of 32, 32 and 7 characters.
    const QByteArray command = "CALibrate:IDN " + QByteArray(56, 'x') + "\n";
    ASSERT_EQ(command.size(), 71);
    QByteArray wire;
    for (qsizetype at = 0; at < command.size(); at += 32)
        wire += "{C8" + command.mid(at, 32) + "\r";
    wire += "{07<>STA\n\r";
    const auto result = feed(node, wire);
    EXPECT_EQ(result.lines, std::vector<QByteArray> {command.chopped(1)});
    EXPECT_FALSE(node.selected());
}

TEST(Rs485Node, ControlLinesAreAnsweredOnlyWhenTheyNameThisNode)
{
    Rs485Node node(7);
    EXPECT_EQ(feed(node, "&07800\r").result.controlReplies, "&07800\r");
    EXPECT_TRUE(feed(node, "&08810\r").result.controlReplies.isEmpty());
    EXPECT_TRUE(feed(node, "&07\nVOLT 1\n\r").result.controlReplies.isEmpty());

    const auto wrongKey = feed(node, "%071299999999\r");
    EXPECT_EQ(wrongKey.result.controlReplies, "%07ERR\r");
    EXPECT_FALSE(wrongKey.result.newAddress);

    const auto change = feed(node, "%071258120946\r");
    EXPECT_EQ(change.result.newAddress, 0x12);
    EXPECT_EQ(change.result.controlReplies, "%12\r");
    EXPECT_EQ(feed(node, "{12VOLT?\n\r").lines, lines({"VOLT?"}));
    EXPECT_TRUE(feed(node, "{07VOLT?\n\r").lines.empty());
}

TEST(Rs485Node, GarbageAndOverLongUnitsDoNotWedgeTheNode)
{
    Rs485Node node(7);
    const auto flood = feed(node, "{07" + QByteArray(10000, '\0'));
    EXPECT_EQ(flood.result.overruns, 1);
    feed(node, "\r");
    feed(node, QByteArray("\x13\x13\x13zz\x01", 6));
    EXPECT_EQ(feed(node, "{07VOLT?\n\r").lines, lines({"VOLT?"}));
}

TEST(Rs485Node, AnAddressChangedByACommandAppliesToTheBytesAfterIt)
{
    Rs485Node node(7);
    std::vector<QByteArray> seen;
    node.feed("\x13" "07\x01" "SYST:COMM:SER:ADDR 9\n" "\x13" "09\x01" "VOLT?\n",
              [&](const QByteArray& line) {
                  seen.push_back(line);
                  if (line.startsWith("SYST"))
                      node.setAddress(9);
              });
    EXPECT_EQ(seen, lines({"SYST:COMM:SER:ADDR 9", "VOLT?"}));
    EXPECT_TRUE(node.selected());
}
