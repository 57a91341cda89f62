#include "HexText.h"
#include "LoaderFixture.h"
#include "QStringPrinter.h"
#include "firmware/ModulationTableCheck.h"

#include <QDir>

using namespace dalto;
using namespace dalto::testing;
using firmware::LoaderStatus;

namespace {

// Upper 0 with a reset-vector record (never sent) and a five-byte record, then the
// same reset-vector address under upper 1 (sent), padded to twelve lines.
QByteArray smallImage()
{
    QByteArray text = upperLine(0) + hexLine(0x00, 0x0000, "\xEF\xBE\xAD\xDE") + hexLine(0x00, 0x0200, "\x0F\x01\x02\x03\x04");
    for (uint16_t a = 0x0210; a < 0x0280; a += 0x10)
        text += hexLine(0x00, a, QByteArray(16, char(a)));
    return text + upperLine(1) + hexLine(0x00, 0x0000, "\x11\x22") + endLine();
}

// Forty records of sixteen bytes from 0x200 on, no two bytes alike in a row.
QByteArray recordImage()
{
    QByteArray image;
    for (int i = 0; i < 40 * 16; ++i)
        image.append(char(i * 7 + i / 256));
    return image;
}

QByteArray hexFileOf(const QByteArray& image)
{
    QByteArray text = upperLine(0);
    for (qsizetype at = 0; at < image.size(); at += 16)
        text += hexLine(0x00, uint16_t(0x200 + at), image.mid(at, 16));
    return text + endLine();
}

// The addresses the write packets went to, a repeat of the same packet counted once.
std::vector<uint32_t> writeOrder(const std::vector<firmware::UnframedPacket>& packets)
{
    std::vector<uint32_t> order;
    for (const firmware::UnframedPacket& p : packets) {
        if (uint8_t(p.body[0]) != firmware::ProgramWriteCommand)
            continue;
        const uint32_t address = uint8_t(p.body[2]) | uint8_t(p.body[3]) << 8 | uint8_t(p.body[4]) << 16;
        if (order.empty() || order.back() != address)
            order.push_back(address);
    }
    return order;
}

std::vector<uint32_t> expectedErase()
{
    std::vector<uint32_t> addresses{0x200};
    for (uint32_t a = 0x1000; a <= 0x1F000; a += 0x1000)
        addresses.push_back(a);
    return addresses;
}

} // namespace

TEST_F(LoaderFixture, ATransferErasesWritesRestartsAndFinishesGreen)
{
    loader.run(writeFile(smallImage()));

    EXPECT_EQ(host.statuses, (std::vector{LoaderStatus::Blank, LoaderStatus::Initiating, LoaderStatus::Erasing,
                                          LoaderStatus::Loading, LoaderStatus::Finished}));
    EXPECT_EQ(bootLoader.erasedAddresses(), expectedErase());
    // The reset vector under upper 0 stays untouched; under upper 1 it is written.
    EXPECT_EQ(bootLoader.memory.count(0x0000), 0u);
    EXPECT_EQ(bootLoader.memory.at(0x10000), 0x11);
    EXPECT_EQ(bootLoader.memory.at(0x10007), 0x00); // padding
    EXPECT_EQ(bootLoader.memory.at(0x0200), 0x0F);
    EXPECT_TRUE(bootLoader.restarted);
    EXPECT_EQ(host.addresses.front(), "0 02 00");
    EXPECT_EQ(host.addresses[31], "1 F0 00");
    EXPECT_EQ(host.addresses.back(), "1 00 00");
    EXPECT_EQ(host.range, 13);
    EXPECT_EQ(host.progress.back(), 12); // the end record's line
    EXPECT_TRUE(host.messages.empty());
    // Firmware 2.34 needs no modulation check.
    EXPECT_EQ(bootLoader.commands, (QStringList{"VOLT?", "VOLT?", "<>ALL", "SYST:VERS?"}));
    EXPECT_EQ(context.state.FirmwareVersion, "2.3");
    EXPECT_FALSE(context.state.LoaderActive);
    EXPECT_FALSE(loader.running());
    EXPECT_EQ(host.ended, 1);
}

TEST_F(LoaderFixture, AShortReplyRepeatsTheSamePacket)
{
    bootLoader.replyToPacket(0, "NO");    // the first erase packet
    bootLoader.replyToPacket(33, "\x04"); // the five-byte record
    bootLoader.replyToPacket(35, "OK\x04"); // three characters acknowledge
    loader.run(writeFile(smallImage()));

    std::vector<uint32_t> erased = expectedErase();
    erased.insert(erased.begin(), 0x200);
    EXPECT_EQ(bootLoader.erasedAddresses(), erased);
    EXPECT_EQ(bootLoader.packets[33].body, bootLoader.packets[34].body);
    EXPECT_NE(bootLoader.packets[35].body, bootLoader.packets[36].body);
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Finished);
    // The erase progress went back for the repeat.
    EXPECT_EQ((std::vector<int>(host.progress.begin(), host.progress.begin() + 4)), (std::vector{0, 1, 0, 1}));
}

