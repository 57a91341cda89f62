#pragma once
// Tries the link on other settings without losing the current one: the bus,
// address and port in the shared state are swapped for the ones to test while
// the probe lives, the link's own messages are held back (Probing), and the
// destructor puts the old settings back and reopens the link on them, however
// the test ended.

#include <QString>
#include <cstdint>

namespace dalto {

class DeviceLink;

enum class ProbeOutcome {
    Answered,   // the device replied to the status request
    OpenFailed, // the bus could not be opened
    NoAnswer,   // opened, but the link fell back to Simulated mode
};

class LinkProbe {
public:
    LinkProbe(DeviceLink& link, int16_t bus, const QString& address, int32_t port);
    ~LinkProbe();
    LinkProbe(const LinkProbe&) = delete;
    LinkProbe& operator=(const LinkProbe&) = delete;

    // Opens the link on the probed settings and asks the device for its status.
    // After Answered, Probing is off again, so what follows talks to the device
    // with the link's normal messages.
    ProbeOutcome test();

private:
    DeviceLink& link_;
    int16_t savedBus_;
    QString savedAddress_;
    int32_t savedPort_;
};

} // namespace dalto
