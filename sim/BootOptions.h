#pragma once
// How the serial endpoint's boot loader behaves (see dalto-sim --help).

#include <QString>
#include <optional>

namespace dalto::sim {

struct BootOptions {
    bool startInBootLoader = false;
    QString imageFile;     // written when the reset packet arrives; empty: none
    QString flashVersion;  // firmware version after the restart; empty: unchanged
    std::optional<int> stopAfter; // packets acknowledged before the boot loader falls silent
};

} // namespace dalto::sim
