#include "StatusProtocol.h"

#include "DeviceSettings.h"
#include "ReplyFields.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"

#include <QStringList>

namespace dalto {

namespace {

// Sends command without echo and returns the decoded fields of its reply.
std::optional<std::vector<double>> exchangeFields(DeviceLink& link, const QString& command)
{
    QString reply;
    link.WriteDevice(command, false);
    link.ReadDevice(reply, status::ReplyTimeout, false);
    return DecodeHexFields(reply);
}

QString exchangeText(DeviceLink& link, const QString& command)
{
    QString reply;
    link.WriteDevice(command, false);
    link.ReadDevice(reply, status::ReplyTimeout, false);
    return reply;
}

// Firmware and interface versions from "SYST:VERS?" (third and sixth word), or
// from the firmware field of "<>ALL" when the reply is too short. False when a
// needed word or field is missing.
bool readVersions(DeviceLink& link, const std::vector<double>& fields)
{
    SharedState& state = link.context().state;
    const QStringList words = exchangeText(link, status::Versions).split(QLatin1Char(' '));
    if (words.size() < 3) {
        if (fields.size() < 7)
            return false;
        state.FirmwareVersion = legacy::format(fields[6] / 1000, QStringLiteral("0.00"));
        state.InterfaceVersion = QStringLiteral("1.0");
        return true;
    }
    state.FirmwareVersion = legacy::format(legacy::leadingNumber(words[2]), QStringLiteral("0.0"));
    if (words.size() < 6)
        return false;
    state.InterfaceVersion = legacy::format(legacy::leadingNumber(words[5]), QStringLiteral("0.0"));
    return true;
}

} // namespace

void QueryDeviceInfo(DeviceLink& link)
{
    link.FlushInput();
    ReadScale(link);
    ReadAllState(link);
    link.context().state.LastError = exchangeText(link, status::ErrorQuery);
}

void ReadAllState(DeviceLink& link)
{
    SharedState& state = link.context().state;
    auto fields = exchangeFields(link, status::All);
    if (!fields)
        return;
    if (fields->size() < 4) {
        fields = std::vector<double>{0, 0, 16500, 110000, 0, 0, 9.99};
        state.FirmwareVersion = QStringLiteral("1.0");
        state.InterfaceVersion = QStringLiteral("1.0");
    } else if (!readVersions(link, *fields)) {
        return;
    }
    const auto& f = *fields;
    if (f.size() < 6)
        return;
    const auto period = legacy::toLong(f[4] / 1000);
    if (!period)
        return;
    SetDeviceState(state, f[0] / 1000, f[1] / 1000, f[2] / 1000, f[3] / 1000, *period, f[5]);
}

void ReadScale(DeviceLink& link)
{
    SharedState& state = link.context().state;
    auto fields = exchangeFields(link, status::Scale);
    if (!fields)
        return;
    if (fields->size() < 2)
        fields = std::vector<double>{15000, 100000};
    SetRatings(state, (*fields)[0] / 1000, (*fields)[1] / 1000);
    ChooseNumberFormats(state);
}

void ReadPots(DeviceLink& link)
{
    SharedState& state = link.context().state;
    auto fields = exchangeFields(link, status::Pots);
    if (!fields)
        return;
    if (fields->size() < 4)
        fields = std::vector<double>(5, 128);
    // Stored one by one: a reply that stops short keeps the pots it did carry but
    // leaves the saved copy alone.
    for (std::size_t i = 0; i < state.PotValues.size(); ++i) {
        if (i >= fields->size())
            return;
        const auto pot = legacy::toInteger((*fields)[i]);
        if (!pot)
            return;
        state.PotValues[i] = *pot;
    }
    SavePotValues(state);
}

} // namespace dalto
