#include "Configuration.h"

#include "LegacyNumbers.h"
#include "PlatformConventions.h"
#include "ProfileFile.h"
#include "Prompts.h"

#include <QDir>

namespace dalto {

namespace {

const QString ApplicationSection = QStringLiteral("Application");
const QString CommunicationSection = QStringLiteral("Communication");
const QString SystemSection = QStringLiteral("System");
const QString StartupKey = QStringLiteral("Start-Up");
const QString CommKey = QStringLiteral("Comm");
const QString AddressKey = QStringLiteral("Address");
const QString PortKey = QStringLiteral("Port");
const QString TypeKey = QStringLiteral("Type");

} // namespace

void LoadSettings(SharedState& state, Prompts& prompts, const QString& iniPath)
{
    // A file that cannot be read gets the list boxes below, which name it and the reason.
    if (const QString problem = SettingsFileProblem(iniPath); !problem.isEmpty() && ProfileFile(iniPath).checkReadable())
        prompts.message(problem + QStringLiteral("\r\nThe program carries on with its defaults."), ApplicationTitle,
                        PromptButtons::Ok, PromptIcon::Exclamation);
    ReadIniList(QStringLiteral("Form_List"), state.FormList, iniPath, prompts);
    ReadIniList(QStringLiteral("Comm_List"), state.CommList, iniPath, prompts);
    ReadIniList(QStringLiteral("Syst_List"), state.SystList, iniPath, prompts);
    ReadStartupPanel(state, iniPath);
    ReadCommSettings(state, iniPath, state.BusCode, state.DeviceAddress, state.DevicePort);
    ReadSystemType(state, iniPath);
    state.Limits = ReadBenchLimits(iniPath);
}

void ReadStartupPanel(SharedState& state, const QString& iniPath)
{
    state.StartupPanel = FindInList(state.FormList, ProfileFile(iniPath).readString(ApplicationSection, StartupKey));
}

void ReadSystemType(SharedState& state, const QString& iniPath)
{
    state.SystemType = FindInList(state.SystList, ProfileFile(iniPath).readString(SystemSection, TypeKey));
}

void ReadCommSettings(const SharedState& state, const QString& iniPath, int16_t& busCode,
                      QString& address, int32_t& port)
{
    const ProfileFile file(iniPath);
    busCode = FindInList(state.CommList, file.readString(CommunicationSection, CommKey));
    address = file.readString(CommunicationSection, AddressKey);
    // A port too large for a Long is as unusable as one that is not a number.
    port = legacy::toLong(legacy::leadingNumber(file.readString(CommunicationSection, PortKey))).value_or(0);
}

bool SaveSettings(const QString& iniPath, const QString& startupName, const QString& busName,
                  const QString& address, const QString& port, const QString& typeName,
                  QString* error)
{
    return ProfileFile(iniPath).writeStrings({{ApplicationSection, StartupKey, startupName},
                                              {CommunicationSection, CommKey, busName},
                                              {CommunicationSection, AddressKey, address},
                                              {CommunicationSection, PortKey, port},
                                              {SystemSection, TypeKey, typeName}},
                                             error);
}

bool AutoReconnectEnabled(const QString& iniPath)
{
    const QString value = ProfileFile(iniPath).readString(CommunicationSection, QStringLiteral("AutoReconnect")).toLower();
    return !QStringList{QStringLiteral("0"), QStringLiteral("no"), QStringLiteral("off"), QStringLiteral("false")}
                .contains(value);
}

bool DebugModeEnabled(const QString& programFolder)
{
    const ProfileFile file(QDir(programFolder).filePath(QStringLiteral("TAV_Panel.ini")));
    return file.readString(QStringLiteral("Debug"), QStringLiteral("Type")).toLower() == QStringLiteral("owl_mango");
}

QString SerialPortPath(const QString& iniPath, int portNumber)
{
    if (portNumber < 1)
        return {};
    const QString configured = ProfileFile(iniPath).readString(QStringLiteral("Serial_Ports"),
                                                               QStringLiteral("Port%1").arg(portNumber));
    return configured.isEmpty() ? DefaultSerialPortPath(portNumber) : configured;
}

} // namespace dalto
