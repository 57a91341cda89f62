#pragma once
// The program's settings file: the three name lists, the start-up panel, the bus
// settings and the supply type, and the debug switch file of the front panels.

#include "SharedState.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace dalto {

class Prompts;

// Reads the three lists, the four settings and the bench limits of iniPath into
// state. A list that cannot be read is reported through prompts and keeps what was
// read so far; a file that is missing, empty or holds no settings is named in a box
// first, and the program carries on with its defaults.
void LoadSettings(SharedState& state, Prompts& prompts, const QString& iniPath);

// What is wrong with the settings file, naming it: missing, unreadable, empty or
// not a settings file. Empty when it can be used.
QString SettingsFileProblem(const QString& iniPath);

// [Communication] AutoReconnect: whether a lost supply is tried again every few
// seconds. On unless the value is 0, no, off or false.
bool AutoReconnectEnabled(const QString& iniPath);

// Fills list afresh from the keys Item00, Item01, ... Item99, Item100, ... of section
// ("position,name"; a value without comma is stored whole), up to the first missing
// key or value shorter than two characters other than a lone digit 1..9. A failure (a
// file that cannot be read, a position beyond the Integer range) is reported through
// prompts; the list keeps what was read before it.
void ReadIniList(const QString& section, QStringList& list, const QString& iniPath, Prompts& prompts);

void ReadStartupPanel(SharedState& state, const QString& iniPath);
void ReadSystemType(SharedState& state, const QString& iniPath);
// Bus code (position of Comm in state.CommList), Address as written and Port as the
// leading number of its text (0 when it is not a number or does not fit a Long).
void ReadCommSettings(const SharedState& state, const QString& iniPath, int16_t& busCode,
                      QString& address, int32_t& port);

// Position of name in list without regard to case; NotFound when absent or empty.
int16_t FindInList(const QStringList& list, const QString& name);

// Writes Start-Up, Comm, Address, Port and Type in that order. False (with the
// reason in *error) as soon as one write fails; the keys before it are kept.
bool SaveSettings(const QString& iniPath, const QString& startupName, const QString& busName,
                  const QString& address, const QString& port, const QString& typeName,
                  QString* error = nullptr);

// Four dot-separated decimal parts of one to three digits, each 0..255.
bool IsValidIpAddress(const QString& text);
// Letters, digits and "-" (plus "." and "_" when allowed), not empty; without dots
// and underscores an all-digit text is rejected.
bool IsValidHostName(const QString& text, bool dotsAndUnderscores);

// True when "\TAV_Panel.ini" in programFolder switches the front panels' debug mode on.
bool DebugModeEnabled(const QString& programFolder);

// Device path of serial port number n: [Serial_Ports] PortN in the settings file,
// "/dev/ttyS{n-1}" ("COMn" on Windows) when the key is missing or empty, and an
// empty text for a number below 1, which names no port.
QString SerialPortPath(const QString& iniPath, int portNumber);

} // namespace dalto
