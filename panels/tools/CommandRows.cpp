#include "CommandRows.h"

namespace dalto {

namespace {
CommandRow settingRow(const char* caption, int index)
{
    return {QString::fromLatin1(caption), CommandTable::Scpi, index, CommandGroup::Settings, true, true, true};
}
CommandRow setOnly(const char* caption, CommandTable table, int index)
{
    return {QString::fromLatin1(caption), table, index, CommandGroup::SetOnly, false, true, false};
}
CommandRow getOnly(const char* caption, CommandTable table, int index, const char* labelName = "")
{
    return {QString::fromLatin1(caption), table, index, CommandGroup::GetOnly, true, false, false,
            QString::fromLatin1(labelName)};
}
} // namespace

const std::vector<CommandRow>& CommandRows()
{
    static const std::vector<CommandRow> rows = {
        settingRow("Voltage", 0),
        settingRow("Current", 1),
        settingRow("Voltage Prot", 2),
        settingRow("Current Prot", 3),
        settingRow("Voltage Trig", 4),
        settingRow("Current Trig", 5),
        settingRow("Period", 6),
        settingRow("Mem", 7),
        settingRow("Init. Cont.", 15),
        settingRow("Rem. Sen.", 22),
        settingRow("Ctrl. Ext.", 23),
        settingRow("Ctrl. Int.", 24),
        settingRow("Interlock", 25),
        settingRow("Setpoint", 39),

        {QStringLiteral("Arm"), CommandTable::Scpi, 26, CommandGroup::DataRows, true, true, true},
        {QStringLiteral("*RCL"), CommandTable::Ieee, 2, CommandGroup::DataRows, false, true, true},
        {QStringLiteral("*SAV"), CommandTable::Ieee, 3, CommandGroup::DataRows, false, true, true},

        setOnly("Start", CommandTable::Scpi, 8),
        setOnly("Stop", CommandTable::Scpi, 9),
        setOnly("Clear", CommandTable::Scpi, 11),
        setOnly("Init. Imm.", CommandTable::Scpi, 13),
        setOnly("Trigger", CommandTable::Scpi, 12),
        setOnly("Abort", CommandTable::Scpi, 10),
        setOnly("*RST", CommandTable::Ieee, 4),
        setOnly("*CLS", CommandTable::Ieee, 9),

        getOnly("Meas Volt", CommandTable::Scpi, 16),
        getOnly("Meas Curr", CommandTable::Scpi, 17),
        getOnly("Syst. Err.", CommandTable::Scpi, 18),
        getOnly("Syst. Vers.", CommandTable::Scpi, 19),
        getOnly("GPIB. Vers.", CommandTable::Scpi, 37, "lblGPIBVers"),
        getOnly("Ethernet Vers.", CommandTable::Scpi, 38, "lblEthernetVers"),
        getOnly("Oper. Cond.", CommandTable::Scpi, 20),
        getOnly("Ques. Cond.", CommandTable::Scpi, 21),
        getOnly("Outp. State", CommandTable::Scpi, 28),
        getOnly("*IDN", CommandTable::Ieee, 8),
    };
    return rows;
}

} // namespace dalto
