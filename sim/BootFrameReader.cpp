#include "sim/BootFrameReader.h"

#include <utility>

namespace dalto::sim {

std::optional<BootFrame> BootFrameReader::feed(char byte)
{
    switch (state_) {
    case State::Idle:
        if (byte == Stx) {
            state_ = State::Start;
            stxRun_ = 1;
        }
        return std::nullopt; // anything else between frames is line noise
    case State::Start:
        if (byte == Stx) {
            ++stxRun_;
            return std::nullopt;
        }
        if (stxRun_ < 2) { // a probe followed by noise
            state_ = State::Idle;
            return std::nullopt;
        }
        state_ = State::Body;
        body_.clear();
        if (byte == Etx)
            return refuse(QStringLiteral("empty packet"));
        if (byte == Dle) {
            state_ = State::Escape;
            return std::nullopt;
        }
        return append(byte);
    case State::Body:
        if (byte == Stx) { // a new packet starts: the one before lost its end
            stxRun_ = 1;
            return refuse(QStringLiteral("packet without ETX"), State::Start);
        }
        if (byte == Dle) {
            state_ = State::Escape;
            return std::nullopt;
        }
        if (byte == Etx)
            return finish();
        return append(byte);
    case State::Escape:
        if (byte != Stx && byte != Etx && byte != Dle)
            return refuse(QStringLiteral("DLE before an ordinary byte"));
        state_ = State::Body;
        return append(byte);
    }
    return std::nullopt;
}

std::optional<BootFrame> BootFrameReader::append(char byte)
{
    if (body_.size() == MaxBody)
        return refuse(QStringLiteral("packet longer than %1 bytes").arg(MaxBody));
    body_.append(byte);
    return std::nullopt;
}

std::optional<BootFrame> BootFrameReader::finish()
{
    state_ = State::Idle;
    if (body_.size() < 2)
        return refuse(QStringLiteral("packet without body"));
    quint8 sum = 0;
    for (char c : body_)
        sum += static_cast<quint8>(c);
    if (sum != 0)
        return refuse(QStringLiteral("checksum wrong"));
    body_.chop(1);
    return BootFrame {std::exchange(body_, {}), QString()};
}

std::optional<BootFrame> BootFrameReader::refuse(const QString& fault, State next)
{
    state_ = next;
    body_.clear();
    return BootFrame {QByteArray(), fault};
}

} // namespace dalto::sim
