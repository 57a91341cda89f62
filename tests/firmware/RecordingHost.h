#pragma once
// A loader host that records everything it is told.

#include "firmware/LoaderHost.h"

#include <functional>
#include <vector>

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

} // namespace dalto::testing
