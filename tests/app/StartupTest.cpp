// The start-up sequence of frmComm: settings, command lists, link, device
// queries, then exactly one panel, and the panel chosen by the settings.

#include "AppFixture.h"
#include "app/TranscriptBox.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/frmComm.h"
#include "core/ProfileFile.h"
#include "link/gpib/SimulatedGpibBus.h"
#include "panels/tools/ToolPanel.h"

#include <QFile>

using namespace dalto;
using namespace dalto::testing;

namespace {

class StartupTest : public AppFixture {};


} // namespace

TEST_F(StartupTest, ConnectsQueriesTheDeviceThenShowsOnePanel)
{
    QFile oldLog(dir.filePath("debug.txt"));
    ASSERT_TRUE(oldLog.open(QIODevice::WriteOnly));
    oldLog.write("an earlier run\n");
    oldLog.close();

    startApp();

    ASSERT_FALSE(device.events().empty());
    const WireEvent& first = device.events().front();
    EXPECT_EQ(first.kind, WireEvent::Kind::Connect);
    EXPECT_EQ(first.host, "127.0.0.1");
    EXPECT_EQ(first.port, 5025);
    EXPECT_EQ(device.written(), "<>SCL\n<>ALL\nSYST:VERS?\nSYST:ERR?\n");
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();

    const SharedState& state = app->state();
    EXPECT_EQ(state.BusCode, 2);
    EXPECT_EQ(state.GpibEosText, "10");
    EXPECT_EQ(state.ScpiCommands.size(), 44);
    EXPECT_EQ(state.LastError, "0,\"No error\"\r\n");
    EXPECT_EQ(app->comm().rtbTranx->transcriptText(), "TCP/IP - Initialized\r\n");
    EXPECT_FALSE(app->comm().isVisible());
    EXPECT_TRUE(app->comm().tcpTimer->isActive());
    EXPECT_EQ(app->comm().tcpTimer->interval(), 2000);

    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->windowName(), window::frmCommand);
    EXPECT_EQ(visiblePanels(), 1);
    EXPECT_EQ(state.Transcript, static_cast<TranscriptTarget*>(currentAs<ToolPanel>().rtbTranx));
    ASSERT_TRUE(oldLog.open(QIODevice::ReadOnly));
    EXPECT_EQ(oldLog.size(), 0);
}

TEST_F(StartupTest, SilentDeviceFallsBackToSimulatedAndStillShowsThePanel)
{
    makeApp();
    app->start();
    EXPECT_EQ(app->state().BusCode, 5);
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Device Timed Out.  Entering Simulated Mode!"});
    EXPECT_EQ(visiblePanels(), 1);
}

// A GPIB bus that keeps a record of every transfer.
class RecordingGpibBus final : public SimulatedGpibBus {
public:
    explicit RecordingGpibBus(QStringList& transfers) : transfers_(transfers) {}
    int ibwrt(int ud, const char* data, long count) override
    {
        transfers_ << QStringLiteral("write ") + QString::fromLatin1(data, count).trimmed();
        return SimulatedGpibBus::ibwrt(ud, data, count);
    }
    int ibrd(int ud, char* buffer, long count) override
    {
        transfers_ << QStringLiteral("read");
        return SimulatedGpibBus::ibrd(ud, buffer, count);
    }

private:
    QStringList& transfers_;
};

TEST_F(StartupTest, NoOnTheGpibTimeoutPromptEndsTheProgramBeforeAnythingElseHappens)
{
    QStringList transfers;
    gpibBus = std::make_unique<RecordingGpibBus>(transfers);
    makeApp({.comm = QStringLiteral("GPIB (IEEE-488)")});
    ASSERT_TRUE(ProfileFile(configFile()).writeString("Communication", "Address", "9"));
    QFile log(dir.filePath("debug.txt"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("an earlier run\n");
    log.close();
    prompts.answers = {PromptAnswer::No};

    app->start();

    EXPECT_TRUE(app->ended());
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Device Timeout on Address: 9 Continue?"});
    ASSERT_FALSE(transfers.isEmpty());
    EXPECT_EQ(transfers.last(), "write <>SCL") << transfers.join(", ").toStdString();
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(visiblePanels(), 0);
    // The record is emptied before the link opens, so it holds this run alone.
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), "");
}

TEST_F(StartupTest, StartupPanelSettingChoosesTheWindow)
{
    const struct {
        const char* startup;
        const char* type;
        bool virtualPanelsRegistered;
        const QString& expected;
    } cases[] = {
        {"Register Panel", "HBX Series", false, window::frmRegisters},
        {"command panel", "HBX Series", false, window::frmCommand},
        {"Calibration Panel", "HBX Series", false, window::frmCalibration},
        // Panels this build lacks open the Command panel instead of nothing.
        {"Virtual Panel", "KD Series", false, window::frmCommand},
        {"Virtual Panel", "KD Series", true, window::frmKD},
        {"Virtual Panel", "HB Series Rack", true, window::frmHB},
        {"Virtual Panel", "MW Series", true, window::frmMW},
        {"Virtual Panel", "no such type", true, window::frmHBX},
        {"no such panel", "MW Series", true, window::frmMW},
        {"no such panel", "MW Series", false, window::frmCommand},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.startup) + " / " + c.type);
        app.reset();
        makeApp({QString::fromLatin1(c.startup), QStringLiteral("Simulated"), QString::fromLatin1(c.type)});
        if (c.virtualPanelsRegistered) {
            for (const QString& name : {window::frmKD, window::frmMW, window::frmHB, window::frmHBX})
                app->windows().registerPanel(name, [name](Application& a) { return new FakeVirtualPanel(a, name); });
        }
        app->start();
        ASSERT_NE(current(), nullptr);
        EXPECT_EQ(current()->windowName(), c.expected);
        EXPECT_TRUE(current()->isVisible());
    }
}
