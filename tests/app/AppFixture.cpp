#include "AppFixture.h"

#include "SimulatorSettings.h"
#include "link/LinkBackends.h"
#include "panels/tools/ToolPanels.h"

#include <QApplication>

namespace dalto::testing {

void AppFixture::makeApp(const AppSettings& settings)
{
    ASSERT_EQ(WriteSimulatorSettings(dir.path(), QStringLiteral("127.0.0.1"), settings.port, settings.type,
                                     settings.startup, settings.comm),
              configFile());
    app = std::make_unique<Application>(clock, prompts, Paths(dir.path(), configFile(), dir.path()),
                                        [this, realLink = settings.realLink](AppContext& context) {
                                            return realLink ? realLinkBackends(context)
                                                            : device.backends(std::move(gpibBus));
                                        });
    registerToolPanels(*app);
}

void AppFixture::answerStartupQueries()
{
    device.reply("3A98,186A0\r\n");
    device.reply("0,0,4074,1ADB0,0,0,3E8\r\n");
    device.reply("Control firmware 2.0 Interface firmware 1.5\r\n");
    device.reply("0,\"No error\"\r\n");
}

void AppFixture::startApp(const AppSettings& settings)
{
    makeApp(settings);
    answerStartupQueries();
    app->start();
}

int AppFixture::visiblePanels()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<PanelWindow*>(widget) && widget->isVisible() ? 1 : 0;
    return count;
}

} // namespace dalto::testing
