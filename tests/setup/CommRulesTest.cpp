// The rules behind the setup dialogs: which bus fields are usable, how the setup
// dialog swaps addresses between buses, which rows it shows, and the texts.
#include "core/BusCode.h"
#include "setup/CommFields.h"
#include "setup/NetworkFields.h"
#include "setup/SerialPortHint.h"
#include "setup/SetupBusChoice.h"

#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace dalto {
namespace {

struct FieldsCase {
    int16_t bus;
    CommFields given;
    std::optional<QString> problem;
    CommFields kept;
};

TEST(CommFields, EachBusChecksOnlyWhatItUsesAndClearsTheRest)
{
    const QString address = QStringLiteral("Check Address for Validity");
    const QString port = QStringLiteral("Check Port for Validity");
    const QString both = QStringLiteral("Check the Address and Port for Validity");
    const FieldsCase cases[] = {
        {bus::Gpib, {"7", "4040"}, std::nullopt, {"7", ""}},
        {bus::Gpib, {"", "4040"}, address, {"", ""}},
        {bus::Rs232, {"7", "3"}, std::nullopt, {"", "3"}},
        {bus::Rs232, {"7", ""}, port, {"", ""}},
        {bus::Rs232, {"", "99999999999"}, port, {"", "99999999999"}},
        {bus::Rs232, {"", "2147483647"}, std::nullopt, {"", "2147483647"}},
        {bus::Tcp, {"10.0.0.7", ""}, both, {"10.0.0.7", ""}},
        {bus::Tcp, {"10.0.0.7", "4040"}, std::nullopt, {"10.0.0.7", "4040"}},
        {bus::Tcp, {"10.0.0.7", "1e20"}, both, {"10.0.0.7", "1e20"}},
        {bus::Tcp, {"10.0.0.7", "inf"}, both, {"10.0.0.7", "inf"}},
        {bus::Tcp, {"bench_supply.lab", "4040"}, std::nullopt, {"bench_supply.lab", "4040"}},
        {bus::Tcp, {"bench supply", "4040"}, both, {"bench supply", "4040"}},
        {bus::Rs485Select, {"12", ""}, both, {"12", ""}},
        {bus::Rs485Packet, {"", "2"}, both, {"", "2"}},
        {bus::Rs485Packet, {"12", "2"}, std::nullopt, {"12", "2"}},
        {bus::Rs485Select, {"12", "-9e99"}, both, {"12", "-9e99"}},
        {bus::Simulated, {"12", "2"}, std::nullopt, {"", ""}},
        {bus::None, {"12", "2"}, QStringLiteral("Check the Communication Bus Selection"), {"12", "2"}},
    };
    for (const FieldsCase& c : cases) {
        CommFields fields = c.given;
        EXPECT_EQ(ValidateCommFields(c.bus, fields), c.problem) << c.bus << " " << c.given.address.toStdString();
        EXPECT_EQ(fields.address, c.kept.address) << c.bus;
        EXPECT_EQ(fields.port, c.kept.port) << c.bus;
    }
}

TEST(CommFields, ConnectionsAreNamedAsTheMessagesShowThem)
{
    EXPECT_EQ(ConnectionDescription(bus::Gpib, "7", ""), "GPIB Address 7");
    EXPECT_EQ(ConnectionDescription(bus::Tcp, "10.0.0.7", "4040"), "TCP/IP Address 10.0.0.7 and Port 4040");
    EXPECT_EQ(ConnectionDescription(bus::Rs485Packet, "12", "2"), "RS486 Port 2 and address 12");
    EXPECT_EQ(ConnectionDescription(bus::Rs232, "", "2"), "");
}

TEST(SetupBusChoice, NetworkAndBusAddressesAreKeptApartAcrossBusChanges)
{
    SetupBusChoice choice(bus::Tcp, {"bench.lab", "4040"});
    choice.changeBus(bus::Gpib);
    EXPECT_EQ(choice.fields().address, "1") << "no bus address yet";
    choice.setFields({"9", ""});
    choice.changeBus(bus::Tcp);
    EXPECT_EQ(choice.fields().address, "bench.lab");
    choice.changeBus(bus::Rs485Select);
    EXPECT_EQ(choice.fields().address, "9") << "the last bus address comes back";
}

TEST(SetupBusChoice, OnlyANetworkPortIsReplacedWhenMovingToRs232)
{
    SetupBusChoice fromNetwork(bus::Tcp, {"10.0.0.7", "4040"});
    fromNetwork.changeBus(bus::Rs232);
    EXPECT_EQ(fromNetwork.fields().port, "1");

    SetupBusChoice fromSerial(bus::Rs485Select, {"12", "12"});
    fromSerial.changeBus(bus::Rs232);
    EXPECT_EQ(fromSerial.fields().port, "12");
    EXPECT_EQ(fromSerial.fields().address, "12") << "no swap between two bus addresses";
}

TEST(NetworkFields, DevicePortIsAWholeNumberFrom1To65534)
{
    for (const char* good : {"1", "4040", "65534"})
        EXPECT_TRUE(IsValidDevicePort(good)) << good;
    for (const char* bad : {"", "0", "65535", "12.5", "abc", "1e3", " 80", "-1", "123456"})
        EXPECT_FALSE(IsValidDevicePort(bad)) << bad;
}

TEST(SerialPortHint, PortNumbersNameTheirDevicePathAndWhetherItExists)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Dalto_Panel.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Serial_Ports]\nPort3=/dev/ttyUSB0\n");
    file.close();
    EXPECT_EQ(SerialPortMeaning(ini, "3", {"/dev/ttyUSB0"}), "Comm Port 3 is /dev/ttyUSB0");
    EXPECT_EQ(SerialPortMeaning(ini, "3", {}), "Comm Port 3 is /dev/ttyUSB0 (not found on this computer)");
    EXPECT_EQ(SerialPortMeaning(ini, "", {}), "");
    EXPECT_EQ(SerialPortsPresent({}), "No serial ports found on this computer");
    EXPECT_EQ(SerialPortsPresent({"/dev/ttyS0", "/dev/ttyUSB0"}),
              "Serial ports on this computer: /dev/ttyS0, /dev/ttyUSB0");
    // A long list breaks between paths, never inside one.
    EXPECT_EQ(SerialPortsPresent({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyUSB0"}),
              "Serial ports on this computer: /dev/ttyS0, /dev/ttyS1, /dev/ttyS2, /dev/ttyS3,\n/dev/ttyUSB0");
}

} // namespace
} // namespace dalto
