// "Find Devices" against dalto-sim's search responder on loopback, and against
// datagrams a test sends itself: replies that must add a row and ones that must not.
#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "core/AppContext.h"
#include "setup/DeviceList.h"
#include "setup/frmFindTCPIP.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace dalto::testing {
namespace {

// Long enough for a loopback datagram on a loaded machine; only a wait, never a verdict.
constexpr int ArrivalWaitMs = 5000;

class FindDevices : public ::testing::Test {
protected:
    FindDevices() : context(clock, prompts, Paths(".", "Dalto_Panel.ini", ".")) {}

    DiscoverySettings towards(quint16 remotePort, quint16 localPort = 0) const
    {
        DiscoverySettings settings;
        settings.target = QHostAddress(QHostAddress::LocalHost);
        settings.remotePort = remotePort;
        settings.localPort = localPort;
        return settings;
    }

    // Lets events run until the list has rows rows or the wait is over.
    static void waitForRows(frmFindTCPIP& find, int rows)
    {
        const QDeadlineTimer deadline(ArrivalWaitMs);
        while (find.lvDevices->topLevelItemCount() < rows && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    void sendTo(const frmFindTCPIP& find, const QByteArray& datagram)
    {
        sender.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), find.boundPort());
    }

    static QStringList row(const frmFindTCPIP& find, int index)
    {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << find.lvDevices->topLevelItem(index)->text(column);
        return cells;
    }

    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context;
    QUdpSocket sender;
};

TEST_F(FindDevices, ListsTheSimulatorWithItsSenderAddressAndTcpPort)
{
    SimProcess sim({"--discovery", "127.0.0.1:0", "--name", "BENCH-1", "--mac", "00:1E:C0:00:00:01"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    frmFindTCPIP find(context, towards(sim.discoveryPort()));
    EXPECT_EQ(find.windowTitle(), "Find Devices");
    ASSERT_TRUE(find.Bind());
    waitForRows(find, 1);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 1);
    EXPECT_EQ(row(find, 0), (QStringList{"BENCH-1", "127.0.0.1", QString::number(sim.port()), "00:1E:C0:00:00:01"}));
    EXPECT_FALSE(find.cmdOK->isEnabled()) << "nothing chosen yet";

    find.lvDevices->setCurrentItem(find.lvDevices->topLevelItem(0));
    EXPECT_TRUE(find.cmdOK->isEnabled());
    find.cmdOK->click();
    EXPECT_TRUE(find.result());
    EXPECT_EQ(find.IPAddress(), "127.0.0.1");
    EXPECT_EQ(find.Port(), sim.port());
}

TEST_F(FindDevices, RefreshEmptiesTheListBeforeAskingAgain)
{
    SimProcess sim({"--discovery", "127.0.0.1:0"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    frmFindTCPIP find(context, towards(sim.discoveryPort()));
    ASSERT_TRUE(find.Bind());
    waitForRows(find, 1);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 1);
    find.lvDevices->setCurrentItem(find.lvDevices->topLevelItem(0));

    find.cmdRefresh->click();
    EXPECT_EQ(find.lvDevices->topLevelItemCount(), 0);
    EXPECT_FALSE(find.cmdOK->isEnabled());
    waitForRows(find, 1);
    EXPECT_EQ(find.lvDevices->topLevelItemCount(), 1);
    waitForRows(find, 2);
    EXPECT_EQ(find.lvDevices->topLevelItemCount(), 1) << "one request, one answer";
}

TEST_F(FindDevices, APortInUseIsReportedAndNothingIsShown)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(QHostAddress::AnyIPv4, 0));
    frmFindTCPIP find(context, towards(9, holder.localPort()));
    EXPECT_FALSE(find.Bind());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Unable to bind to UDP Port %1").arg(holder.localPort()));
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);
}

TEST_F(FindDevices, MalformedOversizedAndHostileDatagramsAddNothing)
{
    frmFindTCPIP find(context, towards(9));
    ASSERT_TRUE(find.Bind());
    sendTo(find, "BENCH-1\r\n00:1E:C0:5D:A1:70");                     // two lines
    sendTo(find, "");                                                  // empty
    sendTo(find, "D");                                                 // a search request
    sendTo(find, "N\r\nM\r\n" + QByteArray(60000, '5'));               // oversized
    sendTo(find, QByteArray("N\0\r\nM\r\n5025", 11));                  // control bytes
    sendTo(find, "N\r\nM\r\n99999");                                   // no port
    // Datagrams on loopback arrive in order: once this row is there, all the
    // ones before it have been handled.
    sendTo(find, "LAST\r\n00:00:00:00:00:00\r\n5025\r\n");
    waitForRows(find, 1);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 1);
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(frmFindTCPIP::NameColumn), "LAST");
}

TEST_F(FindDevices, AFloodOfRepliesStopsAtTheRowLimit)
{
    frmFindTCPIP find(context, towards(9));
    ASSERT_TRUE(find.Bind());
    for (int i = 0; i < frmFindTCPIP::MaxRows + 20; ++i) {
        sendTo(find, "N" + QByteArray::number(i) + "\r\nM\r\n5025");
        if (i % 50 == 49)
            QCoreApplication::processEvents(); // keep the socket's receive queue short
    }
    waitForRows(find, frmFindTCPIP::MaxRows + 1);
    EXPECT_EQ(find.lvDevices->topLevelItemCount(), frmFindTCPIP::MaxRows);
}

TEST_F(FindDevices, HeaderClicksSortAndOkWithoutARowChoosesNothing)
{
    frmFindTCPIP find(context, towards(9));
    ASSERT_TRUE(find.Bind());
    for (const char* port : {"5025", "50505", "4040"})
        sendTo(find, QByteArray("N\r\nM\r\n") + port);
    waitForRows(find, 3);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 3);
    find.show();
    QHeaderView* header = find.lvDevices->header();
    const QPoint portHeader(header->sectionViewportPosition(frmFindTCPIP::PortColumn) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, portHeader);
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(frmFindTCPIP::PortColumn), "4040");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, portHeader);
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(frmFindTCPIP::PortColumn), "50505") << "descending by text";

    find.cmdOK->setEnabled(true); // as a keyboard press could reach it
    find.cmdOK->click();
    EXPECT_FALSE(find.result());
    EXPECT_EQ(find.IPAddress(), "");
    EXPECT_EQ(find.Port(), 0);
}

TEST_F(FindDevices, ADoubleClickOnARowChoosesIt)
{
    frmFindTCPIP find(context, towards(9));
    ASSERT_TRUE(find.Bind());
    sendTo(find, "N\r\nM\r\n5025");
    waitForRows(find, 1);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 1);
    find.show();
    const QPoint onRow = find.lvDevices->visualItemRect(find.lvDevices->topLevelItem(0)).center();
    QTest::mouseClick(find.lvDevices->viewport(), Qt::LeftButton, {}, onRow);
    QTest::mouseDClick(find.lvDevices->viewport(), Qt::LeftButton, {}, onRow);
    EXPECT_TRUE(find.result());
    EXPECT_FALSE(find.isVisible());
    EXPECT_EQ(find.Port(), 5025);
}

} // namespace
} // namespace dalto::testing
