// dalto-sim as a standard SCPI client sees it over raw TCP.
#include "SimClient.h"
#include "support/SimProcess.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

using dalto::testing::SimClient;
using dalto::testing::SimProcess;

namespace {

bool connectTo(QTcpSocket& socket, const SimProcess& sim)
{
    socket.connectToHost(sim.host(), sim.port());
    return socket.waitForConnected(SimClient::ReplyWaitMs);
}

} // namespace

TEST(SimOverTcp, IdentifiesProgramsAndReportsConsistentState)
{
    SimProcess sim({"--rated-voltage", "30", "--rated-current", "5", "--load-ohms", "4", "--idn", "ACME,PS30,1,2"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    EXPECT_TRUE(sim.readyLine().startsWith("dalto-sim listening on tcp 127.0.0.1:"));
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, sim));
    SimClient client(socket);

    EXPECT_EQ(client.query("*IDN?"), "ACME,PS30,1,2");
    EXPECT_EQ(client.query("<>SCL"), "7530,1388");
    client.send("SOURce:VOLTage:LEVel:IMMediate:AMPLitude 12");
    client.send("CURR 2");
    client.send("OUTP:START");
    // 12 V into 4 ohm wants 3 A: the 2 A limit holds, constant current at 8 V.
    EXPECT_EQ(client.query("<>STA"), "1F40,7D0,488,200,0");
    EXPECT_EQ(client.query("MEAS:VOLT?;MEAS:CURR?"), "8.000;2.000");
    EXPECT_EQ(client.query("STAT:OPER:COND?"), QString::number(0x488));
    EXPECT_EQ(client.query("<>ALL"), "2EE0,7D0,80E8,157C,0,0,12C0");
    EXPECT_EQ(client.query("OUTP:STAT?"), "1");

    client.send("VOLT:PROT 10");
    EXPECT_EQ(client.query("<>STA"), "0,0,848,281,0");
    EXPECT_EQ(client.query("STAT:QUES:COND?"), QString::number(0x281));
    client.send("OUTP:PROT:CLE");
    EXPECT_EQ(client.query("<>STA"), "0,0,48,200,0");
    EXPECT_EQ(client.query("SYST:ERR?"), "0,\"No error\"");
}

TEST(SimOverTcp, NoticesGetNoReplyAndErrorsReachTheRegisters)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, sim));
    SimClient client(socket);

    client.send("<>CHG 0,-1,0");
    client.send("<>IGN 1");
    client.send("<>TYP 1");
    client.send("<>PRO text");
    client.send("");
    EXPECT_EQ(client.query("*ESR?"), "128");
    client.send("*ESE 32");
    client.send("NOT:A:COMMAND");
    EXPECT_EQ(client.query("*STB?"), "32");
    EXPECT_EQ(client.query("SYST:ERR?"), "-113,\"Undefined header\"");
    EXPECT_EQ(client.query("*ESR?"), "32");
}

// The exchange of the keypad panel: memory, arming, its settings and notices.
TEST(SimOverTcp, AnswersTheHbxKeypadPanel)
{
    SimProcess sim({"--model", "HBX"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, sim));
    SimClient client(socket);

    EXPECT_TRUE(client.query("*IDN?").startsWith("DALTO,HBX "));
    for (const char* line : {"<>CHG 4,-1,0", "<>TYP 1", "MEM 7", "<>TYP -1", "<>CHG 0,-1,0", "OUTP:Arm 1"})
        client.send(line);
    EXPECT_EQ(client.query("OUTP:Arm?"), "1");
    for (const char* line : {"VOLT 5", "CURR 1", "VOLT:PROT 12", "CURR:PROT 50", "PER 3", "CONF:INTE 1"})
        client.send(line);
    client.send("OUTP:START");
    // Armed (bit 0) and on, interlock (bit 2), memory 7 in the fifth field.
    EXPECT_EQ(client.query("<>STA"), "1388,1F4,18D,200,7");
    client.send("OUTP:STOP");
    EXPECT_EQ(client.query("<>STA"), "0,0,4C,200,7");

    client.send("OUTP:START");
    client.send("OUTP:Arm 1");
    EXPECT_EQ(client.query("SYST:ERR?"), "-221,\"Settings conflict\"");
    for (const char* line : {"<>IGN 1", "<>IGN 0", "<>CLR 1", "<>CLR 0"})
        client.send(line);
    client.send("SIM:FAUL 32");
    // The fuse fault (bit 5) latches and switches the output off.
    EXPECT_EQ(client.query("<>STA"), "0,0,84C,2A0,7");
    EXPECT_EQ(client.query("<>ALL"), "1388,3E8,2EE0,C350,BB8,7,12C0");
    EXPECT_EQ(client.query("SYST:ERR?"), "0,\"No error\"");
}

TEST(SimOverTcp, SurvivesFloodsBinaryAndOverLongLines)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, sim));
    SimClient client(socket);

    client.write(QByteArray(64 * 1024, 'Z') + "\n");
    client.write(QByteArray("\0\x01\xff\x13{&%", 8) + QByteArray(5000, '\0') + "\n");
    client.write(QByteArray("VOLT\0 7\n", 8));
    QByteArray burst;
    for (int i = 0; i < 2000; ++i)
        burst += "VOLT 1\n";
    client.write(burst);
    EXPECT_EQ(client.query("VOLT?"), "1.000");
    EXPECT_EQ(client.query("SYST:ERR?"), "-363,\"Input buffer overrun\"");
    EXPECT_EQ(client.query("SYST:ERR?"), "-363,\"Input buffer overrun\"");
    EXPECT_EQ(client.query("SYST:ERR?"), "-101,\"Invalid character\"");
    EXPECT_EQ(client.query("SYST:ERR?"), "0,\"No error\"");
}

TEST(SimOverTcp, ServesOneClientAtATimeAndTheNextAfterADisconnect)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTcpSocket first;
    ASSERT_TRUE(connectTo(first, sim));
    SimClient firstClient(first);
    EXPECT_EQ(firstClient.query("VOLT 3;VOLT?"), "3.000");

    QTcpSocket second;
    ASSERT_TRUE(connectTo(second, sim));
    SimClient secondClient(second);
    secondClient.send("VOLT?"); // waits until the first client has left

    firstClient.send("VOLT 4");
    EXPECT_EQ(firstClient.query("*IDN?").left(5), "DALTO");
    firstClient.write("VOLT 9"); // cut off in the middle of a line
    first.abort();

    EXPECT_EQ(secondClient.readUntil('\n'), "4.000\r\n");
    EXPECT_EQ(secondClient.query("SYST:COMM:NET:PORT?"), QString::number(sim.port()));
}

TEST(SimOverTcp, NetworkModuleRestartEndsTheConnection)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, sim));
    SimClient client(socket);
    EXPECT_EQ(client.query("SYST:COMM:NET:DHCP 0"), "0");
    EXPECT_EQ(client.query("SYST:COMM:NET:HOST?"), "DALTO-SIM");
    client.send("<>RST");
    EXPECT_TRUE(socket.state() == QAbstractSocket::UnconnectedState
                || socket.waitForDisconnected(SimClient::ReplyWaitMs));

    QTcpSocket again;
    ASSERT_TRUE(connectTo(again, sim));
    SimClient second(again);
    EXPECT_EQ(second.query("SYST:COMM:NET:DHCP?"), "0");
}

TEST(SimCommandLine, RefusesBadOptionsWithAMessage)
{
    SimProcess sim({"--model", "XYZ"});
    EXPECT_FALSE(sim.isReady());
    EXPECT_TRUE(sim.errorText().contains("--model")) << sim.errorText().toStdString();
}
