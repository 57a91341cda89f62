#include "TestFiles.h"
#include "core/Configuration.h"
#include "support/ScriptedPrompts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

using namespace dalto;
using namespace dalto::testing;

namespace {

const QByteArray Lists = "; lists ship with the program\n"
                         "[Form_List]\nItem00=0,Virtual Panel\nItem01=1,Command\n"
                         "[Comm_List]\nItem00=0,GPIB Bus\nItem01=1,RS-232\nItem02=2,TCP/IP\n"
                         "[Syst_List]\nItem00=0,HB Series\nItem01=1,HB Rack\nItem02=2,HBX Series\n";

class SettingsTest : public ::testing::Test {
protected:
    void load(const QByteArray& settings)
    {
        writeText(path, Lists + settings);
        LoadSettings(state, prompts, path);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Dalto_Panel.ini");
    ScriptedPrompts prompts;
    SharedState state;
};

} // namespace

TEST_F(SettingsTest, LoadsListsAndLooksNamesUpWithoutCase)
{
    load("[Application]\nStart-Up=COMMAND\n[Communication]\nComm=tcp/ip\nAddress=Bench PSU 1\nPort=4040\n"
         "[System]\nType=hbx series\n");
    EXPECT_EQ(state.FormList, (QStringList{"Virtual Panel", "Command"}));
    EXPECT_EQ(state.StartupPanel, 1);
    EXPECT_EQ(state.BusCode, 2);
    EXPECT_EQ(state.DeviceAddress, "Bench PSU 1");
    EXPECT_EQ(state.DevicePort, 4040);
    EXPECT_EQ(state.SystemType, 2);

    load("[Application]\nStart-Up=Register Panel\n");
    EXPECT_EQ(state.StartupPanel, NotFound);
    EXPECT_EQ(state.BusCode, NotFound);
    EXPECT_EQ(state.SystemType, NotFound);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SettingsTest, CommSettingsGoToTheCallersVariablesWithPortAsLeadingNumber)
{
    state.CommList = {"GPIB Bus", "RS-232"};
    const std::pair<const char*, int32_t> ports[] = {
        {"1e1", 10}, {"abc", 0}, {"4040abc", 4040}, {"2.5", 2}, {"3.5", 4}, {"99999999999", 0}, {"", 0}};
    for (const auto& [text, expected] : ports) {
        writeText(path, Lists + "[Communication]\nComm=RS-232\nAddress=10.1.1.1\nPort=" + QByteArray(text) + "\n");
        int16_t bus = -1;
        QString address;
        int32_t port = -1;
        ReadCommSettings(state, path, bus, address, port);
        EXPECT_EQ(port, expected) << text;
        EXPECT_EQ(bus, 1);
        EXPECT_EQ(address, "10.1.1.1");
    }
    EXPECT_TRUE(state.DeviceAddress.isEmpty()) << "the shared settings are not touched";
}

TEST_F(SettingsTest, SavedSettingsReadBackAndLeaveTheListsAlone)
{
    writeText(path, Lists);
    QString error;
    ASSERT_TRUE(SaveSettings(path, "Command", "TCP/IP", "psu.lab", "5025", "HB Rack", &error)) << error.toStdString();
    LoadSettings(state, prompts, path);
    EXPECT_EQ(state.StartupPanel, 1);
    EXPECT_EQ(state.BusCode, 2);
    EXPECT_EQ(state.DeviceAddress, "psu.lab");
    EXPECT_EQ(state.DevicePort, 5025);
    EXPECT_EQ(state.SystemType, 1);
    EXPECT_EQ(state.SystList.size(), 3);
    EXPECT_TRUE(readText(path).startsWith("; lists ship with the program"));

    EXPECT_FALSE(SaveSettings(dir.filePath("gone/x.ini"), "Command", "TCP/IP", "a", "1", "HB Rack", &error));
    EXPECT_TRUE(error.contains("gone")) << error.toStdString();
}

#ifdef Q_OS_LINUX
// How many times a file was put in place (renamed over) in its folder since the
// watch began. The watch must also see the moves away: the kernel merges identical
// events that follow each other.
int replacementsOf(int watch, const QString& name)
{
    alignas(inotify_event) char buffer[8192];
    int count = 0;
    ssize_t length;
    while ((length = read(watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if ((event->mask & IN_MOVED_TO) && event->len && name == QString::fromUtf8(event->name))
                ++count;
            at += sizeof(inotify_event) + event->len;
        }
    }
    return count;
}

TEST_F(SettingsTest, SavedSettingsReplaceTheFileOnceSoTheyNeverPart)
{
    writeText(path, Lists);
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, dir.path().toLocal8Bit().constData(), IN_MOVED_FROM | IN_MOVED_TO), 0);
    QString error;
    ASSERT_TRUE(SaveSettings(path, "Command", "TCP/IP", "psu.lab", "5025", "HB Rack", &error));
    EXPECT_EQ(replacementsOf(watch, "Dalto_Panel.ini"), 1) << "a disk that fills between keys would leave half the settings";
    close(watch);
}
#endif