TEST_F(LoaderFixture, LateAndSurplusRepliesNeverPassForTheNextPacketsReply)
{
    // A boot loader that takes 15 ms a packet; a refusal then follows either an
    // erase acknowledged after the 2 s read or a probe answered twice, 80 ms apart.
    const QByteArray image = recordImage();
    std::vector<uint32_t> inFileOrder;
    for (uint32_t at = 0; at < uint32_t(image.size()); at += 16)
        inFileOrder.push_back(0x200 + at);
    for (int fault = 0; fault < 2; ++fault) {
        SCOPED_TRACE(fault == 0 ? "late erase acknowledgement" : "surplus probe answer");
        BootLoaderDevice device(line, clock);
        device.answerSeconds = 0.015;
        if (fault == 0)
            device.acknowledgeLate(5, 2.1);
        else
            device.answerFirstProbeAgainAfter(0.08);
        device.replyToPacket(45, "N\x04");
        host = {};
        loader.run(writeFile(hexFileOf(image)));

        EXPECT_EQ(host.statuses.back(), LoaderStatus::Finished);
        EXPECT_EQ(writeOrder(device.packets), inFileOrder);
        std::map<uint32_t, uint8_t> expected;
        for (qsizetype i = 0; i < image.size(); ++i)
            expected[uint32_t(0x200 + i)] = uint8_t(image[i]);
        EXPECT_TRUE(device.memory == expected) << device.memory.size() << " bytes written of " << expected.size();
    }
}

TEST_F(LoaderFixture, EndingTheProgramEndsEveryWaitAtOnceWithoutABox)
{
    context.onEndProgram = [] {};
    // Time also passes between readings, so that a loop that spins still ends.
    clock.advanceOnEveryReading(0.0001);
    double endedAt = 0;
    const auto endProgram = [&] {
        if (!context.programEnding) {
            endedAt = clock.now();
            context.endProgram();
        }
    };

    // While erasing: nothing after the packet in flight.
    host.onProgress = [&](int value) {
        if (host.statuses.back() == LoaderStatus::Erasing && value == 3)
            endProgram();
    };
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Stopped);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(bootLoader.packets.size(), 3u);
    EXPECT_LT(clock.now() - endedAt, 0.1);
    EXPECT_FALSE(context.state.LoaderActive);

    // While checking that the silent supply answers after the restart.
    context.programEnding = false;
    host = {};
    bootLoader.packets.clear();
    bootLoader.silentAfterReset = true;
    clock.onAdvance([&](double) {
        if (bootLoader.restarted)
            endProgram();
    });
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Stopped);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_LE(bootLoader.commands.size(), 1);
    EXPECT_LT(clock.now() - endedAt, 0.1);
    EXPECT_EQ(host.ended, 1);
}

TEST_F(LoaderFixture, FilesThatCannotLoadSendNothing)
{
    QByteArray tenLines = upperLine(0);
    for (int i = 0; i < 8; ++i)
        tenLines += hexLine(0x00, uint16_t(0x200 + 16 * i), QByteArray(16, 1));
    tenLines += endLine().chopped(2);
    QByteArray segment = smallImage();
    segment.insert(0, hexLine(0x02, 0, QByteArray(2, 0)));

    const std::pair<QByteArray, LoaderStatus> cases[] = {
        {tenLines, LoaderStatus::InvalidFile},
        {segment, LoaderStatus::Error},
        {smallImage().replace(endLine(), ""), LoaderStatus::InvalidFile},
    };
    for (const auto& [text, status] : cases) {
        host.statuses.clear();
        loader.run(writeFile(text));
        EXPECT_EQ(host.statuses, (std::vector{LoaderStatus::Blank, status}));
    }
    EXPECT_TRUE(line.written().isEmpty());
    EXPECT_EQ(host.ended, 3);
    EXPECT_FALSE(context.state.LoaderActive);
}

TEST_F(LoaderFixture, AMissingOrUnreadableFileIsReportedInTheRuntimesWordsAndStartIsUsableAgain)
{
    loader.run(folder.filePath(QStringLiteral("gone.hex")));
    QDir(folder.path()).mkdir(QStringLiteral("folder.hex"));
    loader.run(folder.filePath(QStringLiteral("folder.hex")));
    ASSERT_EQ(host.errors.size(), 2u);
    EXPECT_EQ(host.errors[0].number, 53);
    EXPECT_EQ(host.errors[0].description, "File not found");
    EXPECT_EQ(host.errors[1].number, 75);
    EXPECT_EQ(host.errors[1].description, "Path/File access error");
    EXPECT_EQ(host.ended, 2);
    EXPECT_FALSE(context.state.LoaderActive);
    EXPECT_TRUE(line.written().isEmpty());
}

