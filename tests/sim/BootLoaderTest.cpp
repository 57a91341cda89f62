#include "BootPacket.h"
#include "sim/BootFrameReader.h"
#include "sim/BootLoader.h"

#include <gtest/gtest.h>

using namespace dalto::sim;
using dalto::testing::BootPacket;
using dalto::testing::EraseBody;
using dalto::testing::ProgramBody;

namespace {

std::vector<BootFrame> feed(BootFrameReader& reader, const QByteArray& bytes)
{
    std::vector<BootFrame> frames;
    for (char byte : bytes) {
        if (auto frame = reader.feed(byte))
            frames.push_back(*frame);
    }
    return frames;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

} // namespace

TEST(BootFrameReader, UnescapesAndChecksTheHostsPackets)
{
    BootFrameReader reader;
    // The erase of block 0x200 and the reset exactly as the host puts them on the line.
    auto frames = feed(reader, bytes({0x0F, 0x0F, 0x02, 0xFF, 0x00, 0x02, 0x00, 0xFD, 0x04}) +
                                   bytes({0x0F, 0x0F, 0x05, 0x04, 0xFC, 0x04}));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].body, bytes({0x02, 0xFF, 0x00, 0x02, 0x00}));
    EXPECT_EQ(frames[1].body, bytes({0x04}));

    // Probes before a packet leave it intact; every special byte survives escaping.
    const QByteArray body = ProgramBody(0x0F0405, bytes({0x0F, 0x05, 0x04, 0x00, 0xFF, 0x0F, 0x0F, 0x04}));
    feed(reader, "\x0F\x0F\x0F");
    EXPECT_EQ(reader.pendingStx(), 3);
    frames = feed(reader, BootPacket(body));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].good());
    EXPECT_EQ(frames[0].body, body);
    EXPECT_EQ(reader.pendingStx(), 0);
}

TEST(BootFrameReader, RefusesBrokenFramesAndReadsTheNextOne)
{
    const QByteArray good = BootPacket(EraseBody(0x1000));
    QByteArray wrongSum = good;
    wrongSum[wrongSum.size() - 2] = static_cast<char>(wrongSum[wrongSum.size() - 2] + 1);
    const QByteArray cutOff = good.left(5);          // the next STX arrives before the ETX
    const QByteArray badEscape = bytes({0x0F, 0x0F, 0x05, 0x41, 0x04});
    const QByteArray empty = bytes({0x0F, 0x0F, 0x04});
    const QByteArray onlySum = bytes({0x0F, 0x0F, 0x00, 0x04});
    const QByteArray tooLong = "\x0F\x0F" + QByteArray(BootFrameReader::MaxBody + 1, '\x01') + '\x04';

    for (const QByteArray& bad : {wrongSum, cutOff, badEscape, empty, onlySum, tooLong}) {
        BootFrameReader reader;
        const auto frames = feed(reader, bad + good);
        ASSERT_EQ(frames.size(), 2u) << bad.toHex().toStdString();
        EXPECT_FALSE(frames[0].good());
        EXPECT_TRUE(frames[1].good()) << frames[1].fault.toStdString();
        EXPECT_EQ(frames[1].body, EraseBody(0x1000));
    }
}

TEST(BootLoader, WritesOnlyWhereItErasedAndKeepsItsOwnCode)
{
    BootLoader loader;
    const QByteArray data = bytes({1, 2, 3, 4, 5, 0, 0, 0});
    EXPECT_EQ(loader.handle(ProgramBody(0x200, data)).reply, BootLoader::refusal()) << "not erased yet";
    EXPECT_EQ(loader.handle(EraseBody(0x200)).reply, BootLoader::acknowledgement());
    EXPECT_EQ(loader.handle(ProgramBody(0x200, data)).reply, BootLoader::acknowledgement());
    EXPECT_EQ(loader.handle(ProgramBody(0x1F8, data + data)).reply, BootLoader::refusal()) << "boot loader area";
    EXPECT_EQ(loader.handle(ProgramBody(0xFF8, data + data)).reply, BootLoader::refusal()) << "runs into block 0x1000";
    EXPECT_EQ(loader.handle(ProgramBody(0x208, data.left(5))).reply, BootLoader::refusal()) << "not whole blocks";

    // Other memory needs no erase and takes the count as it is.
    const QByteArray other = bytes({0x03, 3, 0x10, 0x02, 0x00, 0xAA, 0xBB, 0xCC});
    EXPECT_EQ(loader.handle(other).reply, BootLoader::acknowledgement());
    EXPECT_EQ(loader.handle(bytes({0x03, 4, 0x10, 0x02, 0x00, 0xAA})).reply, BootLoader::refusal());

    QByteArray expected(0x213, '\xFF');
    expected.replace(0x200, 8, data);
    expected.replace(0x210, 3, bytes({0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(loader.memory().image(), expected);

    // A second erase wipes the block again; the first block keeps its first 0x200 bytes.
    EXPECT_EQ(loader.handle(EraseBody(0x000)).reply, BootLoader::acknowledgement());
    EXPECT_EQ(loader.memory().image(), QByteArray(0x213, '\xFF'));
}

TEST(BootLoader, RefusesWhatItDoesNotKnowAndRestartsSilently)
{
    BootLoader loader;
    for (const QByteArray& bad : {bytes({0x07}), bytes({0x02, 0x00, 0x00, 0x10, 0x00}), bytes({0x02, 0xFF, 0x00}),
                                  bytes({0x04, 0x00}), EraseBody(0x200000)})
        EXPECT_EQ(loader.handle(bad).reply, BootLoader::refusal()) << bad.toHex().toStdString();

    const BootLoader::Outcome reset = loader.handle(bytes({0x04}));
    EXPECT_TRUE(reset.reset);
    EXPECT_TRUE(reset.reply.isEmpty());
}
