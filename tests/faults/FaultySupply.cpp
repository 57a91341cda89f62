#include "FaultySupply.h"

#include "SimulatorSettings.h"
#include "app/PanelCatalog.h"
#include "core/BusCode.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QRegularExpression>

namespace dalto::testing {

namespace {

// The program finds its serial line as port 1 of the settings.
constexpr int SerialPortNumber = 1;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool pointSerialPortAt(const QString& config, const QString& device)
{
    QString text = QString::fromUtf8(readFile(config));
    text.replace(QRegularExpression(QStringLiteral("\\nPort%1=[^\\n]*").arg(SerialPortNumber)),
                 QStringLiteral("\nPort%1=%2").arg(SerialPortNumber).arg(device));
    QFile file(config);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) > 0;
}

} // namespace

FaultySupply::FaultySupply(Bus bus, const QString& plan, const QString& startup, const QString& type) : bus_(bus)
{
    QFile planFile(dir_.filePath(QStringLiteral("plan.txt")));
    if (!planFile.open(QIODevice::WriteOnly) || planFile.write(plan.toUtf8()) < 0) {
        error_ = QStringLiteral("cannot write the plan");
        return;
    }
    planFile.close();
    startSimulator();
    if (!error_.isEmpty())
        return;
    config_ = bus == Bus::Tcp
        ? WriteSimulatorSettings(dir_.path(), sim_->host(), sim_->port(), type, startup)
        : WriteSimulatorSettings(dir_.path(), QString(), SerialPortNumber, type, startup, QStringLiteral("RS-232"));
    if (config_.isEmpty() || (bus == Bus::Serial && !pointSerialPortAt(config_, pty_->first()))) {
        error_ = QStringLiteral("cannot write the settings");
        return;
    }
    app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config_, dir_.path()));
    registerProgramPanels(*app_);
    app_->start();
}

void FaultySupply::startSimulator()
{
    QStringList arguments = {QStringLiteral("--fault-plan"), dir_.filePath(QStringLiteral("plan.txt")),
                             QStringLiteral("--log"), dir_.filePath(QStringLiteral("sim.log"))};
    if (bus_ == Bus::Serial) {
        sim_.reset();
        pty_.emplace();
        if (!pty_->isReady()) {
            error_ = pty_->errorText();
            return;
        }
        arguments << QStringLiteral("--serial") << pty_->second();
    }
    sim_.emplace(arguments);
    if (!sim_->isReady())
        error_ = sim_->errorText();
}

bool FaultySupply::replaceLine()
{
    startSimulator();
    if (!error_.isEmpty() || !pointSerialPortAt(config_, pty_->first()))
        return false;
    app_->state().BusCode = bus::Rs232;
    return app_->link().InitComm();
}

QByteArray FaultySupply::simLog() const
{
    return readFile(dir_.filePath(QStringLiteral("sim.log")));
}

QByteArray FaultySupply::debugLog() const
{
    return readFile(dir_.filePath(QStringLiteral("debug.txt")));
}

long residentKiB()
{
    static const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+)"));
    return rss.match(QString::fromLatin1(readFile(QStringLiteral("/proc/self/status")))).captured(1).toLong();
}

} // namespace dalto::testing
