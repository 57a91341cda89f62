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
// Before a packet goes out the line has been quiet this long and what arrived is
// dropped, so that the reply read afterwards can only answer that packet: a late
// acknowledgement or a surplus probe answer would otherwise pass for the next
// packet's reply and shift every later one. USB-serial adapters hold received
// bytes back for up to 16 ms.
constexpr double LineQuietSeconds = 0.02;
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

// The run-time errors of a file that is missing or cannot be read, in the
// runtime's own words.
constexpr int FileNotFoundNumber = 53;
constexpr int FileAccessNumber = 75;
const QString FileNotFoundText = QStringLiteral("File not found");
const QString FileAccessText = QStringLiteral("Path/File access error");

LoaderError unreadableFileError(const QString& path)
{
    if (QFileInfo::exists(path))
        return LoaderError{ApplicationTitle, FileAccessText, FileAccessNumber};
    return LoaderError{ApplicationTitle, FileNotFoundText, FileNotFoundNumber};
}

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
    restarted_ = false;
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
        host_.reportError(unreadableFileError(path));
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
        // Answers to further probes still on their way are dropped before the
        // first packet goes out.
        if (!reply.isEmpty())
            return true;
    }
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
        if (!sendWhenQuiet(Create_Erase(address)))
            return endLost();
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
        case Answer::Lost:
            return endLost();
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
            if (!sendWhenQuiet(BuildDataPacket(record, upper)))
                return endLost();
            host_.showAddress(writeAddressText(upper, record));
            switch (awaitAcknowledgement()) {
            case Answer::Acknowledged:
                break;
            case Answer::Short:
                handled = false;
                if (context_.clock.now() - lastAcknowledged_ > ContactSeconds)
                    return end(LoaderStatus::TimedOut, LostText);
                break;
            case Answer::Lost:
                return endLost();
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
    if (!sendWhenQuiet(Create_Reset())) {
        endLost();
        return;
    }
    restarted_ = true;
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
        // The poll's read lets no events run; between polls they do, so that the
        // window stays usable and the end of the program is seen.
        context_.clock.pump();
    } while (reply.isEmpty() && !context_.programEnding && context_.clock.now() - started < RestartPollSeconds);
    return !reply.isEmpty() && !linkLost();
}

void FirmwareLoader::waitLettingEventsRun(double seconds)
{
    const double until = context_.clock.now() + seconds;
    while (context_.clock.now() < until && !context_.programEnding)
        context_.clock.pump(int(std::ceil((until - context_.clock.now()) * 1000)));
}

bool FirmwareLoader::sendWhenQuiet(const QByteArray& packet)
{
    Clock& clock = context_.clock;
    const double deadline = lastAcknowledged_ + ContactSeconds;
    QString stray;
    for (double quietSince = clock.now(); clock.now() - quietSince < LineQuietSeconds;) {
        if (context_.programEnding || linkLost() || clock.now() > deadline)
            return false;
        // Waits one receive slice at most, letting events run.
        link_.ReadDeviceEot(stray, 0, false);
        if (!stray.isEmpty())
            quietSince = clock.now();
    }
    link_.FlushInput();
    link_.WriteDeviceBytes(packet, false);
    return true;
}

FirmwareLoader::Answer FirmwareLoader::awaitAcknowledgement()
{
    QString reply;
    link_.ReadDeviceEot(reply, AcknowledgementSeconds, false);
    if (context_.programEnding || linkLost())
        return Answer::Lost;
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

bool FirmwareLoader::endLost()
{
    if (context_.programEnding)
        return end(LoaderStatus::Stopped);
    return end(LoaderStatus::TimedOut, LostText);
}

void FirmwareLoader::eraseVars()
{
    running_ = false;
    context_.state.LoaderActive = false;
    host_.transferEnded();
}

} // namespace dalto::firmware
