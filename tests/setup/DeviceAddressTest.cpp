// The GPIB finder on the simulated bus, and the two dialogs that change the
// device's own address and network settings, against scripted devices.
#include "SetupFixture.h"
#include "setup/DeviceList.h"
#include "setup/frmChange.h"
#include "setup/frmChangeTCPIP.h"
#include "setup/frmCommSetup.h"
#include "setup/frmFindGPIB.h"
#include "setup/frmFindTCPIP.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace dalto::testing {
namespace {

class GpibDevices : public SetupFixture {
protected:
    // An instrument that records what it is told and answers the status and
    // version queries.
    void place(int address, const QByteArray& identification)
    {
        gpibBus->placeInstrument(address, identification, [this, address](const QByteArray& command) {
            received[address] << QString::fromLatin1(command);
            if (command == "<>STA")
                return std::optional<QByteArray>("0,0,0");
            return command == "GPIB:VERS?" ? std::optional<QByteArray>("GPIB 1.3") : std::nullopt;
        });
    }
    std::map<int, QStringList> received;
};

TEST_F(GpibDevices, FinderListsEachListenerWithItsCleanedIdentification)
{
    place(12, "DALTO,KD15-100,SN2,4.8\r");
    place(3, "  DALTO,MW30-50\r\n");
    context.state.DeviceAddress = "12";
    frmFindGPIB find(link);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 2);
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(0), "3");
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(1), "DALTO,MW30-50");
    EXPECT_EQ(find.lvDevices->topLevelItem(1)->text(1), "DALTO,KD15-100,SN2,4.8");
    EXPECT_TRUE(find.cmdOK->isEnabled()) << "the first row is selected";
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.DeviceAddress, "12");
    EXPECT_FALSE(context.state.Probing);

    find.cmdOK->click();
    EXPECT_TRUE(find.result());
    EXPECT_EQ(find.address(), "3");
}

TEST_F(GpibDevices, AStepTheDriverRefusesIsSkippedAndTheSearchGoesOn)
{
    place(12, "DALTO,KD");
    context.state.DeviceAddress = "40000"; // the bus cannot open a device there
    frmFindGPIB find(link);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 1);
    EXPECT_EQ(find.lvDevices->topLevelItem(0)->text(1), "DALTO,KD");
    EXPECT_EQ(context.state.DeviceAddress, "40000");
}

TEST_F(GpibDevices, FinderColumnsTakeTheirShareOfTheListAsItIsShown)
{
    frmFindGPIB gpib(link);
    frmFindTCPIP network(context, DiscoverySettings{});
    const auto quarter = [](const DeviceList& list) { return list.viewport()->width() / 4; };
    for (QDialog* finder : {static_cast<QDialog*>(&gpib), static_cast<QDialog*>(&network)}) {
        finder->resize(640, 300);
        finder->show();
        finder->resize(800, 300);
        QCoreApplication::processEvents();
    }
    ASSERT_GT(gpib.lvDevices->viewport()->width(), 600);
    EXPECT_EQ(gpib.lvDevices->columnWidth(frmFindGPIB::AddressColumn), quarter(*gpib.lvDevices));
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(network.lvDevices->columnWidth(column), quarter(*network.lvDevices) - 6) << column;
}

TEST_F(GpibDevices, AnEmptyBusListsNothingAndOkStaysOff)
{
    frmFindGPIB find(link);
    EXPECT_EQ(find.lvDevices->topLevelItemCount(), 0);
    EXPECT_FALSE(find.cmdOK->isEnabled());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GpibDevices, AfterASearchTheLinkStillTalksToItsOwnInstrument)
{
    place(12, "DALTO,KD");
    place(20, "OTHER");
    context.state.BusCode = 0;
    context.state.DeviceAddress = "12";
    ASSERT_TRUE(link.InitComm());
    frmFindGPIB find(link);
    ASSERT_EQ(find.lvDevices->topLevelItemCount(), 2);
    link.WriteDevice(QStringLiteral("VOLT 1"), false);
    EXPECT_EQ(received[12], QStringList{"VOLT 1"});
    EXPECT_TRUE(received[20].isEmpty());
}

TEST_F(GpibDevices, FindCopiesTheChosenAddressIntoTheBusDialog)
{
    place(9, "DALTO,HB");
    frmCommSetup comm(link, modal.showModal());
    comm.setBus(0);
    comm.setAddress("1");
    modal.then([](QDialog& d) { as<frmFindGPIB>(d).cmdOK->click(); });
    comm.cmdFind->click();
    EXPECT_EQ(comm.cmbPort->currentText(), "9");
}

