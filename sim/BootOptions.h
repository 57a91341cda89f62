#pragma once
// How the serial endpoint's boot loader behaves (see dalto-sim --help).

#include <QString>
#include <map>
#include <optional>
#include <set>

namespace dalto::sim {

struct BootOptions {
    bool startInBootLoader = false;
    QString imageFile;     // written when the reset packet arrives; empty: none
    QString flashVersion;  // firmware version after the restart; empty: unchanged
    std::optional<int> stopAfter; // packets acknowledged before the boot loader falls silent
    // Faults of a slow or noisy line. Packets are counted from 1 as they arrive,
    // repeats included.
    std::map<int, int> lateReplies;           // packet number -> ms its reply leaves late
    std::set<int> refusedPackets;             // refused without being carried out
    std::optional<int> secondProbeAnswerMs;   // the first probe answered again this much later
};

} // namespace dalto::sim
