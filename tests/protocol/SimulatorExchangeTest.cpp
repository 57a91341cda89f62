// The status exchanges against the real simulator over TCP: what the program
// decodes must match what the simulator was told to be.
#include "protocol/StatusProtocol.h"

#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

TEST(SimulatorExchange, QueryDeviceInfoDecodesTheSimulatorsRatingsAndSettings)
{
    SimProcess sim({"--rated-voltage", "60", "--rated-current", "25", "--firmware", "2.3", "--interface", "1.7"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();

    QTemporaryDir dir;
    SteadyClock clock;
    ScriptedPrompts prompts;
    AppContext context(clock, prompts, Paths(dir.path(), dir.filePath("Dalto_Panel.ini"), dir.path()));
    context.state.BusCode = 2;
    context.state.DeviceAddress = sim.host();
    context.state.DevicePort = sim.port();
    DeviceLink link(context, realLinkBackends(context));
    ASSERT_TRUE(link.InitComm());

    link.WriteDevice(QString("VOLT 12.5"), false);
    link.WriteDevice(QString("CURR 3.25"), false);
    QueryDeviceInfo(link);

    const SharedState& s = context.state;
    EXPECT_EQ(s.BusCode, 2) << prompts.messageTexts().join("|").toStdString();
    EXPECT_EQ(s.Ratings[0], 60.0f);
    EXPECT_EQ(s.Ratings[4], 25.0f);
    EXPECT_EQ(s.VoltFormat, "0.00");
    EXPECT_EQ(s.CurrFormat, "0.00");
    EXPECT_FLOAT_EQ(s.DeviceState[0], 12.5f);
    EXPECT_FLOAT_EQ(s.DeviceState[1], 3.25f);
    EXPECT_EQ(s.FirmwareVersion, "2.3");
    EXPECT_EQ(s.InterfaceVersion, "1.7");
    EXPECT_TRUE(s.LastError.startsWith("0,")) << s.LastError.toStdString();

    ReadPots(link);
    EXPECT_EQ(s.PotValuesSaved, s.PotValues);
    EXPECT_TRUE(prompts.messages.empty());
}
