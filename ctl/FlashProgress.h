#pragma once
// What the firmware loader reports, on a console: each status on its own line,
// the progress as a bar redrawn in place on a terminal, or as a plain line every
// tenth of the way when the output goes to a file or a pipe.

#include "firmware/LoaderHost.h"

#include <cstdio>
#include <optional>

namespace dalto::ctl {

class FlashProgress final : public firmware::LoaderHost {
public:
    // terminal: draw a bar (when out is a terminal) rather than plain lines.
    FlashProgress(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

    void showStatus(firmware::LoaderStatus status) override;
    void showAddress(const QString&) override {}
    void showProgressRange(int maximum) override;
    void showProgress(int value) override;
    void tell(const firmware::LoaderMessage& message) override;
    void reportError(const firmware::LoaderError& error) override;
    void transferEnded() override;

    // The status the transfer ended with; nothing when it ended on an error.
    std::optional<firmware::LoaderStatus> ending() const { return ending_; }

private:
    void endBar();

    std::FILE* out_;
    bool terminal_;
    QString phase_;
    int maximum_ = 0;
    int shownPercent_ = -1;
    bool barOpen_ = false;
    std::optional<firmware::LoaderStatus> ending_;
};

} // namespace dalto::ctl
