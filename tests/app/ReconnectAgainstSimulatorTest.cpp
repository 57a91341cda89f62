// Pulling the supply's cable under a polling front panel: dalto-sim is killed, the
// panel shows Simulated mode with the cause, and once a simulator listens on the
// same port again the panel reconnects by itself.

#include "ProgramOnSimulator.h"
#include "app/SimulatedBanner.h"
#include "app/TranscriptBox.h"
#include "link/DeviceLink.h"
#include "panels/front/frmKD.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>

using namespace dalto;
using namespace dalto::testing;

namespace {

// Lets the program run until done() or the deadline; says whether done() came true.
bool runUntil(SteadyClock& clock, double seconds, const std::function<bool()>& done)
{
    const double deadline = clock.now() + seconds;
    while (!done() && clock.now() < deadline)
        clock.pump(50);
    return done();
}

} // namespace

TEST(ReconnectAgainstSimulatorTest, KilledSupplyShowsTheBannerAndHealsByItself)
{
    ProgramOnSimulator program({}, "KD Series", "Virtual Panel");
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    Application& app = program.app();
    auto* panel = qobject_cast<front::frmKD*>(app.currentPanel());
    ASSERT_NE(panel, nullptr);
    auto* banner = panel->findChild<SimulatedBanner*>();
    ASSERT_NE(banner, nullptr);
    QAction* simulate = panel->findChild<QAction*>("mnuSimulate");
    ASSERT_NE(simulate, nullptr);
    EXPECT_FALSE(banner->isVisibleTo(panel));
    EXPECT_FALSE(simulate->isChecked());
    const quint16 port = program.sim().port();

    program.sim().stop(SIGKILL);
    ASSERT_TRUE(runUntil(program.clock(), 20, [&] { return app.link().health().simulated; }))
        << "the panel never noticed the lost supply";
    EXPECT_FALSE(app.link().health().chosen);
    const QString expected = QStringLiteral("Simulated mode: no supply is connected (the supply at 127.0.0.1:%1 "
                                            "closed the connection)")
                                 .arg(port);
    EXPECT_EQ(banner->text(), expected);
    EXPECT_EQ(banner->accessibleName(), expected);
    EXPECT_TRUE(banner->isVisibleTo(panel));
    EXPECT_TRUE(simulate->isChecked());
    auto* sim = panel->txtVolt->findChild<QLabel*>("txtVoltSim");
    ASSERT_NE(sim, nullptr);
    EXPECT_TRUE(sim->isVisibleTo(panel)) << "the read-out is marked as not measured";

    SimProcess again({"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "--load-ohms", "10"});
    ASSERT_TRUE(again.isReady()) << again.errorText().toStdString();
    EXPECT_TRUE(runUntil(program.clock(), 10, [&] { return !app.link().health().simulated; }))
        << banner->text().toStdString();
    EXPECT_EQ(app.state().BusCode, 2);
    EXPECT_FALSE(banner->isVisibleTo(panel));
    EXPECT_FALSE(simulate->isChecked());
    EXPECT_FALSE(sim->isVisibleTo(panel));
    EXPECT_TRUE(panel->rtbTranx->transcriptText().contains("Reconnected: the supply answers again"));
    // Polling reads the supply again: a set point it takes shows in the read-out.
    app.link().WriteDevice(QStringLiteral("CURR 1"), false);
    app.link().WriteDevice(QStringLiteral("VOLT 3.5"), false);
    app.link().WriteDevice(QStringLiteral("OUTP:START"), false);
    EXPECT_TRUE(runUntil(program.clock(), 10, [&] { return panel->txtVolt->text().toDouble() > 3.0; }))
        << panel->txtVolt->text().toStdString();
}
