#include "support/PtyPair.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

namespace dalto::testing {

PtyPair::PtyPair()
{
    socat_.setProgram(QStringLiteral("socat"));
    socat_.setArguments({QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("pty,raw,echo=0"),
                         QStringLiteral("pty,raw,echo=0")});
    socat_.setReadChannel(QProcess::StandardError);
    socat_.start();
    if (!socat_.waitForStarted(StartTimeoutMs)) {
        error_ = QStringLiteral("cannot start socat: ") + socat_.errorString();
        return;
    }

    // socat names both terminals, then reports that it starts transferring.
    static const QRegularExpression ptyLine(QStringLiteral("PTY is (\\S+)"));
    QByteArray text;
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!text.contains("starting data transfer loop")) {
        if (deadline.hasExpired() || !socat_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            error_ = QStringLiteral("socat did not set up the terminals: ") + QString::fromLocal8Bit(text);
            return;
        }
        text += socat_.readAllStandardError();
    }
    auto matches = ptyLine.globalMatch(QString::fromLocal8Bit(text));
    if (matches.hasNext())
        first_ = matches.next().captured(1);
    if (matches.hasNext())
        second_ = matches.next().captured(1);
    if (second_.isEmpty())
        error_ = QStringLiteral("socat named no terminals: ") + QString::fromLocal8Bit(text);
}

PtyPair::~PtyPair()
{
    if (socat_.state() == QProcess::NotRunning)
        return;
    socat_.terminate();
    if (!socat_.waitForFinished(3000)) {
        socat_.kill();
        socat_.waitForFinished(3000);
    }
}

bool PtyPair::isReady() const
{
    return !second_.isEmpty() && socat_.state() == QProcess::Running;
}

} // namespace dalto::testing
