#pragma once
// The loader on the fake clock against the scripted boot loader, with a host that
// records everything it is told.

#include "BootLoaderDevice.h"
#include "FakeClock.h"
#include "RecordingHost.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "core/AppContext.h"
#include "firmware/FirmwareLoader.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {

class LoaderFixture : public ::testing::Test {
protected:
    LoaderFixture()
    {
        context.state.BusCode = 1;
        context.state.DevicePort = 1;
        link.InitComm();
    }

    QString writeFile(const QByteArray& text)
    {
        const QString path = folder.filePath(QStringLiteral("image.hex"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(folder.path(), folder.path() + "/Dalto_Panel.ini", folder.path())};
    ScriptedTransport line{clock};
    BootLoaderDevice bootLoader{line, clock};
    DeviceLink link{context, line.backends()};
    RecordingHost host;
    firmware::FirmwareLoader loader{link, host};
};

} // namespace dalto::testing
