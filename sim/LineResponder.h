#pragma once
// What every endpoint does with a received line: log it, let the command
// processor answer it, log the reply and hand back the bytes to send.

#include "sim/CommandProcessor.h"
#include "sim/TrafficLog.h"

#include <QByteArray>
#include <QString>

namespace dalto::sim {

class LineResponder {
public:
    LineResponder(CommandProcessor& processor, TrafficLog& log, QString channel);

    struct Outcome {
        QByteArray bytes; // the reply with CR LF, or empty
        bool restartNetwork = false;
    };
    Outcome respond(const QByteArray& line);
    void overrun();

    const QString& channel() const { return channel_; }
    TrafficLog& log() { return log_; }

private:
    CommandProcessor& processor_;
    TrafficLog& log_;
    QString channel_;
};

} // namespace dalto::sim
