// The Calibration panel on a scripted device: the two access levels and the frame
// that follows them, End Cal, the network rows, and the held Up / Down keys on
// the fake clock.

#include "AppFixture.h"
#include "app/TranscriptBox.h"
#include "panels/tools/frmCalibration.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace dalto;
using namespace dalto::testing;

namespace {

class CalibrationPanelTest : public AppFixture {
protected:
    void open(const QString& comm = QStringLiteral("TCP/IP"))
    {
        startApp({.startup = QStringLiteral("Calibration Panel"), .comm = comm});
        panel = &currentAs<frmCalibration>();
        loadLines = device.linesSince(mark);
    }
    QStringList enterCode(const QString& code)
    {
        panel->txtSCPI.at(29)->setText(code);
        panel->cmdSetSCPI.at(29)->click();
        return device.linesSince(mark);
    }
    void press(QPushButton* key, QEvent::Type type)
    {
        QMouseEvent event(type, QPointF(3, 3), key->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(key, &event);
    }
    // Holds key down until seconds have passed on the clock; the times of the
    // pot commands sent meanwhile.
    std::vector<double> hold(QPushButton* key, double seconds)
    {
        const double pressed = clock.now();
        clock.onAdvance([&](double now) {
            if (now - pressed >= seconds && app->state().ButtonHeld)
                press(key, QEvent::MouseButtonRelease);
        });
        press(key, QEvent::MouseButtonPress);
        clock.onAdvance(nullptr);
        press(key, QEvent::MouseButtonRelease); // a key that did not step is let go here
        std::vector<double> times;
        for (const WireEvent& w : device.writes())
            if (w.time >= pressed && w.bytes.startsWith("CAL:POT"))
                times.push_back(w.time);
        return times;
    }
    bool potsOpen() const
    {
        return panel->cmdSetPot.at(0)->isEnabled() && !panel->txtPot.at(4)->isReadOnly() && panel->cmdUp->isEnabled();
    }
    bool factoryOpen() const
    {
        return !panel->txtSCPI.at(19)->isHidden() && panel->cmdSetSCPI.at(31)->isEnabled();
    }
    bool networkRowsShown() const
    {
        return !panel->cmdSetSCPI.at(40)->isHidden() && !panel->txtSCPI.at(41)->isHidden();
    }

    frmCalibration* panel = nullptr;
    qsizetype mark = 0;
    QStringList loadLines;
};

} // namespace

TEST_F(CalibrationPanelTest, CodesOpenTheLevelsTheFrameFollowsAndEndCalLocksAgain)
{
    open();
    EXPECT_EQ(loadLines.back(), "<>CHG 0,-1,0");
    EXPECT_FALSE(panel->rtbTranx->transcriptText().contains("<>CHG")) << "sent without echo";
    EXPECT_EQ(panel->selectedPot(), -1);
    const int locked = panel->fraCmds->height();
    EXPECT_FALSE(potsOpen());
    EXPECT_FALSE(factoryOpen());
    EXPECT_TRUE(panel->cmdGetSCPI.at(31)->isEnabled());

    EXPECT_EQ(enterCode("7351"), QStringList{"CALibrate:PASSword 7351"});
    EXPECT_TRUE(potsOpen());
    EXPECT_FALSE(factoryOpen());
    EXPECT_EQ(panel->fraCmds->height(), locked);

    enterCode("2468");
    EXPECT_TRUE(potsOpen());
    EXPECT_TRUE(factoryOpen());
    EXPECT_TRUE(networkRowsShown());
    const int factory = panel->fraCmds->height();
    EXPECT_GT(factory, locked);

    panel->cmdSetSCPI.at(34)->click();
    EXPECT_EQ(device.linesSince(mark), QStringList{"CALibrate:STOP"});
    EXPECT_FALSE(potsOpen());
    EXPECT_FALSE(factoryOpen());
    EXPECT_FALSE(networkRowsShown());
    EXPECT_EQ(panel->fraCmds->height(), locked);

    enterCode("2468");
    enterCode("2468 ");
    EXPECT_FALSE(potsOpen()) << "a code with a blank is another code";
}

TEST_F(CalibrationPanelTest, OffTcpTheFactoryLevelLeavesTheNetworkRowsOut)
{
    open(QStringLiteral("RS-232"));
    const int locked = panel->fraCmds->height();
    enterCode("2468");
    EXPECT_TRUE(factoryOpen());
    EXPECT_FALSE(networkRowsShown());
    EXPECT_GT(panel->fraCmds->height(), locked);
}

TEST_F(CalibrationPanelTest, NetworkRowsCarryTheFactoryCodeAndKeepTheReply)
{
    open();
    enterCode("2468");
    panel->txtSCPI.at(40)->setText("SN-9");
    device.reply("SN-9\r\n");
    panel->cmdSetSCPI.at(40)->click();
    EXPECT_EQ(device.linesSince(mark), QStringList{"SYSTem:NET:SERial SN-9 2468"});
    EXPECT_TRUE(app->state().LastError.startsWith("SN-9")) << app->state().LastError.toStdString();

    device.reply("NET 1.4 Hardware Rev. D\r\n");
    panel->cmdGetSCPI.at(41)->click();
    EXPECT_EQ(panel->txtSCPI.at(41)->text(), "D");
    device.reply("NET 1.4\r\n");
    panel->cmdGetSCPI.at(41)->click();
    EXPECT_EQ(panel->txtSCPI.at(41)->text(), "D");
}

TEST_F(CalibrationPanelTest, HeldUpRepeatsTheTopValueEveryTenthUntilReleased)
{
    open();
    enterCode("7351");
    EXPECT_TRUE(hold(panel->cmdUp, 0.5).empty()) << "no pot read yet";

    device.reply("254\r\n");
    panel->cmdGetPot.at(1)->click();
    EXPECT_EQ(device.linesSince(mark), QStringList{"CALibrate:POT? 2"});
    const std::vector<double> times = hold(panel->cmdUp, 0.45);
    const QStringList lines = device.linesSince(mark);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.count("CAL:POT 2,255"), 5);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NEAR(times[i] - times[i - 1], 0.1, 0.011);
    EXPECT_FALSE(app->state().ButtonHeld);

    device.reply("1\r\n");
    panel->cmdGetPot.at(0)->click();
    device.linesSince(mark);
    hold(panel->cmdDn, 0.25);
    EXPECT_EQ(device.linesSince(mark), (QStringList{"CAL:POT 1,0", "CAL:POT 1,0", "CAL:POT 1,0"}));
}

TEST_F(CalibrationPanelTest, HeldKeyStopsStepsOnceTheProgramEnds)
{
    open();
    enterCode("7351");
    device.reply("100\r\n");
    panel->cmdGetPot.at(0)->click();
    device.linesSince(mark);
    const double pressed = clock.now();
    clock.onAdvance([&](double now) {
        if (now - pressed >= 0.25)
            app->endProgram();
        if (now - pressed >= 5 && app->state().ButtonHeld)
            press(panel->cmdUp, QEvent::MouseButtonRelease); // ends a loop that missed the end
    });
    press(panel->cmdUp, QEvent::MouseButtonPress);
    clock.onAdvance(nullptr);
    EXPECT_LT(clock.now() - pressed, 0.5);
    EXPECT_EQ(device.linesSince(mark), (QStringList{"CAL:POT 1,101", "CAL:POT 1,102", "CAL:POT 1,103"}));
}
