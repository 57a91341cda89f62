// The program against a misbehaving dalto-sim over TCP and RS-232 (a
// pseudo-terminal pair): every fault ends in the message or fall-back the link
// promises, within its time-outs, with the event loop still turning and the
// memory held to the reply cap.

#include "FaultySupply.h"
#include "link/DeviceLink.h"
#include "panels/tools/frmCommand.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <iostream>

using namespace dalto;
using namespace dalto::testing;

namespace {

const QString TimedOutText = QStringLiteral("Device Timed Out.  Entering Simulated Mode!");
const QString NotFoundText = QStringLiteral("Device not Found.  Entering Simulated Mode!");
// The start-up queries the supply answers before a panel asks anything.
constexpr int StartupReplies = 4;
// Far beyond the link's 2 s and 3 s waits, and still a bound.
constexpr int GenerousMs = 20000;

// Counts event-loop turns while it lives.
struct TurnCounter {
    TurnCounter()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++turns; });
        timer.start(50);
    }
    QTimer timer;
    int turns = 0;
};

void report(const char* bus, const QString& fault, const QStringList& seen, qint64 ms)
{
    std::cout << "fault matrix: " << bus << " | " << fault.toStdString() << " | "
              << (seen.isEmpty() ? QStringLiteral("nothing") : seen.join(" / ")).toStdString() << " | " << ms
              << " ms\n";
}

const char* busName(Bus bus)
{
    return bus == Bus::Tcp ? "TCP" : "RS-232";
}

// One Get on the Command panel; how long it took.
qint64 getFirstRow(FaultySupply& supply)
{
    auto* command = qobject_cast<frmCommand*>(supply.app().currentPanel());
    EXPECT_NE(command, nullptr);
    if (!command)
        return 0;
    QElapsedTimer watch;
    watch.start();
    command->cmdGetSCPI.at(0)->click();
    return watch.elapsed();
}

struct CommandCase {
    const char* name;
    Bus bus;
    const char* fault; // hits every reply after start-up
    QString message;   // shown by the Get, which then leaves the link simulated; empty: none
    bool breaksConnection = false; // the supply closes the connection: no wait, a record
};

class CommandPanelFaults : public ::testing::TestWithParam<CommandCase> {};

} // namespace