TEST_F(GpibDevices, ChangeWhereNothingAnswersReportsItAndReopensThePreviousLink)
{
    context.state.BusCode = 2;
    context.state.DeviceAddress = "127.0.0.1";
    context.state.DevicePort = 5025;
    frmCommSetup comm(link, modal.showModal());
    comm.setBus(0);
    comm.setAddress("7");
    comm.cmdChange->click();
    EXPECT_TRUE(modal.shown.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Could not communicate with device on GPIB Address 7.");
    EXPECT_EQ(context.state.BusCode, 2);
    EXPECT_EQ(context.state.DeviceAddress, "127.0.0.1");
    ASSERT_FALSE(device.events().empty());
    EXPECT_EQ(device.events().back().kind, WireEvent::Kind::Connect);
    EXPECT_EQ(device.events().back().port, 5025);
}

TEST_F(GpibDevices, ChangeOnAnAnsweringInstrumentSendsTheNewAddress)
{
    place(7, "DALTO,KD");
    frmCommSetup comm(link, modal.showModal());
    comm.setBus(0);
    comm.setAddress("7");
    modal.then([](QDialog& d) {
        auto& change = as<frmChange>(d);
        EXPECT_EQ(change.windowTitle(), "Change Device's GPIB Settings");
        EXPECT_EQ(change.lblIdentification->text(), "DALTO,KD");
        EXPECT_EQ(change.lblModVersion->text(), "GPIB 1.3");
        EXPECT_EQ(change.cboAddress->count(), 30);
        EXPECT_EQ(change.cboAddress->itemText(0), "1");
        EXPECT_EQ(change.cboAddress->itemText(29), "30");
        EXPECT_EQ(change.cboAddress->currentText(), "7");
        change.cboAddress->setCurrentText("12");
        change.cmdOK->click();
    });
    comm.cmdChange->click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('|').toStdString();
    EXPECT_TRUE(received[7].contains("GPIB:ADDR 12"));
    EXPECT_EQ(comm.cmbPort->currentText(), "12");
}

class AddressDialogs : public SetupFixture {};

TEST_F(AddressDialogs, Rs485AddressOutsideTheListIsAddedAndSelected)
{
    context.state.BusCode = 3;
    context.state.DeviceAddress = "300";
    context.state.DevicePort = 2;
    ASSERT_TRUE(link.InitComm());
    device.reply("DALTO,KD\r\n");
    device.reply("RS485 1.1\r\n");
    frmChange change(link);
    change.setBus(3);
    change.setAddress("300");
    EXPECT_EQ(change.windowTitle(), "Change Device's RS-485 Settings");
    EXPECT_EQ(change.lblAddressSetting->text(), "RS-485 Address");
    EXPECT_EQ(change.cboAddress->count(), 256);
    EXPECT_EQ(change.cboAddress->itemText(0), "1");
    EXPECT_EQ(change.cboAddress->itemText(254), "255");
    EXPECT_EQ(change.cboAddress->currentText(), "300");
    EXPECT_EQ(change.lblAddress->text(), "300");
    EXPECT_TRUE(change.lblModVersion->isHidden());
    EXPECT_TRUE(device.written().contains("SER:VERS?\n"));
}

TEST_F(AddressDialogs, PacketBusChangesTheAddressWithAControlLine)
{
    context.state.BusCode = 4;
    context.state.DeviceAddress = "12";
    context.state.DevicePort = 2;
    ASSERT_TRUE(link.InitComm());
    device.reply("DALTO,KD\r\n");
    frmChange change(link);
    change.setBus(4);
    change.setAddress("12");
    change.cboAddress->setCurrentText("20");
    const qsizetype before = device.written().size();
    change.cmdOK->click();
    const QByteArray sent = device.written().mid(before);
    EXPECT_TRUE(sent.startsWith("%0C14")) << sent.toStdString();
    EXPECT_FALSE(sent.contains("ADDR"));
    EXPECT_TRUE(change.result());
}

class NetworkSettings : public SetupFixture {
protected:
    void SetUp() override
    {
        context.state.BusCode = 2;
        context.state.DeviceAddress = "10.0.0.7";
        context.state.DevicePort = 5025;
        ASSERT_TRUE(link.InitComm());
    }
    // The nine answers the dialog asks for when it opens.
    void answerLoad(const QByteArray& dhcp)
    {
        for (const QByteArray& reply : {QByteArray("DALTO,KD"), QByteArray("NET 2.10"), QByteArray("00:1E:C0:5D:A1:70"),
                                        dhcp, QByteArray("BENCH-1"), QByteArray("5025"), QByteArray("10.0.0.7"),
                                        QByteArray("255.0.0.0"), QByteArray("10.0.0.1")})
            device.reply(reply + "\r\n");
    }
    QByteArray sentSince(qsizetype start) const { return device.written().mid(start); }
};

TEST_F(NetworkSettings, StaticDeviceFillsTheBoxesFromItsCurrentSettings)
{
    answerLoad("0");
    frmChangeTCPIP change(link);
    change.Form_Load();
    EXPECT_EQ(change.windowTitle(), "Change Device's TCP/IP Settings");
    EXPECT_TRUE(change.optStatic->isChecked());
    EXPECT_EQ(change.lblModVersion->text(), "NET 2.10\r\n") << "shown as read";
    EXPECT_EQ(change.lblCurrentName->text(), "BENCH-1");
    EXPECT_EQ(change.txtIPAddress->text(), "10.0.0.7");
    EXPECT_EQ(change.txtSubnetMask->text(), "255.0.0.0");
    EXPECT_EQ(change.txtGateway->text(), "10.0.0.1");
    EXPECT_TRUE(change.txtIPAddress->isEnabled());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(NetworkSettings, DhcpDeviceShowsSetByDhcpAndOkSendsOnlyMethodAndPort)
{
    answerLoad("1");
    frmChangeTCPIP change(link);
    change.Form_Load();
    for (QLineEdit* box : {change.txtIPAddress, change.txtSubnetMask, change.txtGateway}) {
        EXPECT_EQ(box->text(), "Set by DHCP");
        EXPECT_FALSE(box->isEnabled());
    }
    const qsizetype start = device.written().size();
    device.reply("1\r\n");
    device.reply("5025\r\n");
    change.cmdOK->click();
    EXPECT_EQ(sentSince(start), "SYST:COMM:NET:DHCP 1\nSYST:COMM:NET:PORT 5025\n<>RST\n");
    EXPECT_TRUE(change.result());
    EXPECT_EQ(change.IPAddress(), "BENCH-1");
    EXPECT_EQ(change.Port(), 5025);
}

TEST_F(NetworkSettings, DhcpReplyCountsByItsLeadingNumberAndBoxesLookAsUsableAsTheyAre)
{
    const QLineEdit untouched; // how an editable text box looks
    const QColor editable = untouched.palette().color(QPalette::Base);
    const QColor locked = untouched.palette().color(QPalette::Button);
    ASSERT_NE(editable, locked);
    for (const char* reply : {"1;", "1 ON"}) {
        answerLoad(reply);
        frmChangeTCPIP change(link);
        change.Form_Load();
        EXPECT_TRUE(change.optDHCP->isChecked()) << reply;
        EXPECT_EQ(change.txtGateway->palette().color(QPalette::Base), locked) << reply;
        change.optStatic->click();
        for (QLineEdit* box : {change.txtIPAddress, change.txtSubnetMask, change.txtGateway})
            EXPECT_EQ(box->palette().color(QPalette::Base), editable) << reply;
    }
}

TEST_F(NetworkSettings, DeviceTextIsShownAsPlainTextNeverAsMarkup)
{
    answerLoad("0");
    frmChangeTCPIP network(link);
    network.Form_Load();
    device.reply("<b>DALTO</b>,KD\r\n");
    frmChange change(link);
    change.setBus(3);
    change.setAddress("12");
    EXPECT_EQ(change.lblIdentification->text(), "<b>DALTO</b>,KD");
    for (QDialog* dialog : {static_cast<QDialog*>(&network), static_cast<QDialog*>(&change)})
        for (QLabel* label : dialog->findChildren<QLabel*>(QRegularExpression("^lbl")))
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(NetworkSettings, StaticOkSendsTheAddressesThenRestarts)
{
    answerLoad("0");
    frmChangeTCPIP change(link);
    change.Form_Load();
    change.txtIPAddress->setText("10.0.0.8");
    const qsizetype start = device.written().size();
    for (int i = 0; i < 5; ++i)
        device.reply("0\r\n");
    change.cmdOK->click();
    EXPECT_EQ(sentSince(start), "SYST:COMM:NET:DHCP 0\nSYST:COMM:NET:PORT 5025\nSYST:COMM:NET:ADDR 10.0.0.8\n"
                                "SYST:COMM:NET:SUBN 255.0.0.0\nSYST:COMM:NET:GATE 10.0.0.1\n<>RST\n");
    EXPECT_EQ(change.IPAddress(), "10.0.0.8");
}

TEST_F(NetworkSettings, UnusableEntriesAreRefusedBeforeAnythingIsSent)
{
    answerLoad("0");
    frmChangeTCPIP change(link);
    change.Form_Load();
    change.show();
    const qsizetype start = device.written().size();
    for (const char* port : {"65535", "0", "12.5", "abc"}) {
        change.txtPort->setText(port);
        change.cmdOK->click();
    }
    change.txtPort->setText("65534");
    change.txtGateway->setText("192.168.1.300");
    change.cmdOK->click();
    EXPECT_EQ(sentSince(start), "");
    EXPECT_FALSE(change.result());
    EXPECT_EQ(change.IPAddress(), "");
    EXPECT_EQ(change.Port(), 0);
    QStringList expected(4, "Port is invalid.  Check that it is an integer greater than 0 and less than 65535.");
    expected << "Check IP for validity.";
    EXPECT_EQ(prompts.messageTexts(), expected);
}

} // namespace
} // namespace dalto::testing
