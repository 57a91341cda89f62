#include "CalibrationRows.h"

namespace dalto {

const std::vector<CalibrationRow>& CalibrationRows()
{
    static const std::vector<CalibrationRow> rows = {
        {QStringLiteral("Password"), calrow::Password, false, true, RowAccess::Always},
        {QStringLiteral("Volt Scale"), 31, true, true, RowAccess::FactorySet},
        {QStringLiteral("Curr Scale"), 32, true, true, RowAccess::FactorySet},
        {QStringLiteral("Input Scale"), 42, true, true, RowAccess::FactorySet},
        {QStringLiteral("Default Pots"), 33, false, false, RowAccess::Always},
        {QStringLiteral("End Cal"), calrow::EndCal, false, false, RowAccess::Always},
        {QStringLiteral("Cal String"), 14, true, true, RowAccess::Always},
        {QStringLiteral("System Ver"), calrow::SystemVersion, true, true, RowAccess::FactoryRow,
         QStringLiteral("Label1")},
        {QStringLiteral("Ethernet Serial Number"), calrow::NetworkSerial, true, true,
         RowAccess::FactoryNetworkRow, QStringLiteral("SerialNumberlLabel")},
        {QStringLiteral("Ethernet HW Version"), calrow::NetworkVersion, true, true, RowAccess::FactoryNetworkRow,
         QStringLiteral("HWVersionLabel")},
    };
    return rows;
}

} // namespace dalto
