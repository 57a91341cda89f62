#pragma once
// The states the loader shows, with their texts and the colour each is shown on.

#include <QString>

namespace dalto::firmware {

enum class LoaderStatus {
    Blank,          // Start pressed, before the file is read
    InvalidFile,
    Initiating,
    Erasing,
    Loading,
    TimedOut,
    Error,          // a refused record type
    Stopped,
    Finished,       // done and the device answered afterwards
    FinishedSilent, // done but the device did not answer afterwards
};

enum class StatusColour { Window, Red, Green, Yellow };

struct StatusLook {
    QString text;
    StatusColour colour;
};

StatusLook statusLook(LoaderStatus status);

} // namespace dalto::firmware
