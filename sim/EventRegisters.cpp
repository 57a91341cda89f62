#include "sim/EventRegisters.h"

namespace dalto::sim {

QString EventRegisters::errorText(int code)
{
    using namespace scpi_error;
    switch (code) {
    case None: return QStringLiteral("No error");
    case CommandError: return QStringLiteral("Command error");
    case InvalidCharacter: return QStringLiteral("Invalid character");
    case SyntaxError: return QStringLiteral("Syntax error");
    case ParameterNotAllowed: return QStringLiteral("Parameter not allowed");
    case MissingParameter: return QStringLiteral("Missing parameter");
    case UndefinedHeader: return QStringLiteral("Undefined header");
    case TriggerIgnored: return QStringLiteral("Trigger ignored");
    case SettingsConflict: return QStringLiteral("Settings conflict");
    case DataOutOfRange: return QStringLiteral("Data out of range");
    case IllegalParameterValue: return QStringLiteral("Illegal parameter value");
    case CommandProtected: return QStringLiteral("Command protected");
    case QueueOverflow: return QStringLiteral("Queue overflow");
    case InputBufferOverrun: return QStringLiteral("Input buffer overrun");
    default: return QStringLiteral("Error");
    }
}

void EventRegisters::pushError(int code)
{
    if (code == scpi_error::None)
        return;
    if (code <= -100 && code > -200)
        esr_ |= CommandErrorBit;
    else if (code <= -200 && code > -300)
        esr_ |= ExecutionError;
    else if (code <= -300 && code > -400)
        esr_ |= DeviceDependentError;
    else if (code <= -400 && code > -500)
        esr_ |= QueryError;

    if (errors_.size() >= QueueCapacity) {
        errors_.back() = scpi_error::QueueOverflow;
        return;
    }
    errors_.push_back(code);
}

QString EventRegisters::takeError()
{
    int code = scpi_error::None;
    if (!errors_.empty()) {
        code = errors_.front();
        errors_.pop_front();
    }
    return QStringLiteral("%1,\"%2\"").arg(code).arg(errorText(code));
}

void EventRegisters::clear()
{
    errors_.clear();
    esr_ = 0;
}

int EventRegisters::setEventEnable(int value)
{
    if (value < 0 || value > 255)
        return scpi_error::DataOutOfRange;
    ese_ = value;
    return scpi_error::None;
}

int EventRegisters::setServiceRequestEnable(int value)
{
    if (value < 0 || value > 255)
        return scpi_error::DataOutOfRange;
    sre_ = value;
    return scpi_error::None;
}

int EventRegisters::takeEventStatus()
{
    const int value = esr_;
    esr_ = 0;
    return value;
}

int EventRegisters::statusByte(bool messageAvailable) const
{
    int stb = 0;
    if (messageAvailable)
        stb |= MessageAvailable;
    if (esr_ & ese_)
        stb |= EventSummary;
    if (stb & sre_ & ~MasterSummary)
        stb |= MasterSummary;
    return stb;
}

} // namespace dalto::sim
