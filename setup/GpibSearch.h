#pragma once
// Finds the instruments on the GPIB bus: asks the bus for its listeners, then
// each listener for its identification, with the link's prompts held back.

#include <QByteArray>
#include <QString>
#include <vector>

namespace dalto {

class GpibLayer;
struct SharedState;

struct GpibListing {
    int address;
    QString identification;
};

// Leaves the device opened at DeviceAddress again; DeviceAddress and Probing
// are as they were before. A step the driver cannot do is skipped.
std::vector<GpibListing> SearchGpibBus(GpibLayer& gpib, SharedState& state);

// The reply without line ends and surrounding blanks.
QString CleanIdentification(const QByteArray& reply);

} // namespace dalto
