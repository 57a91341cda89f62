// The Command panel on a scripted device: what each row sends, where replies go,
// and which rows the bus and the supply type leave usable.

#include "AppFixture.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/frmLimits.h"
#include "panels/tools/frmCommand.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "app/TranscriptBox.h"

using namespace dalto;
using namespace dalto::testing;

namespace {

class CommandPanelTest : public AppFixture {
protected:
    frmCommand& panel() { return currentAs<frmCommand>(); }
    QByteArray click(QPushButton* button)
    {
        const qsizetype mark = device.written().size();
        button->click();
        return writtenSince(mark);
    }
};

// Every row's caption and the command it carries.
const struct {
    const char* caption;
    bool scpi;
    int index;
    const char* command;
} Rows[] = {
    {"Voltage", true, 0, "SOURce:VOLTage:LEVel:IMMediate:AMPLitude"},
    {"Current", true, 1, "SOURce:CURRent:LEVel:IMMediate:AMPLitude"},
    {"Voltage Prot", true, 2, "SOURce:VOLTage:PROTection:LEVel"},
    {"Current Prot", true, 3, "SOURce:CURRent:PROTection:LEVel"},
    {"Voltage Trig", true, 4, "SOURce:VOLTage:LEVel:TRIGgered:AMPLitude"},
    {"Current Trig", true, 5, "SOURce:CURRent:LEVel:TRIGgered:AMPLitude"},
    {"Period", true, 6, "SOURce:PERiod"},
    {"Mem", true, 7, "RECall:MEMory"},
    {"Init. Cont.", true, 15, "INITiate:CONTinuous"},
    {"Rem. Sen.", true, 22, "CONFigure:REMote:SENSe"},
    {"Ctrl. Ext.", true, 23, "CONFigure:CONTrol:EXTernal"},
    {"Ctrl. Int.", true, 24, "CONFigure:CONTrol:INTernal"},
    {"Interlock", true, 25, "CONFigure:INTErlock"},
    {"Setpoint", true, 39, "CONFigure:SETPT"},
    {"Arm", true, 26, "OUTPut:Arm"},
    {"*RCL", false, 2, "*RCL"},
    {"*SAV", false, 3, "*SAV"},
    {"Start", true, 8, "OUTPut:START"},
    {"Stop", true, 9, "OUTPut:STOP"},
    {"Clear", true, 11, "OUTPut:PROTection:CLEar"},
    {"Init. Imm.", true, 13, "INITiate:IMMediate"},
    {"Trigger", true, 12, "TRIGger:IMMediate"},
    {"Abort", true, 10, "ABORt"},
    {"*RST", false, 4, "*RST"},
    {"*CLS", false, 9, "*CLS"},
    {"Meas Volt", true, 16, "MEASure:VOLTage:DC"},
    {"Meas Curr", true, 17, "MEASure:CURRent:DC"},
    {"Syst. Err.", true, 18, "SYSTem:ERRor"},
    {"Syst. Vers.", true, 19, "SYSTem:Version"},
    {"GPIB. Vers.", true, 37, "SYSTem:GPIB:VERS"},
    {"Ethernet Vers.", true, 38, "SYSTem:NET:VERSion"},
    {"Oper. Cond.", true, 20, "STATus:OPERation:CONDition"},
    {"Ques. Cond.", true, 21, "STATus:QUEStionable:CONDition"},
    {"Outp. State", true, 28, "OUTPut:STATe"},
    {"*IDN", false, 8, "*IDN"},
};

} // namespace

TEST_F(CommandPanelTest, EveryRowSendsExactlyItsCommand)
{
    startApp(); // HBX on TCP/IP: every row but GPIB. Vers. is usable
    for (const auto& row : Rows) {
        SCOPED_TRACE(row.caption);
        auto& get = row.scpi ? panel().cmdGetSCPI : panel().cmdGetIEEE;
        auto& set = row.scpi ? panel().cmdSetSCPI : panel().cmdSetIEEE;
        auto& box = row.scpi ? panel().txtSCPI : panel().txtIEEE;
        // A row the panel lost must fail here, not pass unseen.
        ASSERT_TRUE(get.count(row.index) || set.count(row.index));
        const std::string command(row.command);
        if (get.count(row.index) && row.index != 37) {
            device.reply("1\r\n");
            EXPECT_EQ(click(get.at(row.index)).toStdString(), command + "?\n");
            EXPECT_EQ(get.at(row.index)->accessibleName(), QStringLiteral("Get ") + row.caption);
        }
        if (box.count(row.index))
            box.at(row.index)->setText("12");
        if (set.count(row.index)) {
            EXPECT_EQ(click(set.at(row.index)).toStdString(), box.count(row.index) ? command + " 12\n" : command + "\n");
        }
    }
    EXPECT_EQ(std::size(Rows), 35u);
    EXPECT_EQ(panel().cmdGetSCPI.size() + panel().cmdGetIEEE.size(), 25u);
    EXPECT_EQ(panel().cmdSetSCPI.size() + panel().cmdSetIEEE.size(), 25u);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();
}

TEST_F(CommandPanelTest, SetWithAnEmptyBoxEndsInOneBlank)
{
    startApp();
    EXPECT_EQ(click(panel().cmdSetSCPI.at(1)), "SOURce:CURRent:LEVel:IMMediate:AMPLitude \n");
    EXPECT_EQ(click(panel().cmdSetIEEE.at(3)), "*SAV \n");
}

