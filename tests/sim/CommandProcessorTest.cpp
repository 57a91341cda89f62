#include "sim/CommandProcessor.h"
#include "sim/Device.h"
#include "sim/StatusProtocol.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace dalto::sim;

namespace {

class CommandProcessorTest : public ::testing::Test {
protected:
    // The reply text, or "<none>" when the line has no reply.
    QString send(const QByteArray& line)
    {
        const LineResponse response = processor.handleLine(line);
        return response.reply ? QString::fromLatin1(*response.reply) : QStringLiteral("<none>");
    }
    QString nextError() { return send("SYST:ERR?"); }

    Device device {DeviceConfig {}};
    CommandProcessor processor {device};
};

} // namespace

TEST_F(CommandProcessorTest, LongAndShortFormsReachTheSameSetting)
{
    EXPECT_EQ(send("SOURce:VOLTage:LEVel:IMMediate:AMPLitude 5"), "<none>");
    EXPECT_EQ(send("VOLT?"), "5.000");
    EXPECT_EQ(send("volt 2.5\r"), "<none>");
    EXPECT_EQ(send("SOUR:VOLT:LEV:IMM:AMPL?"), "2.500");
    EXPECT_EQ(nextError(), "0,\"No error\"");
}

TEST_F(CommandProcessorTest, StatusRepliesCarryHexadecimalThousandths)
{
    send("VOLT 5;CURR 1;VOLT:PROT 12;PER 2;*SAV 3");
    send("OUTP:START");
    // 10 ohm load: 5 V, 0.5 A, constant voltage, memory 3.
    EXPECT_EQ(send("<>STA"), "1388,1F4,188,200,3");
    EXPECT_EQ(send("<>ALL"), "1388,3E8,2EE0,1ADB0,7D0,3,12C0");
    EXPECT_EQ(send("<>SCL"), "3A98,186A0");
    EXPECT_EQ(send("<>POT"), "80,80,80,80,80");
    EXPECT_EQ(send("STAT:OPER:COND?"), QString::number(0x188));
    EXPECT_EQ(send("STAT:QUES:COND?"), QString::number(0x200));
}

TEST_F(CommandProcessorTest, NoticesAreSilentAndUnknownWordsQueueErrors)
{
    for (const char* notice : {"<>CHG 0,-1,0", "<>IGN 1", "<>TYP -1", "<>PRO abc", "<>CLR 2"})
        EXPECT_EQ(send(notice), "<none>") << notice;
    EXPECT_EQ(nextError(), "0,\"No error\"");

    EXPECT_EQ(send("<>XYZ"), "<none>");
    EXPECT_EQ(send("VOLT:BOGUS 3"), "<none>");
    EXPECT_EQ(send("OUTP:START?"), "<none>");
    EXPECT_EQ(send("VOLT abc"), "<none>");
    EXPECT_EQ(send("VOLT"), "<none>");
    EXPECT_EQ(nextError(), "-113,\"Undefined header\"");
    EXPECT_EQ(nextError(), "-113,\"Undefined header\"");
    EXPECT_EQ(nextError(), "-113,\"Undefined header\"");
    EXPECT_EQ(nextError(), "-224,\"Illegal parameter value\"");
    EXPECT_EQ(nextError(), "-109,\"Missing parameter\"");
    EXPECT_EQ(nextError(), "0,\"No error\"");
}

TEST_F(CommandProcessorTest, LongClearPressWipesTheMemoriesOnlyAtItsSecondStage)
{
    send("VOLT 5;PER 2;VOLT:PROT 12;*SAV 4");
    send("<>CLR 1");
    EXPECT_EQ(send("<>ALL"), "1388,0,2EE0,1ADB0,7D0,4,12C0");
    send("<>CLR 2");
    EXPECT_EQ(send("<>ALL"), "0,0,4074,1ADB0,0,0,12C0");
    EXPECT_EQ(send("*RCL 4;VOLT?;PER?"), "0.000;0");
}

