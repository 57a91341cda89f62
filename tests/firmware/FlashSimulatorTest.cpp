// The firmware loader end to end: a HEX file made by srec_cat goes over a
// pseudo-terminal pair into dalto-sim's boot loader, on the real clock.
#include "SimulatorFlash.h"

#include <gtest/gtest.h>
#include <random>

using namespace dalto;
using dalto::testing::SimulatorFlash;
using firmware::LoaderStatus;

namespace {

// Beyond 64 KiB from 0x200 on, so that the file holds a second upper address and
// a record at address 0000 of it, which must be sent.
QByteArray randomImage()
{
    std::mt19937 random(29);
    QByteArray image(0x10000 + 0x400, '\0');
    for (char& byte : image)
        byte = char(random() & 0xFF);
    return image;
}

} // namespace

TEST(FlashSimulator, StoresTheFileByteForByteAndAnswersWithItsNewVersion)
{
    SimulatorFlash rig({QStringLiteral("--flash-version"), QStringLiteral("2.3")});
    const QByteArray image = randomImage();
    // Long records: every packet waits for a quiet line first.
    const QString hex = rig.makeHexFile(image, 64);
    ASSERT_TRUE(rig.problem().isEmpty()) << rig.problem().toStdString();

    rig.loader->run(hex);

    ASSERT_FALSE(rig.host.statuses.empty());
    EXPECT_EQ(rig.host.statuses.back(), LoaderStatus::Finished);
    EXPECT_TRUE(rig.host.messages.empty());
    const QByteArray stored = rig.storedImage();
    EXPECT_EQ(stored.left(SimulatorFlash::ImageOffset), QByteArray(SimulatorFlash::ImageOffset, '\xFF'));
    EXPECT_TRUE(stored.mid(SimulatorFlash::ImageOffset) == image) << "stored " << stored.size() << " bytes";
    EXPECT_EQ(rig.context.state.FirmwareVersion.left(3), "2.3");
    EXPECT_FALSE(rig.context.state.LoaderActive);
}

TEST(FlashSimulator, ALateAcknowledgementOrASurplusProbeAnswerLosesNoRefusedRecord)
{
    // 256 records behind 32 erase packets. On a line of real speed two replies
    // rarely arrive together, so that one read cannot take both; records are
    // refused every 40 packets from packet 60 on.
    const QByteArray image = randomImage().left(0x1000);
    QStringList common{QStringLiteral("--line-rate"), QStringLiteral("19200")};
    for (int packet = 60; packet < 288; packet += 40)
        common << QStringLiteral("--boot-refuse") << QString::number(packet);
    for (const QStringList& fault : {QStringList{QStringLiteral("--boot-late"), QStringLiteral("40:2100")},
                                     QStringList{QStringLiteral("--boot-second-probe-answer"), QStringLiteral("80")}}) {
        SCOPED_TRACE(fault.join(u' ').toStdString());
        SimulatorFlash rig(fault + common);
        const QString hex = rig.makeHexFile(image);
        ASSERT_TRUE(rig.problem().isEmpty()) << rig.problem().toStdString();

        rig.loader->run(hex);

        ASSERT_FALSE(rig.host.statuses.empty());
        EXPECT_EQ(rig.host.statuses.back(), LoaderStatus::Finished);
        EXPECT_TRUE(rig.storedImage().mid(SimulatorFlash::ImageOffset) == image);
    }
}

TEST(FlashSimulator, ABootLoaderThatFallsSilentEndsInTimedOut)
{
    // All 32 erase packets and a few writes are acknowledged, then nothing.
    SimulatorFlash rig({QStringLiteral("--boot-stop-after"), QStringLiteral("40")});
    const QString hex = rig.makeHexFile(QByteArray(0x1000, '\x5A'));
    ASSERT_TRUE(rig.problem().isEmpty()) << rig.problem().toStdString();

    rig.loader->run(hex);

    ASSERT_FALSE(rig.host.statuses.empty());
    EXPECT_EQ(rig.host.statuses.back(), LoaderStatus::TimedOut);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "Firmware Loader lost communication");
    EXPECT_EQ(rig.host.messages[0].title, "Firmware Loader");
    EXPECT_EQ(rig.host.ended, 1);
}
