#include "support/SimProcess.h"

#include "support/StopSignal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>

#include <algorithm>

namespace dalto::testing {

QString SimProcess::executable()
{
    const QString fromEnvironment = qEnvironmentVariable("DALTO_SIM");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/dalto-sim");
}

SimProcess::SimProcess(const QStringList& arguments)
{
    QStringList all = arguments;
    const bool namesTcp = std::any_of(all.cbegin(), all.cend(), [](const QString& a) { return a.startsWith("--tcp"); });
    if (!namesTcp)
        all << QStringLiteral("--tcp") << QStringLiteral("127.0.0.1:0");
    process_.setProgram(executable());
    process_.setArguments(all);
    PrepareForStopSignal(process_);
    process_.start();
    if (!process_.waitForStarted(StartTimeoutMs)) {
        error_ = QStringLiteral("cannot start %1: %2").arg(executable(), process_.errorString());
        return;
    }

    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            error_ = QStringLiteral("dalto-sim gave no ready line");
            const QByteArray stderrText = process_.readAllStandardError();
            if (!stderrText.isEmpty())
                error_ += QStringLiteral(": ") + QString::fromLocal8Bit(stderrText).trimmed();
            return;
        }
    }
    readyLine_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    static const QRegularExpression tcp(QStringLiteral("tcp [^ ,]+:(\\d+)"));
    const auto match = tcp.match(readyLine_);
    if (match.hasMatch())
        port_ = static_cast<quint16>(match.captured(1).toUInt());
    static const QRegularExpression discovery(QStringLiteral("discovery [^ ,]+:(\\d+)"));
    const auto discoveryMatch = discovery.match(readyLine_);
    if (discoveryMatch.hasMatch())
        discoveryPort_ = static_cast<quint16>(discoveryMatch.captured(1).toUInt());
}

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::isReady() const
{
    return !readyLine_.isEmpty() && process_.state() == QProcess::Running;
}

std::optional<int> SimProcess::stop(int signal)
{
    if (process_.state() != QProcess::NotRunning) {
        SendStopSignal(process_, signal);
        if (!process_.waitForFinished(StopTimeoutMs)) {
            process_.kill();
            process_.waitForFinished(StopTimeoutMs);
            return std::nullopt;
        }
    }
    if (process_.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process_.exitCode();
}

} // namespace dalto::testing
