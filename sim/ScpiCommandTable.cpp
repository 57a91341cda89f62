#include "sim/ScpiCommandTable.h"

#include "sim/ScpiArguments.h"

#include <QRegularExpression>

namespace dalto::sim {

namespace {

using scpi::formatPlain;
using scpi::formatValue;

CommandResult reply(const QString& text) { return {scpi_error::None, text}; }
CommandResult reply(int number) { return reply(QString::number(number)); }
// No reply; error 0 when the command was taken.
CommandResult status(int error) { return {error, std::nullopt}; }
CommandResult done() { return {}; }

// Builders for the many settings that are one number, one whole number or one
// switch with a matching query.
using NumberGetter = double (*)(const Device&);
using NumberSetter = int (*)(Device&, double);
using IntegerGetter = int (*)(const Device&);
using IntegerSetter = int (*)(Device&, int);
using SwitchGetter = bool (*)(const Device&);
using SwitchSetter = void (*)(Device&, bool);

CommandHandler numberQuery(NumberGetter get, QString (*format)(double) = formatValue)
{
    return [get, format](Device& d, const QString&) { return reply(format(get(d))); };
}

CommandHandler numberSetting(NumberSetter set)
{
    return [set](Device& d, const QString& args) {
        if (args.isEmpty())
            return status(scpi_error::MissingParameter);
        const auto value = scpi::toNumber(args);
        return value ? status(set(d, *value)) : status(scpi_error::IllegalParameterValue);
    };
}

CommandHandler integerQuery(IntegerGetter get)
{
    return [get](Device& d, const QString&) { return reply(get(d)); };
}

CommandHandler integerSetting(IntegerSetter set)
{
    return [set](Device& d, const QString& args) {
        if (args.isEmpty())
            return status(scpi_error::MissingParameter);
        const auto value = scpi::toInteger(args);
        return value ? status(set(d, *value)) : status(scpi_error::IllegalParameterValue);
    };
}

CommandHandler switchQuery(SwitchGetter get)
{
    return [get](Device& d, const QString&) { return reply(get(d) ? 1 : 0); };
}

CommandHandler switchSetting(SwitchSetter set)
{
    return [set](Device& d, const QString& args) {
        if (args.isEmpty())
            return status(scpi_error::MissingParameter);
        const auto on = scpi::toBoolean(args);
        if (!on)
            return status(scpi_error::IllegalParameterValue);
        set(d, *on);
        return done();
    };
}

CommandHandler action(void (*run)(Device&))
{
    return [run](Device& d, const QString& args) {
        if (!args.isEmpty())
            return status(scpi_error::ParameterNotAllowed);
        run(d);
        return done();
    };
}

CommandHandler checkedAction(int (*run)(Device&))
{
    return [run](Device& d, const QString& args) {
        if (!args.isEmpty())
            return status(scpi_error::ParameterNotAllowed);
        return status(run(d));
    };
}

CommandHandler textQuery(QString (*get)(const Device&))
{
    return [get](Device& d, const QString&) { return reply(get(d)); };
}

bool statusFlag(const Device& d, uint32_t bit) { return (d.supply.statusWord() & bit) != 0; }

// Network settings answer their setting with the value now in force, so that
// a client reading a reply after each setting stays in step.
CommandHandler networkSetting(int (*set)(InterfaceSettings&, const QString&),
                              QString (*get)(const InterfaceSettings&))
{
    return [set, get](Device& d, const QString& args) {
        const int error = args.isEmpty() ? scpi_error::MissingParameter
                                         : set(d.interfaces, scpi::toText(args));
        return CommandResult {error, get(d.interfaces)};
    };
}

// Factory data of the network module may also be written with the factory code
// appended to the value ("SN-0002 2468"); the reply is the value now in force.
CommandHandler factoryNetworkSetting(void (*set)(InterfaceSettings&, const QString&),
                                     QString (*get)(const InterfaceSettings&))
{
    return [set, get](Device& d, const QString& args) {
        QString value = args.trimmed();
        bool authorised = d.calibration.access() == Calibration::Access::Factory;
        const QString suffix = u' ' + Calibration::FactoryCode;
        if (value.endsWith(suffix)) {
            authorised = true;
            value.chop(suffix.size());
        }
        value = scpi::toText(value);
        int error = scpi_error::None;
        if (!authorised)
            error = scpi_error::CommandProtected;
        else if (value.isEmpty())
            error = scpi_error::MissingParameter;
        else
            set(d.interfaces, value);
        return CommandResult {error, get(d.interfaces)};
    };
}

CommandResult potQuery(Device& d, const QString& args)
{
    const auto number = scpi::toInteger(args);
    const auto value = number ? d.calibration.pot(*number) : std::nullopt;
    if (!value)
        return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::DataOutOfRange);
    return reply(*value);
}

CommandResult potSetting(Device& d, const QString& args)
{
    const QStringList parts = scpi::splitParameters(args);
    if (parts.size() != 2)
        return status(scpi_error::MissingParameter);
    const auto number = scpi::toInteger(parts[0]);
    const auto value = scpi::toInteger(parts[1]);
    if (!number || !value)
        return status(scpi_error::IllegalParameterValue);
    return status(d.calibration.setPot(*number, *value));
}

CommandResult passwordSetting(Device& d, const QString& args)
{
    if (args.isEmpty())
        return status(scpi_error::MissingParameter);
    return status(d.calibration.enterPassword(scpi::toText(args)) ? scpi_error::None
                                                                   : scpi_error::IllegalParameterValue);
}

CommandResult modulationSelectSetting(Device& d, const QString& args)
{
    const QStringList parts = scpi::splitParameters(args);
    if (parts.size() != 2)
        return status(scpi_error::MissingParameter);
    const auto input = scpi::toInteger(parts[0]);
    const auto type = scpi::toInteger(parts[1]);
    if (!input || !type)
        return status(scpi_error::IllegalParameterValue);
    return status(d.modulation.select(*input, *type));
}

QString modulationRowText(const Device& d, int row)
{
    const ModulationRow& r = d.modulation.row(row);
    return QStringLiteral("%1(%2,%3)").arg(row).arg(formatPlain(r.vmod), formatPlain(r.value));
}

CommandResult modulationRowQuery(Device& d, const QString& args)
{
    if (!d.modulation.tableSelected())
        return reply(QStringLiteral("No table selected"));
    const auto row = scpi::toInteger(args);
    if (!row || !ModulationTable::validRow(*row))
        return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::DataOutOfRange);
    return reply(modulationRowText(d, *row));
}

