#pragma once
// A device link on the fake clock over a scripted device, with scripted prompts,
// an in-memory transcript and a temporary working folder for "debug.txt".

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "core/AppContext.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {

class LinkFixture : public ::testing::Test {
protected:
    LinkFixture() { context.state.Transcript = &transcript; }

    // Makes the link for bus with the given address and port and initialises it.
    bool start(int16_t bus, const QString& address = QStringLiteral("7"), int32_t port = 3,
               std::unique_ptr<GpibDriver> gpib = nullptr)
    {
        context.state.BusCode = bus;
        context.state.DeviceAddress = address;
        context.state.DevicePort = port;
        link = std::make_unique<DeviceLink>(context, device.backends(std::move(gpib)));
        return link->InitComm();
    }

    QString debugLog() const
    {
        QFile file(context.paths.debugLogFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

    QTemporaryDir folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(folder.path(), folder.path() + "/Dalto_Panel.ini", folder.path())};
    MemoryTranscript transcript;
    ScriptedTransport device{clock};
    std::unique_ptr<DeviceLink> link;
};

inline const QString TimedOutText = QStringLiteral("Device Timed Out.  Entering Simulated Mode!");
inline const QString NotFoundText = QStringLiteral("Device not Found.  Entering Simulated Mode!");
inline const QString NoPortText = QStringLiteral("No comm Port selected!");

} // namespace dalto::testing