TEST_P(CommandPanelFaults, GetEndsInTheLinksFallBack)
{
    const CommandCase& c = GetParam();
    const QString rule = QStringLiteral("%1 after %2").arg(c.fault).arg(StartupReplies);
    FaultySupply supply(c.bus, rule, QStringLiteral("Command Panel"));
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    ASSERT_TRUE(supply.prompts().messages.empty()) << supply.prompts().messageTexts().join('\n').toStdString();
    const int16_t bus = supply.app().state().BusCode;

    TurnCounter counter;
    const qint64 ms = getFirstRow(supply);
    report(busName(c.bus), c.fault, supply.prompts().messageTexts(), ms);

    EXPECT_LT(ms, GenerousMs);
    EXPECT_EQ(supply.prompts().messageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    EXPECT_EQ(supply.app().state().BusCode, c.message.isEmpty() ? bus : 5);
    if (c.bus == Bus::Tcp && !c.message.isEmpty() && !c.breaksConnection) {
        EXPECT_GT(counter.turns, 0) << "the TCP read lets events run while it waits";
    }
    if (c.breaksConnection) {
        EXPECT_TRUE(supply.debugLog().contains("closed the connection")) << supply.debugLog().toStdString();
    }
    else
        EXPECT_TRUE(supply.debugLog().isEmpty()) << "a time-out is no link fault";
    // Simulated mode answers at once.
    EXPECT_LT(getFirstRow(supply), GenerousMs);
    EXPECT_EQ(supply.prompts().messages.size(), c.message.isEmpty() ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Tcp, CommandPanelFaults,
    ::testing::Values(CommandCase{"drop", Bus::Tcp, "drop", TimedOutText},
                      CommandCase{"delay", Bus::Tcp, "delay 4000", TimedOutText},
                      CommandCase{"noLf", Bus::Tcp, "no-lf", TimedOutText},
                      CommandCase{"truncate", Bus::Tcp, "truncate 4", TimedOutText},
                      CommandCase{"garbage", Bus::Tcp, "garbage 64", QString()},
                      CommandCase{"closeMidReply", Bus::Tcp, "close-mid-reply", TimedOutText, true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Serial, CommandPanelFaults,
    ::testing::Values(CommandCase{"drop", Bus::Serial, "drop", TimedOutText},
                      CommandCase{"noLf", Bus::Serial, "no-lf", TimedOutText},
                      CommandCase{"garbage", Bus::Serial, "garbage 64", QString()},
                      CommandCase{"vanish", Bus::Serial, "vanish 1000", TimedOutText}),
    [](const auto& info) { return std::string(info.param.name); });

class FloodFaults : public ::testing::TestWithParam<Bus> {};

TEST_P(FloodFaults, AFloodWithoutLineEndTimesOutAndIsNotHoarded)
{
    FaultySupply supply(GetParam(), QStringLiteral("flood after %1").arg(StartupReplies), "Command Panel");
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    const qint64 ms = getFirstRow(supply);
    report(busName(GetParam()), "flood", supply.prompts().messageTexts(), ms);
    EXPECT_LT(ms, GenerousMs);
    EXPECT_EQ(supply.prompts().messageTexts(), QStringList{TimedOutText});

    // The flood goes on while the program, now simulated, keeps its line open:
    // several megabytes a second that must not pile up unread.
    const long before = residentKiB();
    QTest::qWait(3000);
    EXPECT_LT(residentKiB() - before, 8 * 1024) << "KiB grown while flooded";
}

INSTANTIATE_TEST_SUITE_P(Both, FloodFaults, ::testing::Values(Bus::Tcp, Bus::Serial),
                         [](const auto& info) { return std::string(busName(info.param)) == "TCP" ? "Tcp" : "Serial"; });

TEST(SerialLineFaults, ALineThatComesBackServesTheNextInitialisation)
{
    FaultySupply supply(Bus::Serial, QStringLiteral("vanish 1000 at %1").arg(StartupReplies + 1), "Command Panel");
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    getFirstRow(supply);
    ASSERT_EQ(supply.prompts().messageTexts(), QStringList{TimedOutText});

    // The simulator opens its end again; Setup opening the link finds it.
    QTRY_VERIFY_WITH_TIMEOUT(supply.simLog().contains("line open again"), GenerousMs);
    supply.app().state().BusCode = 1;
    ASSERT_TRUE(supply.app().link().InitComm());
    getFirstRow(supply);
    EXPECT_EQ(supply.prompts().messages.size(), 1u);
    EXPECT_EQ(supply.app().state().BusCode, 1);
}

TEST(SerialLineFaults, ALostLineIsAFaultRecordedInTheDebugLog)
{
    FaultySupply supply(Bus::Serial, QString(), "Command Panel");
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    supply.cutLine();
    const qint64 ms = getFirstRow(supply);
    report("RS-232", "socat killed", supply.prompts().messageTexts(), ms);
    EXPECT_EQ(supply.prompts().messageTexts(), QStringList{NotFoundText});
    EXPECT_EQ(supply.app().state().BusCode, 5);
    const QByteArray record = supply.debugLog();
    EXPECT_TRUE(record.startsWith("\"Write Error:\r\nError Description: ") || record.startsWith("\"Read Error:\r\n"))
        << record.toStdString();

    ASSERT_TRUE(supply.replaceLine()) << supply.setupError().toStdString();
    getFirstRow(supply);
    EXPECT_EQ(supply.prompts().messages.size(), 1u) << "socat restarted: the line serves again";
    EXPECT_EQ(supply.app().state().BusCode, 1);
}

namespace {

// Both drops made and two polls answered after the second.
bool twoDropsRecovered(const QByteArray& log)
{
    const QByteArray drop = "fault: drop";
    return log.count(drop) == 2 && log.mid(log.lastIndexOf(drop)).count("<- <>STA") >= 2;
}

class FrontPanelFaults : public ::testing::TestWithParam<Bus> {};

} // namespace

TEST_P(FrontPanelFaults, ALostPollReplyIsRetriedSilently)
{
    // Polls start after the start-up replies; two of them go missing.
    FaultySupply supply(GetParam(), QStringLiteral("drop at %1\ndrop at %2").arg(StartupReplies + 3).arg(StartupReplies + 6),
                        "Virtual Panel");
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    const int16_t bus = supply.app().state().BusCode;
    QElapsedTimer watch;
    watch.start();
    QTRY_VERIFY_WITH_TIMEOUT(twoDropsRecovered(supply.simLog()), GenerousMs);
    report(busName(GetParam()), "drop (front panel poll)", supply.prompts().messageTexts(), watch.elapsed());
    EXPECT_TRUE(supply.prompts().messages.empty()) << supply.prompts().messageTexts().join('\n').toStdString();
    EXPECT_EQ(supply.app().state().BusCode, bus);
}

TEST_P(FrontPanelFaults, ASupplyGoneSilentEndsInSimulatedModeAndPollingGoesOn)
{
    FaultySupply supply(GetParam(), QStringLiteral("silent after %1").arg(StartupReplies + 2), "Virtual Panel");
    ASSERT_TRUE(supply.setupError().isEmpty()) << supply.setupError().toStdString();
    QElapsedTimer watch;
    watch.start();
    QTRY_VERIFY_WITH_TIMEOUT(!supply.prompts().messages.empty(), GenerousMs);
    report(busName(GetParam()), "silent (front panel poll)", supply.prompts().messageTexts(), watch.elapsed());
    EXPECT_EQ(supply.prompts().messageTexts(), QStringList{TimedOutText});
    EXPECT_EQ(supply.app().state().BusCode, 5);

    TurnCounter counter;
    QTRY_VERIFY_WITH_TIMEOUT(counter.turns > 10, GenerousMs);
    EXPECT_EQ(supply.prompts().messages.size(), 1u) << "simulated polls ask nothing";
    EXPECT_NE(supply.app().currentPanel(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Both, FrontPanelFaults, ::testing::Values(Bus::Tcp, Bus::Serial),
                         [](const auto& info) { return std::string(busName(info.param)) == "TCP" ? "Tcp" : "Serial"; });