// "3(1.5,0.9)": row, then the VMOD value and the factor or offset in parentheses.
CommandResult modulationRowSetting(Device& d, const QString& args)
{
    static const QRegularExpression form(QStringLiteral("^(\\S+?)\\s*\\(([^,()]*),([^,()]*)\\)$"));
    const auto match = form.match(args.trimmed());
    if (!match.hasMatch())
        return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::SyntaxError);
    const auto row = scpi::toInteger(match.captured(1));
    const auto vmod = scpi::toNumber(match.captured(2));
    const auto value = scpi::toNumber(match.captured(3));
    if (!row || !vmod || !value)
        return status(scpi_error::IllegalParameterValue);
    return status(d.modulation.setRow(*row, {*vmod, *value}));
}

CommandResult memorySetting(Device& d, const QString& args, int (SupplyModel::*operation)(int))
{
    if (args.isEmpty())
        return status(scpi_error::MissingParameter);
    const auto memory = scpi::toInteger(args);
    return memory ? status((d.supply.*operation)(*memory)) : status(scpi_error::IllegalParameterValue);
}

CommandResult faultInjection(Device& d, const QString& args)
{
    const auto faults = scpi::toInteger(args);
    if (!faults || *faults < 0)
        return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::IllegalParameterValue);
    d.supply.injectFaults(static_cast<uint32_t>(*faults));
    return done();
}