TEST(DebugSwitch, PassPhraseInAnyCaseTurnsDebugModeOn)
{
    QTemporaryDir dir;
    EXPECT_FALSE(DebugModeEnabled(dir.path())) << "no file";
    const std::pair<const char*, bool> cases[] = {
        {"owl_mango", true}, {"OWL_MANGO", true}, {"Owl_Mango ", true}, {"owl_mango2", false}, {"", false}};
    for (const auto& [value, expected] : cases) {
        writeText(dir.filePath("TAV_Panel.ini"), "[debug]\ntype=" + QByteArray(value) + "\n");
        EXPECT_EQ(DebugModeEnabled(dir.path()), expected) << value;
    }
}

namespace {
// Port N's device where the settings name none, as this platform names it.
QString defaultPort(int number)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}
} // namespace

TEST(SerialPorts, PortNumbersMapToConfiguredOrDefaultDevicePaths)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Dalto_Panel.ini");
    writeText(ini, "[Serial_Ports]\nPort1=/dev/ttyUSB0\nPort2=\n");
    EXPECT_EQ(SerialPortPath(ini, 1), "/dev/ttyUSB0");
    EXPECT_EQ(SerialPortPath(ini, 2), defaultPort(2)) << "an empty value is no path";
    EXPECT_EQ(SerialPortPath(ini, 7), defaultPort(7));
    EXPECT_TRUE(SerialPortPath(ini, 0).isEmpty());
}

TEST(InstalledSettings, DefaultFileGivesEveryPanelBusAndSupplyType)
{
    ScriptedPrompts prompts;
    SharedState state;
    LoadSettings(state, prompts, DALTO_DEFAULT_INI);
    EXPECT_EQ(state.FormList.size(), 5);
    EXPECT_EQ(state.CommList.size(), 6);
    EXPECT_EQ(state.SystList.size(), 5);
    // The setup dialog refuses shorter names, and a name must be unique to be found.
    for (const QStringList& list : {state.FormList, state.CommList, state.SystList})
        for (qsizetype i = 0; i < list.size(); ++i) {
            EXPECT_GE(list[i].size(), 5) << list[i].toStdString();
            EXPECT_EQ(FindInList(list, list[i]), i) << list[i].toStdString();
        }
    EXPECT_NE(state.StartupPanel, NotFound);
    EXPECT_NE(state.BusCode, NotFound);
    EXPECT_NE(state.SystemType, NotFound);
    EXPECT_EQ(SerialPortPath(DALTO_DEFAULT_INI, 4), defaultPort(4));
}

TEST_F(SettingsTest, BenchLimitsLoadWithTheSettingsAndSaveBesideThem)
{
    load("[Limits]\nvoltage=12.5\nCurrent=\nOVP = 1e1 \nOCP=20A\n[System]\nType=HBX Series\n");
    EXPECT_EQ(state.Limits[SetPointKind::Voltage].value, 12.5);
    EXPECT_FALSE(state.Limits[SetPointKind::Current].isSet());
    EXPECT_EQ(state.Limits[SetPointKind::OverVoltage].value, 10.0);
    // A ceiling that is no number is kept as written, to be refused and mended.
    EXPECT_TRUE(state.Limits[SetPointKind::OverCurrent].unreadable());
    EXPECT_TRUE(ParseBenchLimit("-1").unreadable());

    BenchLimits limits;
    limits[SetPointKind::Current] = ParseBenchLimit("3");
    ASSERT_TRUE(SaveBenchLimits(path, limits));
    EXPECT_TRUE(readText(path).startsWith(Lists + "[Limits]"));
    const BenchLimits read = ReadBenchLimits(path);
    EXPECT_FALSE(read[SetPointKind::Voltage].isSet());
    EXPECT_EQ(read[SetPointKind::Current].value, 3.0);
    EXPECT_FALSE(read[SetPointKind::OverCurrent].isSet());
}
