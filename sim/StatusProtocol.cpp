#include "sim/StatusProtocol.h"

#include "sim/ScpiArguments.h"

#include <QStringList>
#include <cmath>

namespace dalto::sim {

namespace {

QString hexField(uint32_t value)
{
    return QString::number(value, 16).toUpper();
}

QString stateReply(const Device& d)
{
    const SupplyModel& s = d.supply;
    return QStringList {thousandthsField(s.measuredVoltage()), thousandthsField(s.measuredCurrent()),
                        hexField(s.statusWord()), hexField(s.faultWord()),
                        hexField(static_cast<uint32_t>(s.memoryNumber()))}
        .join(u',');
}

QString settingsReply(const Device& d)
{
    const SupplySettings& s = d.supply.settings();
    return QStringList {thousandthsField(s.voltage), thousandthsField(s.current), thousandthsField(s.voltageTrip),
                        thousandthsField(s.currentTrip), thousandthsField(s.period),
                        hexField(static_cast<uint32_t>(d.supply.memoryNumber())),
                        thousandthsField(d.calibration.firmwareVersion().toDouble())}
        .join(u',');
}

QString scaleReply(const Device& d)
{
    return thousandthsField(d.calibration.ratedVoltage()) + u',' + thousandthsField(d.calibration.ratedCurrent());
}

QString potReply(const Device& d)
{
    QStringList fields;
    for (int value : d.calibration.pots())
        fields << hexField(static_cast<uint32_t>(value));
    return fields.join(u',');
}

} // namespace

QString thousandthsField(double value)
{
    return hexField(static_cast<uint32_t>(std::llround(value * 1000.0)));
}

bool isStatusProtocolLine(const QString& line)
{
    return line.startsWith(QStringLiteral("<>"));
}

StatusProtocolResult handleStatusProtocol(Device& device, const QString& line)
{
    const QString body = line.mid(2).trimmed();
    const qsizetype blank = body.indexOf(u' ');
    const QString word = (blank < 0 ? body : body.left(blank)).toUpper();
    const QString argument = blank < 0 ? QString() : body.mid(blank + 1).trimmed();

    if (word == u"STA")
        return {scpi_error::None, stateReply(device)};
    if (word == u"ALL")
        return {scpi_error::None, settingsReply(device)};
    if (word == u"SCL")
        return {scpi_error::None, scaleReply(device)};
    if (word == u"POT")
        return {scpi_error::None, potReply(device)};
    if (word == u"RST")
        return {scpi_error::None, std::nullopt, true};
    if (word == u"CLR") {
        const auto stage = scpi::toInteger(argument);
        // "<>CLR 0": the program's panel has closed (or its CLEAR key was let go);
        // the supply returns to local. "<>CLR 1" only announces a long press;
        // "<>CLR 2", the key held on for ten seconds, wipes the stored settings.
        if (stage == 0)
            device.supply.setRemote(false);
        else if (stage == 2)
            device.supply.clearMemories();
        return {};
    }
    if (word == u"CHG" || word == u"IGN" || word == u"TYP" || word == u"PRO")
        return {};
    return {scpi_error::UndefinedHeader, std::nullopt, false};
}

} // namespace dalto::sim
