#include "CtlRun.h"

#include <QProcess>

namespace dalto::testing {

QStringList CtlResult::outLines() const
{
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

CtlResult RunCtl(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(qEnvironmentVariable("DALTOCTL"), arguments);
    CtlResult result;
    if (!process.waitForStarted()) {
        result.err = process.errorString();
        return result;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(CtlRunLimitMs)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QStringList TcpTo(quint16 port)
{
    return {"--bus", "tcp", "--address", "127.0.0.1", "--port", QString::number(port)};
}

} // namespace dalto::testing
