#pragma once
// Turning one "<>STA" reply into what the panel shows. A reply with fewer than
// four fields comes from no supply at all (Simulated mode answers "9.999"); the
// panel then stands in for the supply with its knobs and the simulated words.

#include "StatusBits.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto::front {

// What stands in for the supply when it does not answer in full.
struct SimulatedSupply {
    int16_t runState = runstate::Standby;
    float voltageKnob = 0;
    float currentKnob = 0;
    int32_t simStatus = 0;
    int32_t simAlarms = 0;
    int32_t simExtra = 0; // stands in for field 4 (the HBX memory number)
};

struct StatusReading {
    double voltage = 0; // volts
    double current = 0; // amperes
    int32_t statusWord = 0;
    int32_t faultWord = 0;
    double field4 = 0;    // 0 when the reply has no fifth field
    StatusBits statusBits{};
    StatusBits faultBits{};
};

// Empty when a field does not fit in 32 bits (the conversion overflows).
std::optional<StatusReading> ReadStatusReply(const QString& reply, const SimulatedSupply& stand);

// The description a failed conversion carries in the debug-mode error box.
inline const QString OverflowDescription = QStringLiteral("Overflow");

} // namespace dalto::front
