#include "SimulatedGpibBus.h"

#include "GpibCodes.h"

#include <algorithm>

namespace dalto {

namespace {

const QByteArray BoardName = "gpib0";
constexpr int BoardIndex = 0;
constexpr int HighestTimeoutCode = 17; // T1000s
constexpr int EndReadOnEosByte = 0x400;

bool validTimeout(int tmo)
{
    return tmo >= 0 && tmo <= HighestTimeoutCode;
}

} // namespace

void SimulatedGpibBus::placeInstrument(int address, const QByteArray& identification, Answer answer)
{
    instruments_[address] = Instrument{identification, std::move(answer), {}, {}};
}

void SimulatedGpibBus::removeInstrument(int address)
{
    instruments_.erase(address);
}

int SimulatedGpibBus::report(int32_t status, int32_t error, int32_t count)
{
    registration_.publish({status, error, count});
    return status;
}

int SimulatedGpibBus::reportDescriptor(int ud, int32_t error)
{
    if (ud < 0) {
        report(gpib::ERR, error);
        return -1;
    }
    report(gpib::CMPL);
    return ud;
}

SimulatedGpibBus::Instrument* SimulatedGpibBus::addressed(int ud)
{
    const auto descriptor = descriptors_.find(ud);
    if (descriptor == descriptors_.end() || descriptor->second.board)
        return nullptr;
    const auto instrument = instruments_.find(descriptor->second.pad);
    return instrument == instruments_.end() ? nullptr : &instrument->second;
}

int SimulatedGpibBus::ibfind(const QByteArray& name)
{
    if (name.compare(BoardName, Qt::CaseInsensitive) != 0)
        return reportDescriptor(-1, gpib::EDVR);
    if (!board_) {
        board_ = nextDescriptor_++;
        descriptors_[*board_] = Descriptor{true, -1, 0};
    }
    return reportDescriptor(*board_, 0);
}

int SimulatedGpibBus::ibsic(int ud)
{
    if (!board_ || ud != *board_)
        return report(gpib::ERR, gpib::EARG);
    return report(gpib::CMPL);
}

int SimulatedGpibBus::ibdev(int board, int pad, int /*sad*/, int tmo, int /*eot*/, int eos)
{
    if (board != BoardIndex)
        return reportDescriptor(-1, gpib::EDVR);
    if (pad < 0 || pad > HighestPrimaryAddress || !validTimeout(tmo))
        return reportDescriptor(-1, gpib::EARG);
    const int ud = nextDescriptor_++;
    descriptors_[ud] = Descriptor{false, pad, eos};
    return reportDescriptor(ud, 0);
}

int SimulatedGpibBus::ibtmo(int ud, int tmo)
{
    if (!descriptors_.contains(ud))
        return report(gpib::ERR, gpib::EDVR);
    if (!validTimeout(tmo))
        return report(gpib::ERR, gpib::EARG);
    return report(gpib::CMPL);
}

int SimulatedGpibBus::ibclr(int ud)
{
    Instrument* instrument = addressed(ud);
    if (instrument == nullptr)
        return report(gpib::ERR | gpib::CMPL, gpib::ENOL);
    instrument->input.clear();
    instrument->output.clear();
    return report(gpib::CMPL);
}

int SimulatedGpibBus::ibwrt(int ud, const char* data, long count)
{
    Instrument* instrument = addressed(ud);
    if (count < 0)
        return report(gpib::ERR, gpib::EARG);
    if (instrument == nullptr)
        return report(gpib::ERR | gpib::CMPL, gpib::ENOL);
    instrument->input.append(data, count);
    qsizetype lineEnd;
    while ((lineEnd = instrument->input.indexOf('\n')) >= 0) {
        const QByteArray line = instrument->input.left(lineEnd);
        instrument->input.remove(0, lineEnd + 1);
        takeCommand(*instrument, line);
    }
    return report(gpib::CMPL, 0, static_cast<int32_t>(count));
}

void SimulatedGpibBus::takeCommand(Instrument& instrument, const QByteArray& line)
{
    const QByteArray command = line.trimmed();
    std::optional<QByteArray> reply;
    if (command.compare("*IDN?", Qt::CaseInsensitive) == 0)
        reply = instrument.identification;
    else if (instrument.answer)
        reply = instrument.answer(command);
    // A new query discards a reply nobody read.
    if (reply)
        instrument.output = *reply + '\n';
}

int SimulatedGpibBus::ibrd(int ud, char* buffer, long count)
{
    Instrument* instrument = addressed(ud);
    if (count < 0)
        return report(gpib::ERR, gpib::EARG);
    if (instrument == nullptr || instrument->output.isEmpty())
        return report(gpib::ERR | gpib::TIMO | gpib::CMPL, gpib::EABO);
    const int eos = descriptors_[ud].eos;
    qsizetype length = std::min<qsizetype>(count, instrument->output.size());
    bool end = length == instrument->output.size();
    if (eos & EndReadOnEosByte) {
        const qsizetype eosAt = instrument->output.left(length).indexOf(static_cast<char>(eos & 0xFF));
        if (eosAt >= 0) {
            length = eosAt + 1;
            end = true;
        }
    }
    std::copy_n(instrument->output.constData(), length, buffer);
    instrument->output.remove(0, length);
    return report(gpib::CMPL | (end ? gpib::END : 0), 0, static_cast<int32_t>(length));
}

void SimulatedGpibBus::FindLstn(int board, const uint16_t* addresses, uint16_t* results, int limit)
{
    if (board != BoardIndex) {
        report(gpib::ERR, gpib::EDVR);
        return;
    }
    int found = 0;
    for (; *addresses != gpib::NOADDR; ++addresses) {
        const int pad = *addresses & 0xFF;
        if (!instruments_.contains(pad))
            continue;
        if (found == limit) {
            report(gpib::ERR | gpib::CMPL, gpib::ETAB, found);
            return;
        }
        results[found++] = static_cast<uint16_t>(pad);
    }
    report(gpib::CMPL, 0, found);
}

int SimulatedGpibBus::RegisterGpibGlobalsForThread(GpibThreadWords* words)
{
    return registration_.registerWords(words);
}

int SimulatedGpibBus::UnregisterGpibGlobalsForThread()
{
    return registration_.unregisterWords();
}

} // namespace dalto
