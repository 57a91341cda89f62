#include "FirmwareLoader.h"

#include "AddressText.h"
#include "BootPackets.h"
#include "ModulationTableCheck.h"
#include "core/AppContext.h"
#include "core/BusCode.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

#include <QFileInfo>
#include <cmath>

namespace dalto::firmware {

namespace {

const QString LoaderTitle = QStringLiteral("Firmware Loader");
const QString NoContactText = QStringLiteral("Firmware Loader could not establish communication");
const QString LostText = QStringLiteral("Firmware Loader lost communication");
const QString WarningTitle = QStringLiteral("Firmware Programming Warning");
const QString SilentAfterText = QStringLiteral("Could not establish communications with device after firmware "
                                               "programming.\r\nPlease make sure remote operation is enabled to "
                                               "continue using Dalto Panel.");
const QString VoltageQuery = QStringLiteral("VOLT?");

// The boot loader must answer, and acknowledge each packet, within this time.
constexpr double ContactSeconds = 10.0;
// Probes go out at most this often: enough to catch the boot loader at once
// without flooding the line or spinning a core.
constexpr double ProbeIntervalSeconds = 0.008;
constexpr int16_t AcknowledgementSeconds = 2;
// A reply this long acknowledges a packet; a shorter one asks for it again.
constexpr qsizetype MinAcknowledgementChars = 3;

// The first 0x200 bytes hold the boot loader's own vector and are never erased;
// erasing then goes block by block up to the last block of program memory.
constexpr uint32_t FirstErasedAddress = 0x200;
constexpr uint32_t EraseBlockBytes = 0x1000;
constexpr uint32_t LastEraseBlock = 0x1F000;
constexpr int EraseSteps = 32;

// After the restart the supply is polled this long, then left alone, then polled again.
constexpr double RestartPollSeconds = 6.0;
constexpr double RestartPauseSeconds = 5.0;
constexpr int16_t PollReplySeconds = 1;

// The reset vector of the boot loader: a record for it in the first 64 KiB is
// left out, so that the boot loader still starts.
const QString ResetVectorAddress = QStringLiteral("0000");

// Run-time error numbers of a file that is missing or cannot be read.
constexpr int FileNotFoundNumber = 53;
constexpr int FileAccessNumber = 75;

} // namespace

FirmwareLoader::FirmwareLoader(DeviceLink& link, LoaderHost& host)
    : link_(link), context_(link.context()), host_(host)
{
}

void FirmwareLoader::run(const QString& path)
{
    if (running_)
        return;
    running_ = true;
    context_.state.LoaderActive = true;
    bus_ = context_.state.BusCode;
    host_.showStatus(LoaderStatus::Blank);

    const HexFile file = loadHexFile(path);
    switch (file.fault) {
    case HexFault::None:
        transfer(file);
        break;
    case HexFault::Invalid:
        end(LoaderStatus::InvalidFile);
        break;
    case HexFault::RefusedRecordType:
        end(LoaderStatus::Error);
        break;
    case HexFault::Unreadable:
        host_.reportError(LoaderError{ApplicationTitle, file.error,
                                      QFileInfo::exists(path) ? FileAccessNumber : FileNotFoundNumber});
        break;
    }
    eraseVars();
}

void FirmwareLoader::transfer(const HexFile& file)
{
    if (initiate() && erase() && load(file))
        restartAndCheck();
}

bool FirmwareLoader::initiate()
{
    host_.showStatus(LoaderStatus::Initiating);
    QString reply;
    link_.ReadDeviceEot(reply, 0, false);
    Clock& clock = context_.clock;
    const double started = clock.now();
    double nextProbe = started;
    for (;;) {
        if (!active())
            return end(LoaderStatus::Stopped);
        if (linkLost() || clock.now() - started > ContactSeconds)
            return end(LoaderStatus::TimedOut, NoContactText);
        if (const double wait = nextProbe - clock.now(); wait > 0) {
            clock.pump(int(std::ceil(wait * 1000)));
            continue;
        }
        nextProbe = clock.now() + ProbeIntervalSeconds;
        link_.WriteDeviceBytes(OneByte(STX), false);
        link_.ReadDeviceEot(reply, 0, false);
        clock.pump();
        if (!reply.isEmpty())
            break;
    }
    // Probes sent before the boot loader woke may still be answered; those answers
    // must not pass for the first erase packet's acknowledgement.
    while (!reply.isEmpty() && clock.now() - started <= ContactSeconds)
        link_.ReadDeviceEot(reply, 0, false);
    return true;
}

bool FirmwareLoader::erase()
{
    host_.showStatus(LoaderStatus::Erasing);
    host_.showProgressRange(EraseSteps);
    int progress = 0;
    host_.showProgress(progress);
    lastAcknowledged_ = context_.clock.now();
    uint32_t address = FirstErasedAddress;
    while (address <= LastEraseBlock) {
        if (address > EraseBlockBytes)
            address -= address % EraseBlockBytes;
        link_.WriteDeviceBytes(Create_Erase(address), false);
        host_.showAddress(eraseAddressText(address));
        address += EraseBlockBytes;
        host_.showProgress(++progress);
        switch (awaitAcknowledgement()) {
        case Answer::Acknowledged:
            if (!active())
                return end(LoaderStatus::Stopped);
            break;
        case Answer::Short:
            address -= EraseBlockBytes;
            host_.showProgress(--progress);
            if (context_.clock.now() - lastAcknowledged_ > ContactSeconds)
                return end(LoaderStatus::TimedOut, LostText);
            break;
        case Answer::LinkLost:
            return end(LoaderStatus::TimedOut, LostText);
        }
    }
    return true;
}

bool FirmwareLoader::load(const HexFile& file)
{
    host_.showStatus(LoaderStatus::Loading);
    host_.showProgressRange(file.upperBound);
    host_.showProgress(0);
    uint16_t upper = 0;
    size_t line = 0;
    while (active()) {
        const HexRecord& record = file.records[line];
        bool handled = true;
        switch (RecordType(record.type)) {
        case RecordType::Data:
            if (upper == 0 && record.addressText == ResetVectorAddress)
                break;
            link_.WriteDeviceBytes(BuildDataPacket(record, upper), false);
            host_.showAddress(writeAddressText(upper, record));
            switch (awaitAcknowledgement()) {
            case Answer::Acknowledged:
                break;
            case Answer::Short:
                handled = false;
                if (context_.clock.now() - lastAcknowledged_ > ContactSeconds)
                    return end(LoaderStatus::TimedOut, LostText);
                break;
            case Answer::LinkLost:
                return end(LoaderStatus::TimedOut, LostText);
            }
            break;
        case RecordType::ExtendedLinearAddress:
            upper = record.upperAddress();
            lastAcknowledged_ = context_.clock.now();
            break;
        case RecordType::EndOfFile:
            return true;
        default:
            // The file check lets no other record type through.
            return end(LoaderStatus::Error);
        }
        if (handled)
            host_.showProgress(int(++line));
        context_.clock.pump();
    }
    return end(LoaderStatus::Stopped);
}

void FirmwareLoader::restartAndCheck()
{
    link_.WriteDeviceBytes(Create_Reset(), false);
    link_.FlushInput();
    supplyAnswers();
    waitLettingEventsRun(RestartPauseSeconds);
    link_.FlushInput();
    const bool answered = supplyAnswers();
    if (!active()) {
        end(LoaderStatus::Stopped);
    } else if (!answered) {
        host_.tell(LoaderMessage{SilentAfterText, WarningTitle, PromptIcon::Exclamation});
        end(LoaderStatus::FinishedSilent);
    } else {
        ReadAllState(link_);
        if (legacy::leadingNumber(context_.state.FirmwareVersion) < ModulationCheckBelowVersion)
            CheckModulationTable(link_);
        end(LoaderStatus::Finished);
    }
}

bool FirmwareLoader::supplyAnswers()
{
    const double started = context_.clock.now();
    QString reply;
    do {
        link_.WriteDevice(VoltageQuery, false);
        link_.ReadDeviceQuiet(reply, PollReplySeconds, false);
    } while (reply.isEmpty() && context_.clock.now() - started < RestartPollSeconds);
    return !reply.isEmpty() && !linkLost();
}

void FirmwareLoader::waitLettingEventsRun(double seconds)
{
    const double until = context_.clock.now() + seconds;
    while (context_.clock.now() < until && !context_.programEnding)
        context_.clock.pump(int(std::ceil((until - context_.clock.now()) * 1000)));
}

FirmwareLoader::Answer FirmwareLoader::awaitAcknowledgement()
{
    QString reply;
    link_.ReadDeviceEot(reply, AcknowledgementSeconds, false);
    if (linkLost())
        return Answer::LinkLost;
    if (reply.size() < MinAcknowledgementChars)
        return Answer::Short;
    lastAcknowledged_ = context_.clock.now();
    return Answer::Acknowledged;
}

bool FirmwareLoader::active() const
{
    return running_ && !context_.programEnding;
}

bool FirmwareLoader::linkLost() const
{
    // A link fault drops the link into Simulated mode, whose canned replies would
    // otherwise pass for acknowledgements.
    return context_.state.BusCode != bus_;
}

bool FirmwareLoader::end(LoaderStatus status, const QString& message)
{
    host_.showStatus(status);
    if (!message.isEmpty())
        host_.tell(LoaderMessage{message, LoaderTitle, PromptIcon::None});
    return false;
}

void FirmwareLoader::eraseVars()
{
    running_ = false;
    context_.state.LoaderActive = false;
    host_.transferEnded();
}

} // namespace dalto::firmware
