#include "sim/LineResponder.h"

namespace dalto::sim {

LineResponder::LineResponder(CommandProcessor& processor, TrafficLog& log, QString channel)
    : processor_(processor)
    , log_(log)
    , channel_(std::move(channel))
{
}

LineResponder::Outcome LineResponder::respond(const QByteArray& line)
{
    log_.received(channel_, line);
    const LineResponse response = processor_.handleLine(line);
    Outcome outcome;
    outcome.restartNetwork = response.restartNetwork;
    if (response.reply) {
        outcome.bytes = *response.reply + "\r\n";
        log_.sent(channel_, outcome.bytes);
    }
    return outcome;
}

void LineResponder::overrun()
{
    processor_.reportOverrun();
    log_.note(channel_, QStringLiteral("over-long line dropped"));
}

} // namespace dalto::sim