TEST_F(LoaderFixture, NoBootLoaderTimesOutAfterTenSeconds)
{
    bootLoader.answersProbe = false;
    const double started = clock.now();
    loader.run(writeFile(smallImage()));

    EXPECT_EQ(host.statuses.back(), LoaderStatus::TimedOut);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Firmware Loader could not establish communication");
    EXPECT_EQ(host.messages[0].title, "Firmware Loader");
    EXPECT_GT(clock.now() - started, 10.0);
    EXPECT_EQ(line.written(), QByteArray(bootLoader.probes, '\x0F'));
    EXPECT_FALSE(context.state.LoaderActive);
}

TEST_F(LoaderFixture, AcknowledgementsThatStopEndInLostCommunication)
{
    for (size_t silentFrom : {5u, 36u}) { // while erasing, while loading
        host = {};
        bootLoader.packets.clear();
        bootLoader.silentFromPacket(silentFrom);
        loader.run(writeFile(smallImage()));
        EXPECT_EQ(host.statuses.back(), LoaderStatus::TimedOut);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Firmware Loader lost communication");
        // The unacknowledged packet went out again for ten seconds (five 2 s reads),
        // then nothing more.
        EXPECT_GE(bootLoader.packets.size(), silentFrom + 5);
        EXPECT_LE(bootLoader.packets.size(), silentFrom + 6);
        EXPECT_FALSE(bootLoader.restarted);
    }
}

TEST_F(LoaderFixture, AFailingLinkIsLostCommunicationNotSuccess)
{
    host.onProgress = [this](int value) {
        if (value == 4)
            line.failNextRead(LinkFault{QStringLiteral("gone"), QStringLiteral("mscRS232"), 8015});
    };
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::TimedOut);
    EXPECT_EQ(host.messages.back().text, "Firmware Loader lost communication");
}

TEST_F(LoaderFixture, StopEndsErasingAfterTheNextAcknowledgementAndLoadingAtTheNextLine)
{
    host.onProgress = [this](int value) {
        if (host.statuses.back() == LoaderStatus::Erasing && value == 5)
            loader.stop();
    };
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Stopped);
    EXPECT_EQ(bootLoader.erasedAddresses().size(), 5u);

    host = {};
    bootLoader.packets.clear();
    host.onProgress = [this](int value) {
        if (host.statuses.back() == LoaderStatus::Loading && value == 4)
            loader.stop();
    };
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Stopped);
    // Lines 0-3: the reset vector was skipped, two records written.
    EXPECT_EQ(bootLoader.packets.size(), 32u + 2u);
    EXPECT_FALSE(bootLoader.restarted);
    EXPECT_FALSE(context.state.LoaderActive);
}

TEST_F(LoaderFixture, ASilentSupplyAfterTheRestartFinishesYellowWithAWarning)
{
    bootLoader.silentAfterReset = true;
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::FinishedSilent);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Firmware Programming Warning");
    EXPECT_EQ(host.messages[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(host.messages[0].text, "Could not establish communications with device after firmware programming.\r\n"
                                     "Please make sure remote operation is enabled to continue using Dalto Panel.");
}

TEST_F(LoaderFixture, FirmwareBelow21GetsItsModulationTableChecked)
{
    bootLoader.firmwareVersion = QStringLiteral("2.0");
    bootLoader.rows[6] = QStringLiteral("(2.5,1)"); // VMOD out of range
    loader.run(writeFile(smallImage()));
    EXPECT_EQ(host.statuses.back(), LoaderStatus::Finished);
    const QStringList sent = bootLoader.commands;
    EXPECT_EQ(sent.mid(4, 2), (QStringList{"MOD:TYPE:SEL?", "MOD:TABL? 1"}));
    EXPECT_EQ(sent.mid(24, 3), (QStringList{"MOD:TABL? 20", "MOD:TYPE:SEL 1,0", "MOD:TYPE:SEL?"}));
    EXPECT_TRUE(sent.contains("MOD:TABL 20(0,0)"));
    EXPECT_EQ(sent.mid(sent.size() - 2), (QStringList{"MOD:TYPE:SEL 0,0", "MOD:TYPE:SEL?"}));
}

TEST_F(LoaderFixture, AValidModulationTableKeepsItsSelection)
{
    bootLoader.restarted = true;
    bootLoader.modSelection = QStringLiteral("2,1");
    bootLoader.rows[19] = QStringLiteral("(2.0,-2.0)"); // bounds are valid
    firmware::CheckModulationTable(link);
    EXPECT_EQ(bootLoader.commands.size(), 1 + 20 + 2);
    EXPECT_EQ(bootLoader.commands.mid(21), (QStringList{"MOD:TYPE:SEL 2,1", "MOD:TYPE:SEL?"}));

    bootLoader.commands.clear();
    bootLoader.modSelection = QStringLiteral("4,0");
    firmware::CheckModulationTable(link);
    EXPECT_EQ(bootLoader.commands.mid(1, 1), QStringList{"MOD:TYPE:SEL 1,0"});
}
