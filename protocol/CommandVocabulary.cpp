#include "CommandVocabulary.h"

namespace dalto {

QStringList IeeeCommandList()
{
    return {
        QStringLiteral("*ESE"), QStringLiteral("*SRE"), QStringLiteral("*RCL"), QStringLiteral("*SAV"),
        QStringLiteral("*RST"), QStringLiteral("*TRG"), QStringLiteral("*ESR"), QStringLiteral("*STB"),
        QStringLiteral("*IDN"), QStringLiteral("*CLS"),
    };
}

QStringList ScpiCommandList()
{
    return {
        QStringLiteral("SOURce:VOLTage:LEVel:IMMediate:AMPLitude"), // 0
        QStringLiteral("SOURce:CURRent:LEVel:IMMediate:AMPLitude"),
        QStringLiteral("SOURce:VOLTage:PROTection:LEVel"),
        QStringLiteral("SOURce:CURRent:PROTection:LEVel"),
        QStringLiteral("SOURce:VOLTage:LEVel:TRIGgered:AMPLitude"),
        QStringLiteral("SOURce:CURRent:LEVel:TRIGgered:AMPLitude"), // 5
        QStringLiteral("SOURce:PERiod"),
        QStringLiteral("RECall:MEMory"),
        QStringLiteral("OUTPut:START"),
        QStringLiteral("OUTPut:STOP"),
        QStringLiteral("ABORt"), // 10
        QStringLiteral("OUTPut:PROTection:CLEar"),
        QStringLiteral("TRIGger:IMMediate"),
        QStringLiteral("INITiate:IMMediate"),
        QStringLiteral("CALibrate:IDN"),
        QStringLiteral("INITiate:CONTinuous"), // 15
        QStringLiteral("MEASure:VOLTage:DC"),
        QStringLiteral("MEASure:CURRent:DC"),
        QStringLiteral("SYSTem:ERRor"),
        QStringLiteral("SYSTem:Version"),
        QStringLiteral("STATus:OPERation:CONDition"), // 20
        QStringLiteral("STATus:QUEStionable:CONDition"),
        QStringLiteral("CONFigure:REMote:SENSe"),
        QStringLiteral("CONFigure:CONTrol:EXTernal"),
        QStringLiteral("CONFigure:CONTrol:INTernal"),
        QStringLiteral("CONFigure:INTErlock"), // 25
        QStringLiteral("OUTPut:Arm"),
        QStringLiteral("SOURce:LASTstep"),
        QStringLiteral("OUTPut:STATe"),
        QStringLiteral("CALibrate:PASSword"),
        QStringLiteral("CALibrate:POT"), // 30
        QStringLiteral("CALibrate:SCALe:VOLTage"),
        QStringLiteral("CALibrate:SCALe:CURRent"),
        QStringLiteral("CALibrate:DEFaults"),
        QStringLiteral("CALibrate:STOP"),
        QStringLiteral("MODulation:TYPE:SELect"), // 35
        QStringLiteral("MODulation:TABLe"),
        QStringLiteral("SYSTem:GPIB:VERS"),
        QStringLiteral("SYSTem:NET:VERSion"),
        QStringLiteral("CONFigure:SETPT"),
        QStringLiteral("SYSTem:NET:SERial"), // 40
        QStringLiteral("SYSTem:NET:VERS"),
        QStringLiteral("CALibrate:SCALe:INPut"),
        QStringLiteral("MODulation:TABLe:SlewLIM"),
    };
}

void BuildCommandLists(SharedState& state)
{
    state.IeeeCommands = IeeeCommandList();
    state.ScpiCommands = ScpiCommandList();
}

QString QueryOf(const QString& entry)
{
    return entry + QLatin1Char('?');
}

QString SettingOf(const QString& entry, const QString& value)
{
    return value.isEmpty() ? entry : entry + QLatin1Char(' ') + value;
}

} // namespace dalto
