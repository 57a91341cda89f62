#pragma once
// The device values kept in the shared state (set points, ratings, pots), their
// saved copies used to undo an edit that was not applied, and the display formats
// chosen from the ratings.

#include "core/SharedState.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {

void SetDeviceState(SharedState& state, float voltage, float current, float overVoltage,
                    float overCurrent, int32_t period, float memory);
void SaveDeviceState(SharedState& state);
void RestoreDeviceState(SharedState& state);

// Full-scale voltage and current with the trip-level bounds derived from them.
void SetRatings(SharedState& state, float fullScaleVoltage, float fullScaleCurrent);
void RestoreRatings(SharedState& state);

void SavePotValues(SharedState& state);
void RestorePotValues(SharedState& state);

// The display format for a full-scale value; empty optional above 8000, where the
// general number form is used.
std::optional<QString> FormatForFullScale(float fullScale);

// Sets VoltFormat and CurrFormat from Ratings; false when a full scale is above 8000.
bool ChooseNumberFormats(SharedState& state);

} // namespace dalto