TEST_F(CommandProcessorTest, RemoteBitFollowsTheClientUntilThePanelCloses)
{
    send("*IDN?");
    EXPECT_TRUE(device.supply.faultWord() & fault_bit::Remote);
    send("<>CLR 0");
    EXPECT_FALSE(device.supply.faultWord() & fault_bit::Remote);
}

TEST_F(CommandProcessorTest, BinaryBytesAndEmptyLinesNeverReachTheCommandSet)
{
    EXPECT_EQ(send(QByteArray("VO\0LT 5", 7)), "<none>");
    EXPECT_EQ(send("\xff\xfe"), "<none>");
    EXPECT_EQ(send(""), "<none>");
    EXPECT_EQ(send("   "), "<none>");
    EXPECT_EQ(send("VOLT?"), "0.000");
    EXPECT_EQ(nextError(), "-101,\"Invalid character\"");
    EXPECT_EQ(nextError(), "-101,\"Invalid character\"");
    EXPECT_EQ(nextError(), "0,\"No error\"");
}

TEST_F(CommandProcessorTest, StatusByteShowsMessageAvailableWhenAReplyWaits)
{
    EXPECT_EQ(send("*CLS;*STB?"), "0");
    EXPECT_EQ(send("*IDN?;*STB?").section(u';', 1), "16");
    send("*ESE 32;*SRE 32;BOGUS");
    EXPECT_EQ(send("*STB?"), "96");
    EXPECT_EQ(send("*ESR?"), "32");
    EXPECT_EQ(send("*STB?"), "0");
}

TEST_F(CommandProcessorTest, CalibrationNeedsItsCodes)
{
    send("CAL:POT 2,99");
    EXPECT_EQ(nextError(), "-203,\"Command protected\"");
    send("CAL:PASS 7351");
    send("CAL:POT 2,99");
    EXPECT_EQ(send("CAL:POT? 2"), "99");
    EXPECT_EQ(send("<>POT"), "80,63,80,80,80");
    send("CAL:SCAL:VOLT 30");
    EXPECT_EQ(nextError(), "-203,\"Command protected\"");
    send("CAL:PASS 2468");
    send("CAL:SCAL:VOLT 30;CAL:SCAL:CURR 50");
    EXPECT_EQ(send("<>SCL"), "7530,C350");
    send("CAL:STOP");
    send("CAL:DEF");
    EXPECT_EQ(nextError(), "-203,\"Command protected\"");
    send("CAL:IDN \"LAB 7\"");
    EXPECT_EQ(send("CAL:IDN?"), "LAB 7");
}

TEST_F(CommandProcessorTest, ModulationTableRowsNeedASelection)
{
    EXPECT_EQ(send("MOD:TABL? 1"), "No table selected");
    send("MODulation:TABLe 3(1.5,0.9)");
    EXPECT_EQ(nextError(), "-221,\"Settings conflict\"");

    send("MODulation:TYPE:SELect 2,1");
    EXPECT_EQ(send("MOD:TYPE:SEL?"), "2,1");
    send("MODulation:TABLe 3(1.5,0.9)");
    EXPECT_EQ(send("MOD:TABL? 3"), "3(1.5,0.9)");
    EXPECT_EQ(send("MOD:TABL? 50"), "50(0,0)");
    send("MOD:TABL 51(1,1)");
    send("MOD:TABL 4 1,2");
    EXPECT_EQ(nextError(), "-222,\"Data out of range\"");
    EXPECT_EQ(nextError(), "-102,\"Syntax error\"");

    send("MODulation:TABLe:SlewLIM 2.5;MOD:TABL:SAVE");
    send("MOD:TABL 3(0,0);MOD:TABL:SLEW 0");
    send("*RST");
    EXPECT_EQ(send("MOD:TABL? 3"), "3(1.5,0.9)");
    EXPECT_EQ(send("MODulation:TABLe:SlewLIM?"), "2.5");
}

