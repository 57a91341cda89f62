// The Configuration Setup dialog: what it shows per bus, how it swaps addresses,
// what it refuses and in which order, and what OK and Cancel leave behind.
#include "SetupFixture.h"
#include "setup/frmCommSetup.h"
#include "setup/frmSetup.h"
#include "app/frmLimits.h"
#include "core/ProfileFile.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QPushButton>

namespace dalto::testing {
namespace {

class SetupDialog : public SetupFixture {
protected:
    std::unique_ptr<frmSetup> open()
    {
        auto dialog = std::make_unique<frmSetup>(link, modal.showModal());
        dialog->Form_Load();
        return dialog;
    }
    // The user picks a bus and closes the configuration it leads to with Cancel.
    void chooseBus(frmSetup& dialog, int bus)
    {
        modal.then([](QDialog& d) { as<frmCommSetup>(d).cmdCancel->click(); });
        dialog.cmbComm->setCurrentIndex(bus);
    }
};

TEST_F(SetupDialog, OpensOnTheSavedSettings)
{
    const auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Configuration Setup");
    EXPECT_EQ(dialog->cmbComm->currentText(), "TCP/IP");
    EXPECT_EQ(dialog->cmbApp->currentText(), "Command Panel");
    EXPECT_EQ(dialog->cmbPanel->currentText(), "KD Series");
    EXPECT_EQ(dialog->cmbPanel->currentData().toInt(), 4);
    EXPECT_EQ(dialog->lblAddressDisplay->text(), "bench.lab");
    EXPECT_EQ(dialog->lblPortDisplay->text(), "4040");
    EXPECT_TRUE(modal.shown.empty()) << "opening does not lead to the configuration";
}

TEST_F(SetupDialog, ChoosingABusLeadsToItsConfigurationAndSwapsAddresses)
{
    const auto dialog = open();
    chooseBus(*dialog, 0);
    ASSERT_EQ(modal.shown, std::vector<QString>{"frmCommSetup"});
    EXPECT_EQ(dialog->lblAddressDisplay->text(), "1");
    EXPECT_TRUE(dialog->lblPort->isHidden());

    chooseBus(*dialog, 2);
    EXPECT_EQ(dialog->lblAddressDisplay->text(), "bench.lab");

    chooseBus(*dialog, 1);
    EXPECT_EQ(dialog->lblPortDisplay->text(), "1") << "a network port is no serial port";
    EXPECT_TRUE(dialog->lblAddress->isHidden());
    EXPECT_EQ(dialog->lblPort->text(), "Comm Port");
}

TEST_F(SetupDialog, BothDialogsShowTheirWholeTitleAndSerialPathsAreNeverWrapped)
{
    // The title in the title bar's bold face, with room for at least the three
    // buttons beside it.
    const auto titleFits = [](QWidget& window) {
        QFont bold = window.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        window.layout()->activate();
        EXPECT_GT(window.minimumWidth(), metrics.horizontalAdvance(window.windowTitle()) + 3 * metrics.height())
            << window.windowTitle().toStdString();
    };
    const auto dialog = open();
    titleFits(*dialog);
    modal.then([&](QDialog& d) {
        auto& comm = as<frmCommSetup>(d);
        titleFits(comm);
        EXPECT_FALSE(comm.lblPortPath->wordWrap());
        EXPECT_FALSE(comm.lblPortsPresent->wordWrap());
        comm.cmdCancel->click();
    });
    dialog->cmbComm->setCurrentIndex(1);
    EXPECT_EQ(modal.shown.size(), 1u);
}

TEST_F(SetupDialog, ConfigurationResultIsShownAndTheSimulatedBusNeedsNone)
{
    const auto dialog = open();
    modal.then([](QDialog& d) {
        auto& comm = as<frmCommSetup>(d);
        EXPECT_EQ(comm.windowTitle(), "RS-485 Packet Setup");
        comm.cmbAddress->setCurrentText("12");
        comm.cmbPort->setCurrentText("2");
        comm.cmdOK->click();
    });
    dialog->cmbComm->setCurrentIndex(4);
    EXPECT_EQ(dialog->lblAddress->text(), "RS485 Address");
    EXPECT_EQ(dialog->lblAddressDisplay->text(), "12");
    EXPECT_EQ(dialog->lblPortDisplay->text(), "2");

    dialog->cmbComm->setCurrentIndex(5);
    EXPECT_EQ(modal.shown.size(), 1u) << "Simulated has nothing to configure";
    for (QWidget* w : {static_cast<QWidget*>(dialog->lblAddress), static_cast<QWidget*>(dialog->lblPort),
                       static_cast<QWidget*>(dialog->lblAddressDisplay),
                       static_cast<QWidget*>(dialog->lblPortDisplay), static_cast<QWidget*>(dialog->cmdConfigure)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
}

TEST_F(SetupDialog, RefusesInOrderBusFieldsThenPanelThenTypeAndStaysOpen)
{
    const QByteArray before = iniText();
    const auto dialog = open();
    modal.then([](QDialog& d) {
        auto& comm = as<frmCommSetup>(d);
        comm.cmbAddress->setCurrentText("");
        comm.cmbPort->setCurrentText("2");
        comm.cmdOK->click(); // refused inside; closing the window keeps the old fields
        comm.cmdCancel->click();
    });
    dialog->cmbComm->setCurrentIndex(3);
    prompts.messages.clear();
    dialog->cmbApp->setCurrentIndex(2);   // "Pane"
    dialog->cmbPanel->setCurrentIndex(2); // "HBX"
    dialog->show();

    dialog->cmdOK->click(); // address "1" came from the swap, port "4040": both filled
    dialog->cmbApp->setCurrentIndex(1);
    dialog->cmdOK->click();
    ASSERT_EQ(prompts.messageTexts(),
              (QStringList{"Check the Start-Up Panel for Validity", "Check the System Type for Validity"}));
    EXPECT_EQ(prompts.messages[0].title, "Data Error");
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(iniText(), before);

    chooseBus(*dialog, 0);
    modal.then([](QDialog& d) {
        auto& comm = as<frmCommSetup>(d);
        comm.cmbPort->setCurrentText("");
        comm.cmdOK->click();
        comm.cmdCancel->click();
    });
    prompts.messages.clear();
    dialog->cmdConfigure->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Check Address for Validity"}) << "refused in the bus dialog";
}

TEST_F(SetupDialog, SettingsNotFoundShowNoChoiceAndOkAsksForEachInTurn)
{
    QFile file(iniPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SetupIni.left(SetupIni.indexOf("[Application]")) + "[Communication]\nComm=USB\n");
    file.close();
    LoadSettings(context.state, prompts, iniPath);
    const QByteArray before = iniText();

    const auto dialog = open();
    EXPECT_EQ(dialog->cmbComm->currentIndex(), -1);
    EXPECT_EQ(dialog->cmbApp->currentIndex(), -1);
    EXPECT_EQ(dialog->cmbPanel->currentIndex(), -1);
    for (QWidget* w : {static_cast<QWidget*>(dialog->lblAddress), static_cast<QWidget*>(dialog->lblPort),
                       static_cast<QWidget*>(dialog->lblAddressDisplay),
                       static_cast<QWidget*>(dialog->lblPortDisplay), static_cast<QWidget*>(dialog->cmdConfigure)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();

    dialog->cmdOK->click();
    dialog->cmbComm->setCurrentIndex(5); // Simulated: nothing to configure
    dialog->cmdOK->click();
    dialog->cmbApp->setCurrentIndex(1);
    dialog->cmdOK->click();
    EXPECT_EQ(prompts.messageTexts(),
              (QStringList{"Check the Communication Bus Selection", "Check the Start-Up Panel for Validity",
                           "Check the System Type for Validity"}));
    EXPECT_EQ(iniText(), before);
    EXPECT_FALSE(dialog->saved());
}

TEST_F(SetupDialog, CancelLeavesTheFileAndTheLinkAlone)
{
    const QByteArray before = iniText();
    const auto dialog = open();
    chooseBus(*dialog, 0);
    dialog->cmbApp->setCurrentIndex(0);
    dialog->cmdCancel->click();
    EXPECT_EQ(iniText(), before);
    EXPECT_TRUE(device.events().empty());
}

TEST_F(SetupDialog, OkWritesTheFiveSettingsRereadsThemAndReopensTheLink)
{
    const auto dialog = open();
    modal.then([](QDialog& d) {
        auto& comm = as<frmCommSetup>(d);
        comm.txtAddress->setText("127.0.0.1");
        comm.cmbPort->setCurrentText("5025");
        comm.cmdOK->click();
    });
    dialog->cmdConfigure->click();
    dialog->cmbApp->setCurrentIndex(0);
    dialog->cmbPanel->setCurrentIndex(3);
    dialog->cmdOK->click();

    EXPECT_TRUE(dialog->saved());
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('|').toStdString();
    const ProfileFile file(iniPath);
    EXPECT_EQ(file.readString("Application", "Start-Up"), "Virtual Panel");
    EXPECT_EQ(file.readString("Communication", "Comm"), "TCP/IP");
    EXPECT_EQ(file.readString("Communication", "Address"), "127.0.0.1");
    EXPECT_EQ(file.readString("Communication", "Port"), "5025");
    EXPECT_EQ(file.readString("System", "Type"), "MW Series");
    EXPECT_EQ(context.state.StartupPanel, 0);
    EXPECT_EQ(context.state.SystemType, 3);
    EXPECT_EQ(context.state.DevicePort, 5025);
    const auto& events = device.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, WireEvent::Kind::Connect);
    EXPECT_EQ(events.back().host, "127.0.0.1");
    EXPECT_EQ(events.back().port, 5025);
}

TEST_F(SetupDialog, SimulatedSavesEmptyAddressAndPort)
{
    const auto dialog = open();
    dialog->cmbComm->setCurrentIndex(5);
    dialog->cmdOK->click();
    ASSERT_TRUE(dialog->saved());
    const ProfileFile file(iniPath);
    EXPECT_EQ(file.readString("Communication", "Comm"), "Simulated");
    EXPECT_EQ(file.readString("Communication", "Address", "unset"), "");
    EXPECT_EQ(file.readString("Communication", "Port", "unset"), "");
    EXPECT_EQ(context.state.BusCode, 5);
}

TEST_F(SetupDialog, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    const auto dialog = open();
    dialog->show();
    // A folder where the file was cannot be replaced by a file, not even by the superuser.
    ASSERT_TRUE(QFile::remove(iniPath));
    ASSERT_TRUE(QDir().mkdir(iniPath));
    dialog->cmdOK->click();
    EXPECT_FALSE(dialog->saved());
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("The settings could not be saved to "));
    EXPECT_TRUE(device.events().empty()) << "the link is not reopened on unsaved settings";
}

} // namespace
} // namespace dalto::testing

namespace dalto::testing {
namespace {

TEST_F(SetupDialog, LimitsLeadsToTheBenchLimitsWhichOkPutsInForce)
{
    const auto dialog = open();
    modal.then([](QDialog& d) {
        auto& limits = as<frmLimits>(d);
        EXPECT_TRUE(limits.txtCurrent->text().isEmpty());
        limits.txtCurrent->setText("2.5");
        limits.cmdOK->click();
    });
    dialog->cmdLimits->click();
    ASSERT_EQ(modal.shown, std::vector<QString>{"frmLimits"});
    EXPECT_EQ(context.state.Limits[SetPointKind::Current].value, 2.5);
    EXPECT_TRUE(iniText().contains("[Limits]"));
}

} // namespace
} // namespace dalto::testing
