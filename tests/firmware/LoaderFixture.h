#pragma once
// The loader on the fake clock against the scripted boot loader, with a host that
// records everything it is told.

#include "BootLoaderDevice.h"
#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "core/AppContext.h"
#include "firmware/FirmwareLoader.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace dalto::testing {

struct RecordingHost final : firmware::LoaderHost {
    void showStatus(firmware::LoaderStatus status) override { statuses.push_back(status); }
    void showAddress(const QString& address) override { addresses.push_back(address); }
    void showProgressRange(int maximum) override { range = maximum; }
    void showProgress(int value) override
    {
        progress.push_back(value);
        if (onProgress)
            onProgress(value);
    }
    void tell(const firmware::LoaderMessage& message) override { messages.push_back(message); }
    void reportError(const firmware::LoaderError& error) override { errors.push_back(error); }
    void transferEnded() override { ++ended; }

    std::vector<firmware::LoaderStatus> statuses;
    std::vector<QString> addresses;
    int range = -1;
    std::vector<int> progress;
    std::vector<firmware::LoaderMessage> messages;
    std::vector<firmware::LoaderError> errors;
    int ended = 0;
    std::function<void(int)> onProgress;
};

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