TEST_F(CommandProcessorTest, NetworkSettingsAnswerWithTheValueInForce)
{
    EXPECT_EQ(send("SYST:COMM:NET:PORT 5030"), "5030");
    EXPECT_EQ(send("SYST:COMM:NET:PORT 65535"), "5030");
    EXPECT_EQ(send("SYST:COMM:NET:ADDR 192.168.1.300"), "127.0.0.1");
    EXPECT_EQ(send("SYST:COMM:NET:ADDR 192.168.1.30"), "192.168.1.30");
    EXPECT_EQ(send("SYST:COMM:NET:DHCP 1"), "1");
    EXPECT_EQ(send("SYST:COMM:NET:HOST?"), "DALTO-SIM");
    EXPECT_EQ(nextError(), "-222,\"Data out of range\"");
    EXPECT_EQ(nextError(), "-224,\"Illegal parameter value\"");

    EXPECT_TRUE(send("SYST:COMM:NET:VERS?").contains("Hardware Rev. C"));
    EXPECT_EQ(send("SYSTem:NET:SERial SN-7"), "SN-0001");
    EXPECT_EQ(send("SYSTem:NET:SERial SN-7 2468"), "SN-7");
    EXPECT_TRUE(send("SYSTem:NET:VERS D 2468").endsWith("Hardware Rev. D"));
    EXPECT_TRUE(processor.handleLine("<>RST").restartNetwork);
}

TEST_F(CommandProcessorTest, VersionWordsSitWhereEitherCountFindsThem)
{
    const QStringList words = send("SYST:VERS?").split(u' ');
    ASSERT_GE(words.size(), 7);
    EXPECT_DOUBLE_EQ(words[2].toDouble(), 4.8);
    EXPECT_TRUE(words[3].startsWith("4.8."));
    EXPECT_DOUBLE_EQ(words[5].toDouble(), 1.2);
    EXPECT_TRUE(words[6].startsWith("1.2."));
}

TEST(StatusProtocolField, RoundsToThousandthsAndWritesUpperCaseHex)
{
    EXPECT_EQ(thousandthsField(16.5), "4074");
    EXPECT_EQ(thousandthsField(0.0004), "0");
    EXPECT_EQ(thousandthsField(0.0015), "2");
    EXPECT_EQ(thousandthsField(110.0), "1ADB0");
}