TEST_F(CommandPanelTest, GetReplyLandsInItsBoxWithoutLineBreaksAndSelected)
{
    startApp();
    panel().txtSCPI.at(1)->setText("untouched");
    device.reply("1.50\r\n2.5\r\n");
    click(panel().cmdGetSCPI.at(0));
    QLineEdit* box = panel().txtSCPI.at(0);
    EXPECT_EQ(box->text(), "1.502.5");
    EXPECT_EQ(box->selectedText(), "1.502.5");
    EXPECT_TRUE(box->hasFocus() || !panel().isActiveWindow());
    EXPECT_EQ(panel().txtSCPI.at(1)->text(), "untouched");

    // A get-only row and an IEEE query show their reply in the transcript only.
    device.reply("0\r\n");
    click(panel().cmdGetSCPI.at(20));
    device.reply("DALTO,KD\r\n");
    click(panel().cmdGetIEEE.at(8));
    EXPECT_EQ(panel().txtSCPI.at(1)->text(), "untouched");
    EXPECT_TRUE(panel().rtbTranx->transcriptText().endsWith("*IDN?\nDALTO,KD\r\n"));
}

TEST_F(CommandPanelTest, FramesAreDisabledOnlyWhileTheReplyIsAwaited)
{
    startApp();
    bool disabledDuringRead = false;
    clock.onAdvance([&](double) { disabledDuringRead = !panel().fraCmd1->isEnabled() && !panel().fraCmd2->isEnabled(); });
    device.reply("5\r\n", 0.5);
    click(panel().cmdGetSCPI.at(16));
    clock.onAdvance({});
    EXPECT_TRUE(disabledDuringRead);
    EXPECT_TRUE(panel().fraCmd1->isEnabled());
    EXPECT_TRUE(panel().fraCmd2->isEnabled());
}

TEST_F(CommandPanelTest, VersionRowsFollowTheBus)
{
    const struct {
        int16_t bus;
        bool gpibRow;
        bool ethernetRow;
    } cases[] = {{1, false, false}, {0, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bus);
        app.reset();
        startApp({"Register Panel", "Simulated", "HBX Series"});
        app->state().BusCode = c.bus;
        // The Command panel applies the rule as it loads, before the old panel goes.
        current()->findChild<QAction*>("mnuCommand")->trigger();
        frmCommand& fresh = panel();
        EXPECT_EQ(fresh.cmdGetSCPI.at(37)->isEnabled(), c.gpibRow);
        EXPECT_EQ(fresh.lblGPIBVers->isEnabled(), c.gpibRow);
        EXPECT_EQ(fresh.cmdGetSCPI.at(38)->isEnabled(), c.ethernetRow);
        EXPECT_EQ(fresh.lblEthernetVers->isEnabled(), c.ethernetRow);
    }
}

TEST_F(CommandPanelTest, PeriodAndArmRowsOnlyForTheHbxFamily)
{
    for (const char* type : {"HB Series", "HB Series Rack", "MW Series", "KD Series", "HBX Series"}) {
        SCOPED_TRACE(type);
        const bool usable = QByteArray(type) == "HBX Series";
        app.reset();
        startApp({"Command Panel", "Simulated", type});
        for (int row : {6, 26}) {
            EXPECT_EQ(panel().cmdGetSCPI.at(row)->isEnabled(), usable);
            EXPECT_EQ(panel().cmdSetSCPI.at(row)->isEnabled(), usable);
            EXPECT_EQ(panel().lblSCPI.at(row)->isEnabled(), usable);
            QLineEdit* box = panel().txtSCPI.at(row);
            EXPECT_EQ(box->isReadOnly(), !usable);
            EXPECT_EQ(box->palette().color(QPalette::Base) == panel().palette().color(QPalette::Button), !usable);
        }
        EXPECT_TRUE(panel().cmdGetSCPI.at(7)->isEnabled());
    }
}

TEST_F(CommandPanelTest, SetPointRowsKeepToTheBenchLimitsSetFromTheMenu)
{
    startApp();
    // The Limits dialog from the Communication menu: a bad entry is named and
    // nothing is saved; a good one goes to the settings file and into force.
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<frmLimits*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->txtOVP->placeholderText(), "rating 16.5");
        dialog->txtVoltage->setText("twelve");
        dialog->cmdOK->click();
        EXPECT_TRUE(dialog->isVisible());
        dialog->txtVoltage->setText("12");
        dialog->cmdOK->click();
    });
    panel().menu.mnuLimits->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "The highest voltage must be a number of 0 or more, or empty for the supply's rating.");
    EXPECT_EQ(app->state().Limits[SetPointKind::Voltage].value, 12.0);
    EXPECT_EQ(ReadBenchLimits(configFile())[SetPointKind::Voltage].value, 12.0);

    const struct {
        int index;
        const char* text;
        const char* refusal; // empty: sent as typed
    } cases[] = {
        {0, "12.5", "Voltage 12.5 V refused: it is above the bench limit of 12 V."},
        {4, "13", "Voltage 13 V refused: it is above the bench limit of 12 V."},
        {2, "17", "OVP level 17 V refused: it is above the supply's rating of 16.5 V."},
        {1, "100.5", "Current 100.5 A refused: it is above the supply's rating of 100 A."},
        {0, "12", ""},
        {0, "abc", ""}, // not a value the panel can judge: the device does
        {6, "99999", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        prompts.messages.clear();
        panel().txtSCPI.at(c.index)->setText(c.text);
        const QByteArray written = click(panel().cmdSetSCPI.at(c.index));
        if (*c.refusal) {
            EXPECT_TRUE(written.isEmpty());
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text, c.refusal);
            EXPECT_EQ(prompts.messages[0].title, "Bench Limit");
        } else {
            EXPECT_EQ(written, app->state().ScpiCommands[c.index].toLatin1() + ' ' + c.text + '\n');
            EXPECT_TRUE(prompts.messages.empty());
        }
    }
}
