#pragma once
// The one record of values shared by every window: configuration, command lists,
// what the device last reported and the flags that coordinate the panels.

#include "BenchLimits.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace dalto {

class TranscriptTarget;

// Configuration lookups give this when a name is not in its list.
inline constexpr int16_t NotFound = 99;

// Which communication control the link drives.
enum class LinkControlKind { Serial, Tcp };

// The NI-488.2 status words as the program keeps them: copies taken after every
// library call, the per-thread words the library writes, and the descriptors.
struct GpibStatusWords {
    int16_t ibsta = 0;
    int16_t iberr = 0;
    int16_t ibcnt = 0;
    int32_t ibcntl = 0;
    int32_t threadIbsta = 0;
    int32_t threadIberr = 0;
    int32_t threadIbcntl = 0;
    int16_t registered = 0;   // 1 once the thread words are registered
    int16_t GpibBoard = 0;
    int16_t GpibDevice = 0;
};

struct SharedState {
    QStringList IeeeCommands;
    QStringList ScpiCommands;
    int16_t StartupPanel = 0;
    int16_t BusCode = 0;
    int16_t SystemType = 0;
    bool Probing = false;
    std::array<float, 6> DeviceState{};
    std::array<float, 6> DeviceStateSaved{};
    std::array<float, 8> Ratings{};
    std::array<float, 8> RatingsSaved{};
    QString FirmwareVersion = QStringLiteral("1.0");
    QString InterfaceVersion = QStringLiteral("1.0");
    QString VoltFormat;
    QString CurrFormat;
    std::array<int16_t, 5> PotValues{};
    std::array<int16_t, 5> PotValuesSaved{};
    bool ButtonHeld = false;
    bool SettingPending = false;
    bool LoaderActive = false;
    QString DeviceAddress;
    int32_t DevicePort = 0;
    QString GpibEosText;
    QPointer<QObject> CurrentPanel;
    LinkControlKind LinkControl = LinkControlKind::Serial;
    TranscriptTarget* Transcript = nullptr;
    QStringList FormList;
    QStringList CommList;
    QStringList SystList;
    QString LastError;
    GpibStatusWords Gpib;
    int32_t SimStatus = 0;
    int32_t SimAlarms = 0;
    int32_t SimExtra = 0;
    // The bench's ceilings from the [Limits] section of the settings file.
    BenchLimits Limits;
};

} // namespace dalto
