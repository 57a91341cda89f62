#pragma once
// The IEEE-488.2 status reporting of the supply: the SCPI error queue, the
// standard event status register (ESR) with its enable mask (ESE), and the
// status byte (STB) with its service request enable mask (SRE).

#include <QString>
#include <deque>

namespace dalto::sim {

namespace scpi_error {
inline constexpr int None = 0;
inline constexpr int CommandError = -100;
inline constexpr int InvalidCharacter = -101;
inline constexpr int SyntaxError = -102;
inline constexpr int ParameterNotAllowed = -108;
inline constexpr int MissingParameter = -109;
inline constexpr int UndefinedHeader = -113;
inline constexpr int TriggerIgnored = -211;
inline constexpr int SettingsConflict = -221;
inline constexpr int DataOutOfRange = -222;
inline constexpr int IllegalParameterValue = -224;
inline constexpr int CommandProtected = -203;
inline constexpr int QueueOverflow = -350;
inline constexpr int InputBufferOverrun = -363;
} // namespace scpi_error

class EventRegisters {
public:
    // ESR bits.
    static constexpr int OperationComplete = 0x01;
    static constexpr int QueryError = 0x04;
    static constexpr int DeviceDependentError = 0x08;
    static constexpr int ExecutionError = 0x10;
    static constexpr int CommandErrorBit = 0x20;
    static constexpr int PowerOn = 0x80;
    // STB bits.
    static constexpr int MessageAvailable = 0x10;
    static constexpr int EventSummary = 0x20;
    static constexpr int MasterSummary = 0x40;

    static constexpr size_t QueueCapacity = 20;

    EventRegisters() = default;

    static QString errorText(int code);

    // Queues the error and sets the ESR bit of its class.
    void pushError(int code);
    // "<code>,\"<text>\"" of the oldest error, removed; "0,\"No error\"" when empty.
    QString takeError();
    size_t errorCount() const { return errors_.size(); }

    // *CLS: empties the error queue and the event register.
    void clear();
    void setOperationComplete() { esr_ |= OperationComplete; }

    int eventEnable() const { return ese_; }
    int serviceRequestEnable() const { return sre_; }
    // Values outside 0..255 are refused with "Data out of range".
    int setEventEnable(int value);
    int setServiceRequestEnable(int value);

    // *ESR?: reading clears the register.
    int takeEventStatus();
    // *STB?: MAV when a reply is already waiting, ESB from ESR and ESE, MSS when
    // any enabled summary bit is set.
    int statusByte(bool messageAvailable) const;

private:
    std::deque<int> errors_;
    int esr_ = PowerOn;
    int ese_ = 0;
    int sre_ = 0;
};

} // namespace dalto::sim
