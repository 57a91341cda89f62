#include "DeviceSettings.h"

namespace dalto {

void SetDeviceState(SharedState& state, float voltage, float current, float overVoltage,
                    float overCurrent, int32_t period, float memory)
{
    state.DeviceState = {voltage, current, overVoltage, overCurrent, static_cast<float>(period), memory};
    SaveDeviceState(state);
}

void SaveDeviceState(SharedState& state)
{
    state.DeviceStateSaved = state.DeviceState;
}

void RestoreDeviceState(SharedState& state)
{
    state.DeviceState = state.DeviceStateSaved;
}

void SetRatings(SharedState& state, float fullScaleVoltage, float fullScaleCurrent)
{
    // The factors are single precision on purpose: the trip-level bounds must be the
    // same numbers the panels compare their entries with.
    auto& r = state.Ratings;
    r[0] = fullScaleVoltage;
    r[2] = fullScaleVoltage * 1.1f;
    r[3] = fullScaleVoltage * 0.1f;
    r[4] = fullScaleCurrent;
    r[6] = fullScaleCurrent * 1.1f;
    r[7] = fullScaleCurrent * 0.1f;
    state.RatingsSaved = state.Ratings;
}

void RestoreRatings(SharedState& state)
{
    state.Ratings = state.RatingsSaved;
}

void SavePotValues(SharedState& state)
{
    state.PotValuesSaved = state.PotValues;
}

void RestorePotValues(SharedState& state)
{
    state.PotValues = state.PotValuesSaved;
}

std::optional<QString> FormatForFullScale(float fullScale)
{
    if (fullScale < 8)
        return QStringLiteral("0.000");
    if (fullScale < 80)
        return QStringLiteral("0.00");
    if (fullScale < 800)
        return QStringLiteral("0.0");
    if (fullScale <= 8000)
        return QStringLiteral("0.");
    return std::nullopt;
}

bool ChooseNumberFormats(SharedState& state)
{
    const auto volt = FormatForFullScale(state.Ratings[0]);
    const auto curr = FormatForFullScale(state.Ratings[4]);
    state.VoltFormat = volt.value_or(QString());
    state.CurrFormat = curr.value_or(QString());
    return volt && curr;
}

} // namespace dalto
