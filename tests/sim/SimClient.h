#pragma once
// A plain line client for the simulator tests: writes command lines to a
// socket or serial port and reads CR LF-ended replies, waiting at most a few
// seconds so that a silent simulator fails the test instead of hanging it.

#include <QByteArray>
#include <QIODevice>
#include "QStringPrinter.h"

#include <QString>
#include <ostream>


namespace dalto::testing {

class SimClient {
public:
    static constexpr int ReplyWaitMs = 5000;

    explicit SimClient(QIODevice& device) : device_(device) {}

    // Sends bytes as they are.
    void write(const QByteArray& bytes);
    // Sends text + LF.
    void send(const QByteArray& command) { write(command + '\n'); }
    // Sends text + LF and returns the reply without CR LF; "<silent>" when none came.
    QString query(const QByteArray& command);
    // Bytes up to and including the next `end`, or what came before the wait ran out.
    QByteArray readUntil(char end);

private:
    QIODevice& device_;
    QByteArray buffer_;
};

} // namespace dalto::testing
