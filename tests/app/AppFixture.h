#pragma once
// A whole program on the scripted device and fake clock: a settings file in a
// temporary program folder, the application with the tool panels registered,
// and helpers to start it, answer its start-up queries and find its windows.

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "app/Application.h"
#include "app/PanelWindow.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace dalto::testing {

struct AppSettings {
    QString startup = QStringLiteral("Command Panel");
    QString comm = QStringLiteral("TCP/IP");
    QString type = QStringLiteral("HBX Series");
    int port = 5025;
    // The real serial line and socket instead of the scripted device.
    bool realLink = false;
};

// Stands in for a front panel of another library: registers, loads, reports.
class FakeVirtualPanel final : public PanelWindow {
public:
    FakeVirtualPanel(Application& app, const QString& name) : PanelWindow(app, name) {}
    QString aboutTitle() const override { return QStringLiteral("Virtual Control Panel"); }
};

class AppFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    ScriptedTransport device{clock};
    // The GPIB bus the link gets; none: a simulated bus without instruments.
    std::unique_ptr<GpibDriver> gpibBus;
    std::unique_ptr<Application> app;

    // Writes the settings file and builds the application (not started).
    void makeApp(const AppSettings& settings = {});
    // The four replies of the start-up queries (scale, settings, versions, errors).
    void answerStartupQueries();
    // makeApp, answerStartupQueries, start.
    void startApp(const AppSettings& settings = {});

    PanelWindow* current() const { return app->currentPanel(); }
    template <class Panel>
    Panel& currentAs()
    {
        auto* panel = qobject_cast<Panel*>(app->currentPanel());
        EXPECT_NE(panel, nullptr);
        return *panel;
    }
    // Panel windows on screen now.
    static int visiblePanels();
    // Bytes written from the mark on (mark = device.written().size() taken earlier).
    QByteArray writtenSince(qsizetype mark) const { return device.written().mid(mark); }
    QString configFile() const { return dir.filePath(QStringLiteral("Dalto_Panel.ini")); }
};

} // namespace dalto::testing
