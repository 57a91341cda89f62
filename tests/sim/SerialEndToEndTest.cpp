// dalto-sim on a pseudo-terminal pair, as an RS-232 device and as an RS-485 node.
#include "SimOverSerial.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

using dalto::testing::SimClient;
using dalto::testing::SimOverSerial;

TEST_F(SimOverSerial, AnswersEveryLineAsAnRs232Device)
{
    ASSERT_NO_FATAL_FAILURE(start({}));
    EXPECT_TRUE(sim->readyLine().contains("serial " + pty.second()));
    EXPECT_EQ(client.query("*IDN?").left(5), "DALTO");
    client.send("VOLT 2;CURR 1\r");
    client.send("OUTP:START");
    EXPECT_EQ(client.query("<>STA"), "7D0,C8,188,200,0");

    // The same supply is visible on its TCP side.
    QTcpSocket socket;
    socket.connectToHost(sim->host(), sim->port());
    ASSERT_TRUE(socket.waitForConnected(SimClient::ReplyWaitMs));
    SimClient tcp(socket);
    EXPECT_EQ(tcp.query("MEAS:VOLT?"), "2.000");
}

TEST_F(SimOverSerial, Rs485NodeAnswersOnlyAfterItsSelectSequence)
{
    ASSERT_NO_FATAL_FAILURE(start({"--rs485", "7"}));
    EXPECT_TRUE(sim->readyLine().contains("rs485 node 7"));

    client.write("\x13" "08\x01\n");
    client.send("VOLT 4");            // for node 8: ignored
    client.write("\x13" "07\x01\n"); // the program's select sequence and LF
    EXPECT_EQ(client.query("VOLT?"), "0.000");
    client.send("SYST:COMM:SER:ADDR 9");
    client.write("\x13" "09\x01\n");
    EXPECT_EQ(client.query("SER:VERS?"), "RS485 1.1");
    EXPECT_EQ(client.query("SYST:COMM:SER:ADDR?"), "9");
}

TEST_F(SimOverSerial, Rs485NodeJoinsPacketFramesAndAnswersControlLines)
{
    ASSERT_NO_FATAL_FAILURE(start({"--rs485", "200"}));

    client.write("&C8800\r");
    EXPECT_EQ(client.readUntil('\r'), "&C8800\r");

    const QByteArray command = "CALibrate:IDN " + QByteArray(56, 'q') + "\n";
    for (qsizetype at = 0; at < command.size(); at += 32)
        client.write("{C8" + command.mid(at, 32) + "\r");
    client.write("{C7*IDN?\n\r");
    client.write("{C8CAL:IDN?\n\r");
    EXPECT_EQ(client.readUntil('\n'), QByteArray(56, 'q') + "\r\n");

    client.write("%C80B58120946\r");
    EXPECT_EQ(client.readUntil('\r'), "%0B\r");
    client.write("{C8*IDN?\n\r");
    client.write("{0BSYST:COMM:SER:ADDR?\n\r");
    EXPECT_EQ(client.readUntil('\n'), "11\r\n");
}
