#include "StatusReply.h"

#include "protocol/ReplyFields.h"

#include <vector>

namespace dalto::front {

std::optional<StatusReading> ReadStatusReply(const QString& reply, const SimulatedSupply& stand)
{
    auto decoded = DecodeHexFields(reply);
    if (!decoded)
        return std::nullopt;
    std::vector<double> fields = std::move(*decoded);
    if (fields.size() < 4) {
        const bool outputOn = stand.runState >= runstate::OutputOn;
        fields = {outputOn ? double(stand.voltageKnob) * 1000 : 0.0,
                  outputOn ? double(stand.currentKnob) * 1000 : 0.0,
                  double(stand.simStatus), double(stand.simAlarms), double(stand.simExtra)};
    }
    StatusReading reading;
    reading.voltage = fields[0] / 1000;
    reading.current = fields[1] / 1000;
    reading.statusWord = int32_t(fields[2]);
    reading.faultWord = int32_t(fields[3]);
    reading.field4 = fields.size() > 4 ? fields[4] : 0.0;
    reading.statusBits = DecodeBits(reading.statusWord);
    reading.faultBits = DecodeBits(reading.faultWord);
    return reading;
}

} // namespace dalto::front