// Every command the program can send must be known to the supply: the command
// lists by position and the literal commands of the panels and dialogs.
TEST_F(CommandProcessorTest, UnderstandsEveryCommandTheProgramSends)
{
    const char* const sent[] = {
        // IEEE-488.2 list
        "*ESE?", "*ESE 0", "*SRE?", "*SRE 0", "*RCL 1", "*SAV 1", "*RST", "*TRG", "*ESR?", "*STB?", "*IDN?",
        "*CLS",
        // SCPI list, long forms as the Command, Register, Calibration and Modulation panels send them
        "SOURce:VOLTage:LEVel:IMMediate:AMPLitude?", "SOURce:CURRent:LEVel:IMMediate:AMPLitude 1",
        "SOURce:VOLTage:PROTection:LEVel?", "SOURce:CURRent:PROTection:LEVel 50",
        "SOURce:VOLTage:LEVel:TRIGgered:AMPLitude 1", "SOURce:CURRent:LEVel:TRIGgered:AMPLitude?",
        "SOURce:PERiod 3", "RECall:MEMory?", "RECall:MEMory 2", "INITiate:IMMediate", "TRIGger:IMMediate",
        "ABORt", "OUTPut:START", "OUTPut:STOP", "OUTPut:PROTection:CLEar", "CALibrate:IDN?",
        "INITiate:CONTinuous 0", "MEASure:VOLTage:DC?", "MEASure:CURRent:DC?", "SYSTem:Version?",
        "STATus:OPERation:CONDition?", "STATus:QUEStionable:CONDition?", "CONFigure:REMote:SENSe 1",
        "CONFigure:CONTrol:EXTernal 0", "CONFigure:CONTrol:INTernal 1", "CONFigure:INTErlock?",
        "OUTPut:Arm 0", "SOURce:LASTstep 2", "OUTPut:STATe?", "CALibrate:PASSword 7351", "CALibrate:POT? 3",
        "CALibrate:POT 3,128", "CALibrate:SCALe:VOLTage?", "CALibrate:SCALe:CURRent?",
        "CALibrate:SCALe:INPut?", "CALibrate:DEFaults", "MODulation:TYPE:SELect 1,0", "MODulation:TABLe 1(0,1)",
        "SYSTem:GPIB:VERS?", "SYSTem:NET:VERSion?", "CONFigure:SETPT 1", "SYSTem:NET:SERial?",
        "SYSTem:NET:VERS?", "MODulation:TABLe:SlewLIM?", "CALibrate:STOP", "SYSTem:ERRor?",
        // literal commands of the front panels
        "VOLT 1", "CURR 1", "VOLT:PROT 16", "CURR:PROT 100", "MEM 3", "PER 1", "CONF:REM:SENS 0",
        "CONF:CONT:INT 1", "CONF:CONT:EXT 0", "CONF:INTE 0", "CAL:PASS 2468", "CAL:POT 1,128", "CAL:DEF",
        "CAL:SCAL:VOLT 15", "CAL:SCAL:CURR 100", "OUTP:Arm 1", "OUTP:START", "OUTP:STOP", "OUTP:PROT:CLE",
        // modulation, network and address dialogs
        "MOD:TYPE:SEL?", "MOD:TABL? 1", "MOD:TABL 1(0,1)", "MOD:TABL:SAVE", "SYST:COMM:NET:VERS?",
        "SYST:COMM:NET:MAC?", "SYST:COMM:NET:DHCP?", "SYST:COMM:NET:HOST?", "SYST:COMM:NET:PORT?",
        "SYST:COMM:NET:ADDR?", "SYST:COMM:NET:SUBN?", "SYST:COMM:NET:GATE?", "SYST:COMM:NET:DHCP 0",
        "SYST:COMM:NET:PORT 5025", "SYST:COMM:NET:ADDR 10.0.0.2", "SYST:COMM:NET:SUBN 255.255.255.0",
        "SYST:COMM:NET:GATE 10.0.0.1", "GPIB:VERS?", "SER:VERS?", "GPIB:ADDR 12", "SYST:COMM:SER:ADDR 9",
        "SYST:VERS?", "SYST:ERR?"};
    for (const char* command : sent) {
        device.events.clear();
        send(command);
        // Execution errors (a trigger without initiate) are the supply's answer; an
        // unknown header or a refused syntax would mean the command is not understood.
        while (device.events.errorCount() > 0) {
            const QString error = device.events.takeError();
            EXPECT_FALSE(error.startsWith("-113") || error.startsWith("-102") || error.startsWith("-109"))
                << command << ": " << error.toStdString();
        }
    }
}

TEST_F(CommandProcessorTest, SimulationCommandsChangeTheLoadAndRaiseFaults)
{
    send("VOLT 10;CURR 20;OUTP:START");
    EXPECT_EQ(send("MEAS:CURR?"), "1.000");
    send("SIM:LOAD 0.25");
    // 10 V into 0.25 ohm would draw 40 A: the 20 A limit takes over.
    EXPECT_EQ(send("MEAS:VOLT?;MEAS:CURR?"), "5.000;20.000");
    send("SIM:LOAD 0");
    EXPECT_EQ(nextError(), "-222,\"Data out of range\"");

    send("SIMulation:FAULt 16");
    EXPECT_EQ(send("<>STA"), "0,0,848,290,0");
    send("OUTP:START");
    EXPECT_EQ(nextError(), "-221,\"Settings conflict\"");
    send("OUTP:PROT:CLE;OUTP:START");
    EXPECT_EQ(send("OUTP?"), "1");
}