std::vector<ScpiCommand> buildTable()
{
    std::vector<ScpiCommand> t;
    auto add = [&t](const char* pattern, CommandHandler query, CommandHandler setting) {
        t.push_back({ScpiHeaderPattern(QString::fromLatin1(pattern)), std::move(query), std::move(setting)});
    };

    // IEEE-488.2 common commands.
    add("*IDN", [](Device& d, const QString&) { return reply(d.identity()); }, {});
    add("*RST", {}, action([](Device& d) { d.reset(); }));
    add("*CLS", {}, action([](Device& d) { d.events.clear(); }));
    add("*ESE", integerQuery([](const Device& d) { return d.events.eventEnable(); }),
        integerSetting([](Device& d, int v) { return d.events.setEventEnable(v); }));
    add("*SRE", integerQuery([](const Device& d) { return d.events.serviceRequestEnable(); }),
        integerSetting([](Device& d, int v) { return d.events.setServiceRequestEnable(v); }));
    add("*ESR", [](Device& d, const QString&) { return reply(d.events.takeEventStatus()); }, {});
    // *STB? is answered by the processor, which knows whether a reply is waiting.
    add("*SAV", {}, [](Device& d, const QString& a) { return memorySetting(d, a, &SupplyModel::save); });
    add("*RCL", {}, [](Device& d, const QString& a) { return memorySetting(d, a, &SupplyModel::recall); });
    add("*TRG", {}, checkedAction([](Device& d) { return d.supply.trigger(); }));
    add("*OPC", [](Device&, const QString&) { return reply(1); },
        action([](Device& d) { d.events.setOperationComplete(); }));
    add("*WAI", {}, action([](Device&) {}));
    add("*TST", [](Device&, const QString&) { return reply(0); }, {});

    // Set points and trip levels.
    add("[SOURce]:VOLTage[:LEVel][:IMMediate][:AMPLitude]",
        numberQuery([](const Device& d) { return d.supply.settings().voltage; }),
        numberSetting([](Device& d, double v) { return d.supply.setVoltage(v); }));
    add("[SOURce]:CURRent[:LEVel][:IMMediate][:AMPLitude]",
        numberQuery([](const Device& d) { return d.supply.settings().current; }),
        numberSetting([](Device& d, double v) { return d.supply.setCurrent(v); }));
    add("[SOURce]:VOLTage:PROTection[:LEVel]",
        numberQuery([](const Device& d) { return d.supply.settings().voltageTrip; }),
        numberSetting([](Device& d, double v) { return d.supply.setVoltageTrip(v); }));
    add("[SOURce]:CURRent:PROTection[:LEVel]",
        numberQuery([](const Device& d) { return d.supply.settings().currentTrip; }),
        numberSetting([](Device& d, double v) { return d.supply.setCurrentTrip(v); }));
    add("[SOURce]:VOLTage[:LEVel]:TRIGgered[:AMPLitude]",
        numberQuery([](const Device& d) { return d.supply.triggeredVoltage(); }),
        numberSetting([](Device& d, double v) { return d.supply.setTriggeredVoltage(v); }));
    add("[SOURce]:CURRent[:LEVel]:TRIGgered[:AMPLitude]",
        numberQuery([](const Device& d) { return d.supply.triggeredCurrent(); }),
        numberSetting([](Device& d, double v) { return d.supply.setTriggeredCurrent(v); }));
    add("[SOURce]:PERiod", numberQuery([](const Device& d) { return d.supply.settings().period; }, formatPlain),
        numberSetting([](Device& d, double v) { return d.supply.setPeriod(v); }));
    add("[SOURce]:LASTstep", integerQuery([](const Device& d) { return d.supply.lastStep(); }),
        integerSetting([](Device& d, int v) { return d.supply.setLastStep(v); }));
    add("[RECall]:MEMory", integerQuery([](const Device& d) { return d.supply.memoryNumber(); }),
        [](Device& d, const QString& a) { return memorySetting(d, a, &SupplyModel::recall); });

    // Output.
    add("OUTPut:START", {}, checkedAction([](Device& d) { return d.supply.start(); }));
    add("OUTPut:STOP", {}, action([](Device& d) { d.supply.stop(); }));
    add("OUTPut[:STATe]", switchQuery([](const Device& d) { return d.supply.outputOn(); }),
        [](Device& d, const QString& args) {
            const auto on = scpi::toBoolean(args);
            if (!on)
                return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::IllegalParameterValue);
            if (!*on) {
                d.supply.stop();
                return done();
            }
            return status(d.supply.start());
        });
    add("OUTPut:ARM", switchQuery([](const Device& d) { return d.supply.armed(); }),
        [](Device& d, const QString& args) {
            const auto on = scpi::toBoolean(args);
            if (!on)
                return status(args.isEmpty() ? scpi_error::MissingParameter : scpi_error::IllegalParameterValue);
            return status(d.supply.setArmed(*on));
        });
    add("OUTPut:PROTection:CLEar", {}, action([](Device& d) { d.supply.clearProtection(); }));

    // Trigger system.
    add("ABORt", {}, action([](Device& d) { d.supply.abort(); }));
    add("TRIGger[:IMMediate]", {}, checkedAction([](Device& d) { return d.supply.trigger(); }));
    add("INITiate[:IMMediate]", {}, checkedAction([](Device& d) { return d.supply.initiate(); }));
    add("INITiate:CONTinuous", switchQuery([](const Device& d) { return d.supply.continuousTrigger(); }),
        switchSetting([](Device& d, bool on) { d.supply.setContinuousTrigger(on); }));

    // Measurements and status.
    add("MEASure[:SCALar]:VOLTage[:DC]", numberQuery([](const Device& d) { return d.supply.measuredVoltage(); }), {});
    add("MEASure[:SCALar]:CURRent[:DC]", numberQuery([](const Device& d) { return d.supply.measuredCurrent(); }), {});
    add("SYSTem:ERRor[:NEXT]", [](Device& d, const QString&) { return reply(d.events.takeError()); }, {});
    add("SYSTem:VERSion", textQuery([](const Device& d) { return d.versionText(); }),
        [](Device& d, const QString& args) {
            return args.isEmpty() ? status(scpi_error::MissingParameter)
                                  : status(d.calibration.setFirmwareVersion(scpi::toText(args)));
        });
    add("STATus:OPERation:CONDition",
        [](Device& d, const QString&) { return reply(static_cast<int>(d.supply.statusWord())); }, {});
    add("STATus:QUEStionable:CONDition",
        [](Device& d, const QString&) { return reply(static_cast<int>(d.supply.faultWord())); }, {});

    // Configuration switches.
    add("CONFigure:REMote:SENSe", switchQuery([](const Device& d) { return statusFlag(d, status_bit::RemoteSense); }),
        switchSetting([](Device& d, bool on) { d.supply.setRemoteSense(on); }));
    add("CONFigure:CONTrol:EXTernal",
        switchQuery([](const Device& d) { return statusFlag(d, status_bit::ExternalControl); }),
        switchSetting([](Device& d, bool on) { d.supply.setExternalControl(on); }));
    add("CONFigure:CONTrol:INTernal",
        switchQuery([](const Device& d) { return statusFlag(d, status_bit::InternalControl); }),
        switchSetting([](Device& d, bool on) { d.supply.setInternalControl(on); }));
    add("CONFigure:INTErlock", switchQuery([](const Device& d) { return statusFlag(d, status_bit::Interlock); }),
        switchSetting([](Device& d, bool on) { d.supply.setInterlock(on); }));
    add("CONFigure:SETPT", integerQuery([](const Device& d) { return d.supply.setpointSource(); }),
        integerSetting([](Device& d, int v) { return d.supply.setSetpointSource(v); }));

    // Calibration.
    add("CALibrate:PASSword", {}, passwordSetting);
    add("CALibrate:POT", potQuery, potSetting);
    add("CALibrate:SCALe:VOLTage", numberQuery([](const Device& d) { return d.calibration.ratedVoltage(); }),
        numberSetting([](Device& d, double v) { return d.calibration.setRatedVoltage(v); }));
    add("CALibrate:SCALe:CURRent", numberQuery([](const Device& d) { return d.calibration.ratedCurrent(); }),
        numberSetting([](Device& d, double v) { return d.calibration.setRatedCurrent(v); }));
    add("CALibrate:SCALe:INPut",
        numberQuery([](const Device& d) { return d.calibration.inputScale(); }, formatPlain),
        numberSetting([](Device& d, double v) { return d.calibration.setInputScale(v); }));
    add("CALibrate:DEFaults", {}, checkedAction([](Device& d) { return d.calibration.restoreDefaultPots(); }));
    add("CALibrate:STOP", {}, action([](Device& d) { d.calibration.stop(); }));
    add("CALibrate:IDN", textQuery([](const Device& d) { return d.calibration.calibrationString(); }),
        [](Device& d, const QString& args) {
            d.calibration.setCalibrationString(scpi::toText(args));
            return done();
        });

    // Modulation.
    add("MODulation:TYPE[:SELect]",
        [](Device& d, const QString&) {
            return reply(QStringLiteral("%1,%2").arg(d.modulation.controlInput()).arg(d.modulation.type()));
        },
        modulationSelectSetting);
    add("MODulation:TABLe", modulationRowQuery, modulationRowSetting);
    add("MODulation:TABLe:SLEWlim",
        numberQuery([](const Device& d) { return d.modulation.slewLimit(); }, formatPlain),
        numberSetting([](Device& d, double v) { return d.modulation.setSlewLimit(v); }));
    add("MODulation:TABLe:SAVE", {}, action([](Device& d) { d.modulation.saveToEeprom(); }));

    // Interface modules.
    add("[SYSTem]:GPIB:VERSion", textQuery([](const Device& d) { return d.interfaces.gpibVersion(); }), {});
    add("[SYSTem]:GPIB:ADDRess", integerQuery([](const Device& d) { return d.interfaces.gpibAddress(); }),
        integerSetting([](Device& d, int v) { return d.interfaces.setGpibAddress(v); }));
    add("[SYSTem][:COMMunicate]:SERial:VERSion",
        textQuery([](const Device& d) { return d.interfaces.serialVersion(); }), {});
    add("[SYSTem][:COMMunicate]:SERial:ADDRess",
        integerQuery([](const Device& d) { return d.interfaces.serialAddress(); }),
        integerSetting([](Device& d, int v) { return d.interfaces.setSerialAddress(v); }));
    add("SYSTem[:COMMunicate]:NETwork:VERSion",
        textQuery([](const Device& d) { return d.interfaces.moduleVersion(); }),
        factoryNetworkSetting([](InterfaceSettings& s, const QString& v) { s.setHardwareRevision(v); },
                              [](const InterfaceSettings& s) { return s.moduleVersion(); }));
    add("SYSTem[:COMMunicate]:NETwork:SERial",
        textQuery([](const Device& d) { return d.interfaces.serialNumber(); }),
        factoryNetworkSetting([](InterfaceSettings& s, const QString& v) { s.setSerialNumber(v); },
                              [](const InterfaceSettings& s) { return s.serialNumber(); }));
    add("SYSTem[:COMMunicate]:NETwork:MAC", textQuery([](const Device& d) { return d.interfaces.macAddress(); }),
        {});
    add("SYSTem[:COMMunicate]:NETwork:DHCP", switchQuery([](const Device& d) { return d.interfaces.dhcp(); }),
        networkSetting(
            [](InterfaceSettings& s, const QString& v) {
                const auto on = scpi::toBoolean(v);
                if (!on)
                    return scpi_error::IllegalParameterValue;
                s.setDhcp(*on);
                return scpi_error::None;
            },
            [](const InterfaceSettings& s) { return QString::number(s.dhcp() ? 1 : 0); }));
    add("SYSTem[:COMMunicate]:NETwork:HOSTname", textQuery([](const Device& d) { return d.interfaces.hostName(); }),
        networkSetting([](InterfaceSettings& s, const QString& v) { return s.setHostName(v); },
                       [](const InterfaceSettings& s) { return s.hostName(); }));
    add("SYSTem[:COMMunicate]:NETwork:PORT",
        [](Device& d, const QString&) { return reply(d.interfaces.port()); },
        networkSetting(
            [](InterfaceSettings& s, const QString& v) {
                const auto port = scpi::toInteger(v);
                return port ? s.setPort(*port) : scpi_error::IllegalParameterValue;
            },
            [](const InterfaceSettings& s) { return QString::number(s.port()); }));
    add("SYSTem[:COMMunicate]:NETwork:ADDRess", textQuery([](const Device& d) { return d.interfaces.address(); }),
        networkSetting([](InterfaceSettings& s, const QString& v) { return s.setAddress(v); },
                       [](const InterfaceSettings& s) { return s.address(); }));
    add("SYSTem[:COMMunicate]:NETwork:SUBNet",
        textQuery([](const Device& d) { return d.interfaces.subnetMask(); }),
        networkSetting([](InterfaceSettings& s, const QString& v) { return s.setSubnetMask(v); },
                       [](const InterfaceSettings& s) { return s.subnetMask(); }));
    add("SYSTem[:COMMunicate]:NETwork:GATEway", textQuery([](const Device& d) { return d.interfaces.gateway(); }),
        networkSetting([](InterfaceSettings& s, const QString& v) { return s.setGateway(v); },
                       [](const InterfaceSettings& s) { return s.gateway(); }));

    // Simulator controls: change the load, raise hardware faults and power-cycle
    // into the boot loader from a test.
    add("SIMulation:LOAD", numberQuery([](const Device& d) { return d.supply.loadOhms(); }, formatPlain),
        numberSetting([](Device& d, double v) { return d.supply.setLoadOhms(v); }));
    add("SIMulation:FAULt", [](Device& d, const QString&) { return reply(static_cast<int>(d.supply.faultWord())); },
        faultInjection);
    add("SIMulation:BOOT", {}, action([](Device& d) { d.bootRequest.raise(); }));
    return t;
}

} // namespace

const ScpiCommand* findScpiCommand(QStringView header)
{
    static const std::vector<ScpiCommand> table = buildTable();
    for (const ScpiCommand& command : table) {
        if (command.header.matches(header))
            return &command;
    }
    return nullptr;
}

} // namespace dalto::sim
