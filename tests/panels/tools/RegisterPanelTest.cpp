// The Register panel on a scripted device: replies light the right bits and fill
// the three result boxes; Set ESE / SRE send the entry as a decimal value.

#include "AppFixture.h"
#include "panels/tools/frmRegisters.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "app/TranscriptBox.h"
#include <QRadioButton>

using namespace dalto;
using namespace dalto::testing;

namespace {

class RegisterPanelTest : public AppFixture {
protected:
    void SetUp() override { startApp({"Register Panel"}); }
    frmRegisters& panel() { return currentAs<frmRegisters>(); }

    // The captions of the bits of reg shown red.
    QStringList litBits(StatusRegister reg)
    {
        QStringList lit;
        for (const auto& [bit, label] : panel().bitLabels(reg)) {
            const QColor colour = label->palette().color(QPalette::Window);
            if (colour == QColor(255, 0, 0))
                lit << label->text();
            else
                EXPECT_EQ(colour, panel().palette().color(QPalette::Button)) << bit;
        }
        return lit;
    }
    QStringList results()
    {
        return {panel().txtValue.at(1)->text(), panel().txtValue.at(2)->text(), panel().txtValue.at(3)->text()};
    }
    QByteArray read(QPushButton* button, const QByteArray& reply)
    {
        const qsizetype mark = device.written().size();
        device.reply(reply);
        button->click();
        return writtenSince(mark);
    }
    QByteArray set(int format, const QString& entry, int index = 0)
    {
        panel().optFormat.at(format)->setChecked(true);
        panel().txtValue.at(0)->setText(entry);
        const qsizetype mark = device.written().size();
        panel().cmdSetIEEE.at(index)->click();
        return writtenSince(mark);
    }
};

} // namespace

TEST_F(RegisterPanelTest, LoadSendsTheChangeNoticeWithoutEchoAndSelectsDecimal)
{
    EXPECT_TRUE(device.written().endsWith("SYST:ERR?\n<>CHG 0,-1,0\n"));
    EXPECT_EQ(panel().rtbTranx->transcriptText(), "");
    EXPECT_TRUE(panel().optFormat.at(0)->isChecked());
}

TEST_F(RegisterPanelTest, StatusByteAndConditionRepliesLightTheirBits)
{
    EXPECT_EQ(read(panel().cmdGetIEEE.at(7), "96\r\n"), "*STB?\n");
    EXPECT_EQ(litBits(StatusRegister::STB), (QStringList{"ESB", "MSS"}));
    EXPECT_EQ(results(), (QStringList{"96", "60", "0110 0000"}));

    EXPECT_EQ(read(panel().cmdGetReg.at(0), "256\r\n"), "STATus:OPERation:CONDition?\n");
    EXPECT_EQ(litBits(StatusRegister::OPER), QStringList{"CV"});
    EXPECT_EQ(results(), (QStringList{"256", "01 00", "0000 0001 0000 0000"}));

    EXPECT_EQ(read(panel().cmdGetReg.at(1), "513\r\n"), "STATus:QUEStionable:CONDition?\n");
    EXPECT_EQ(litBits(StatusRegister::QUES), (QStringList{"OV", "REM"}));

    EXPECT_EQ(read(panel().cmdGetIEEE.at(6), "11\r\n"), "*ESR?\n");
    EXPECT_EQ(litBits(StatusRegister::ESR), (QStringList{"OPC", "Unused", "DDE"}));
    EXPECT_EQ(results()[1], "0B");

    EXPECT_EQ(read(panel().cmdGetIEEE.at(1), "128\r\n"), "*SRE?\n");
    EXPECT_EQ(litBits(StatusRegister::SRE), QStringList{"Mask7"});

    // Reading ESE leaves the other registers' bits as they were.
    EXPECT_EQ(read(panel().cmdGetIEEE.at(0), "1\r\n"), "*ESE?\n");
    EXPECT_EQ(litBits(StatusRegister::ESE), QStringList{"Mask0"});
    EXPECT_EQ(litBits(StatusRegister::STB), (QStringList{"ESB", "MSS"}));
    EXPECT_EQ(litBits(StatusRegister::OPER), QStringList{"CV"});
}

// One bit at a time in every register, so that neighbouring bits cannot trade labels.
TEST_F(RegisterPanelTest, EverySingleBitLightsOnlyItsOwnLabel)
{
    const std::pair<StatusRegister, QPushButton*> registers[] = {
        {StatusRegister::OPER, panel().cmdGetReg.at(0)},  {StatusRegister::QUES, panel().cmdGetReg.at(1)},
        {StatusRegister::ESE, panel().cmdGetIEEE.at(0)},  {StatusRegister::ESR, panel().cmdGetIEEE.at(6)},
        {StatusRegister::SRE, panel().cmdGetIEEE.at(1)},  {StatusRegister::STB, panel().cmdGetIEEE.at(7)},
    };
    for (const auto& [reg, button] : registers) {
        const int bits = RegisterBitCount(reg);
        ASSERT_EQ(int(panel().bitLabels(reg).size()), bits);
        for (int bit = 0; bit < bits; ++bit) {
            SCOPED_TRACE(::testing::Message() << "register " << int(reg) << " bit " << bit);
            read(button, QByteArray::number(1 << bit) + "\r\n");
            EXPECT_EQ(litBits(reg), QStringList{panel().bitLabels(reg).at(bit)->text()});
        }
    }
}

TEST_F(RegisterPanelTest, ReplyThatIsNoNumberShowsZeroAndClearsTheBits)
{
    read(panel().cmdGetIEEE.at(7), "96\r\n");
    read(panel().cmdGetIEEE.at(7), "busy\r\n");
    EXPECT_EQ(litBits(StatusRegister::STB), QStringList{});
    EXPECT_EQ(results(), (QStringList{"0", "00", "0000 0000"}));
    // Far beyond a 32-bit register: shown as 0 too.
    read(panel().cmdGetReg.at(0), "99999999999\r\n");
    EXPECT_EQ(results(), (QStringList{"0", "00 00", "0000 0000 0000 0000"}));
}

TEST_F(RegisterPanelTest, SetSendsTheEntryAsDecimalInEveryFormat)
{
    EXPECT_EQ(set(1, "FF"), "*ESE 255\n");
    EXPECT_EQ(set(1, "1a"), "*ESE 26\n");
    EXPECT_EQ(set(2, "1010 0101"), "*ESE 165\n");
    EXPECT_EQ(set(2, "102"), "*ESE 0\n");
    EXPECT_EQ(set(0, "12"), "*ESE 12\n");
    EXPECT_EQ(set(0, "12", 1), "*SRE 12\n");
    EXPECT_EQ(set(1, "zz", 1), "*SRE 0\n");
}
