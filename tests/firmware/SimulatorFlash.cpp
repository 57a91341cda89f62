#include "SimulatorFlash.h"

#include "link/LinkBackends.h"

#include <QFile>
#include <QProcess>

namespace dalto::testing {

namespace {
constexpr int ToolTimeoutMs = 60000;
constexpr int16_t SerialPortNumber = 1;
} // namespace

SimulatorFlash::SimulatorFlash(const QStringList& simArguments, bool startInBootLoader)
    : context{clock, prompts,
              Paths(folder_.path(), folder_.path() + QStringLiteral("/Dalto_Panel.ini"), folder_.path())}
{
    if (!pty_.isReady()) {
        problem_ = pty_.errorText();
        return;
    }
    QFile ini(context.paths.configFile());
    if (!ini.open(QIODevice::WriteOnly)) {
        problem_ = QStringLiteral("cannot write the settings file: ") + ini.errorString();
        return;
    }
    ini.write(QStringLiteral("[Serial_Ports]\r\nPort%1=%2\r\n").arg(SerialPortNumber).arg(pty_.first()).toLocal8Bit());
    ini.close();

    QStringList arguments{QStringLiteral("--serial"), pty_.second(), QStringLiteral("--firmware-image"),
                          folder_.filePath(QStringLiteral("stored.bin"))};
    if (startInBootLoader)
        arguments << QStringLiteral("--boot-loader");
    sim_ = std::make_unique<SimProcess>(arguments + simArguments);
    if (!sim_->isReady()) {
        problem_ = sim_->errorText();
        return;
    }
    context.state.BusCode = 1;
    context.state.DevicePort = SerialPortNumber;
    link = std::make_unique<DeviceLink>(context, realLinkBackends(context));
    if (!link->InitComm())
        problem_ = QStringLiteral("the serial line did not open: ") + prompts.messageTexts().join(u' ');
    loader = std::make_unique<firmware::FirmwareLoader>(*link, host);
}

QString SimulatorFlash::makeHexFile(const QByteArray& image, int recordBytes)
{
    const QString binary = folder_.filePath(QStringLiteral("image.bin"));
    const QString hex = folder_.filePath(QStringLiteral("image.hex"));
    QFile file(binary);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) {
        problem_ = QStringLiteral("cannot write the image: ") + file.errorString();
        return {};
    }
    file.close();
    QProcess tool;
    tool.start(QStringLiteral("srec_cat"),
               {binary, QStringLiteral("-binary"), QStringLiteral("-offset"), QStringLiteral("0x%1").arg(ImageOffset, 0, 16),
                QStringLiteral("-o"), hex, QStringLiteral("-intel"), QStringLiteral("-address-length=4"),
                QStringLiteral("-output_block_size=%1").arg(recordBytes)});
    if (!tool.waitForFinished(ToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        problem_ = QStringLiteral("srec_cat failed (package srecord): ") + tool.errorString() + u' ' +
                   QString::fromLocal8Bit(tool.readAllStandardError());
        return {};
    }
    return hex;
}

QByteArray SimulatorFlash::storedImage() const
{
    QFile file(folder_.filePath(QStringLiteral("stored.bin")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace dalto::testing
