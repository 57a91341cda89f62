#include "sim/Rs485Node.h"

#include "sim/LineSplitter.h"

namespace dalto::sim {

QByteArray Rs485Node::addressHex(int address)
{
    return QByteArray::number(address, 16).toUpper().rightJustified(2, '0');
}

void Rs485Node::reset()
{
    state_ = State::Idle;
    unit_.clear();
    packetLine_.clear();
}

std::optional<int> Rs485Node::addressAt(qsizetype position) const
{
    if (unit_.size() < position + 2)
        return std::nullopt;
    bool ok = false;
    const int value = unit_.mid(position, 2).toInt(&ok, 16);
    return ok ? std::optional<int>(value) : std::nullopt;
}

Rs485Node::Result Rs485Node::feed(QByteArrayView bytes, const LineHandler& onLine)
{
    Result result;
    for (char c : bytes) {
        switch (state_) {
        case State::Idle:
            if (c == SelectStart)
                state_ = State::Select;
            else if (c == '{')
                state_ = State::Frame;
            else if (c == '&' || c == '%')
                state_ = State::Control;
            else if (c == '\n' || c == '\r')
                break;
            else
                state_ = State::Line;
            if (state_ != State::Idle)
                unit_ = QByteArray(1, c);
            break;
        case State::Discard:
            if (c == '\r' || c == '\n')
                state_ = State::Idle;
            break;
        default: {
            const bool ends = (state_ == State::Select && c == SelectEnd)
                              || (state_ == State::Line && c == '\n')
                              || ((state_ == State::Frame || state_ == State::Control) && c == '\r');
            if (ends) {
                finishUnit(result, onLine);
                state_ = State::Idle;
                unit_.clear();
            } else if (unit_.size() >= LineSplitter::MaxLine) {
                ++result.overruns;
                unit_.clear();
                state_ = State::Discard;
            } else {
                unit_.append(c);
            }
        }
        }
    }
    return result;
}

void Rs485Node::finishUnit(Result& result, const LineHandler& onLine)
{
    switch (state_) {
    case State::Select:
        // A sequence naming another node deselects this one.
        selected_ = unit_.size() == 3 && addressAt(1) == address_;
        break;
    case State::Line:
        if (selected_) {
            if (unit_.endsWith('\r'))
                unit_.chop(1);
            onLine(unit_);
        }
        break;
    case State::Frame:
        finishFrame(result, onLine);
        break;
    case State::Control:
        finishControl(result);
        break;
    default:
        break;
    }
}

void Rs485Node::finishFrame(Result& result, const LineHandler& onLine)
{
    if (addressAt(1) != address_)
        return;
    packetLine_.append(unit_.mid(3));
    qsizetype lf;
    while ((lf = packetLine_.indexOf('\n')) >= 0) {
        const QByteArray line = packetLine_.left(lf);
        packetLine_.remove(0, lf + 1);
        onLine(line);
    }
    if (packetLine_.size() > LineSplitter::MaxLine) {
        ++result.overruns;
        packetLine_.clear();
    }
}

void Rs485Node::finishControl(Result& result)
{
    if (addressAt(1) != address_)
        return;
    const QByteArray me = addressHex(address_);
    if (unit_.startsWith('&')) {
        // Node select ("&" + address + three flag digits): acknowledged by repeating it.
        if (unit_.size() == 6)
            result.controlReplies += unit_ + '\r';
        return;
    }
    const auto newAddress = addressAt(3);
    if (newAddress && *newAddress > 0 && unit_.mid(5) == AddressChangeKey) {
        address_ = *newAddress;
        result.newAddress = address_;
        result.controlReplies += '%' + addressHex(address_) + '\r';
    } else {
        result.controlReplies += '%' + me + "ERR\r";
    }
}

} // namespace dalto::sim
