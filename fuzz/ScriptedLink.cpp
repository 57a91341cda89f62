#include "ScriptedLink.h"

#include "FuzzInput.h"

#include <QDir>

namespace dalto::fuzz {

ScriptedLink::Application::Application()
{
    ensureApplication();
}

ScriptedLink::ScriptedLink()
    : context(clock, prompts, Paths(QDir::tempPath(), QString(), QDir::tempPath()))
    , device(clock)
    , link(context, device.backends())
{
    // A fault must not end the fuzzing run.
    context.onEndProgram = [] {};
    context.state.BusCode = 2;
    context.state.DeviceAddress = QStringLiteral("127.0.0.1");
    context.state.DevicePort = 5025;
    if (!link.InitComm())
        fail("scripted link opens", QString());
}

} // namespace dalto::fuzz
