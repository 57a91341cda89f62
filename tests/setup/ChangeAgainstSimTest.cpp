// Change in the bus dialog against dalto-sim over TCP: a device that answers
// leads to its network settings, a dead port to the message, and either way the
// link the program had before is open again afterwards.
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "core/AppContext.h"
#include "core/Configuration.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"
#include "setup/ShowModal.h"
#include "setup/frmChangeTCPIP.h"
#include "setup/frmCommSetup.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {
namespace {

class ChangeOverTcp : public ::testing::Test {
protected:
    ChangeOverTcp()
        : context(clock, prompts, Paths(folder.path(), folder.filePath("Dalto_Panel.ini"), folder.path()))
        , sim({"--log", folder.filePath("sim.log")})
        , link(context, realLinkBackends(context))
    {
        context.state.CommList = {"GPIB (IEEE-488)", "RS-232", "TCP/IP", "RS-485 Select", "RS-485 Packet",
                                  "Simulated"};
        context.state.Transcript = &transcript;
    }

    void SetUp() override
    {
        ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
        // The program runs on the simulator before the user opens the dialog.
        context.state.BusCode = 2;
        context.state.DeviceAddress = sim.host();
        context.state.DevicePort = sim.port();
        ASSERT_TRUE(link.InitComm());
    }

    // True when the link is on the simulator and it answers.
    bool linkAnswers()
    {
        link.WriteDevice(QStringLiteral("*IDN?"), false);
        QString reply;
        return link.ReadDevice(reply, 2, false) > 0 && context.state.BusCode == 2 && !reply.startsWith("9.999");
    }

    std::unique_ptr<frmCommSetup> dialogFor(quint16 port, ShowModal showModal)
    {
        auto dialog = std::make_unique<frmCommSetup>(link, std::move(showModal));
        dialog->setBus(2);
        dialog->setAddress(sim.host());
        dialog->setPort(QString::number(port));
        return dialog;
    }

    QTemporaryDir folder;
    SteadyClock clock;
    ScriptedPrompts prompts;
    AppContext context;
    MemoryTranscript transcript;
    SimProcess sim;
    DeviceLink link;
};

TEST_F(ChangeOverTcp, AnAnsweringDeviceLeadsToItsNetworkSettings)
{
    QStringList seen;
    const auto dialog = dialogFor(sim.port(), [&](QDialog& shown) {
        auto& change = dynamic_cast<frmChangeTCPIP&>(shown);
        seen << change.objectName() << change.lblCurrentPort->text() << change.lblCurrentIP->text()
             << QString::number(change.optStatic->isChecked());
        change.cmdCancel->click();
    });
    dialog->cmdChange->click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('|').toStdString();
    EXPECT_EQ(seen, (QStringList{"frmChangeTCPIP", QString::number(sim.port()), "127.0.0.1", "1"}));
    EXPECT_FALSE(context.state.Probing);
    EXPECT_TRUE(linkAnswers());
}

TEST_F(ChangeOverTcp, NewNetworkSettingsComeBackIntoTheDialog)
{
    const auto dialog = dialogFor(sim.port(), [&](QDialog& shown) {
        auto& change = dynamic_cast<frmChangeTCPIP&>(shown);
        change.txtIPAddress->setText("127.0.0.1");
        change.txtPort->setText(QString::number(sim.port()));
        change.cmdOK->click();
    });
    dialog->txtAddress->setText("localhost");
    dialog->cmdChange->click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('|').toStdString();
    EXPECT_EQ(dialog->txtAddress->text(), "127.0.0.1");
    EXPECT_EQ(dialog->cmbPort->currentText(), QString::number(sim.port()));
    QFile log(folder.filePath("sim.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray traffic = log.readAll();
    EXPECT_TRUE(traffic.contains("SYST:COMM:NET:DHCP 0")) << traffic.toStdString();
    EXPECT_TRUE(traffic.contains("<>RST"));
}

TEST_F(ChangeOverTcp, ADeadPortIsReportedAndThePreviousLinkIsBack)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 deadPort = closed.serverPort();
    closed.close();

    bool shown = false;
    const auto dialog = dialogFor(deadPort, [&](QDialog&) { shown = true; });
    dialog->cmdChange->click();
    EXPECT_FALSE(shown);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Could not communicate with device on TCP/IP Address 127.0.0.1 and Port %1.").arg(deadPort));
    EXPECT_EQ(prompts.messages[0].title, "Communications Error");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Critical);
    EXPECT_EQ(context.state.DevicePort, sim.port());
    EXPECT_FALSE(context.state.Probing);
    EXPECT_TRUE(linkAnswers());
}

} // namespace
} // namespace dalto::testing
