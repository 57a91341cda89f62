#include "GpibLayer.h"

#include "GpibCodes.h"
#include "core/LegacyNumbers.h"
#include "link/LinkFault.h"

#include <algorithm>
#include <type_traits>

namespace dalto {

namespace {

constexpr int BoardNumber = 0;
constexpr int BoardIndex = 0;
constexpr int SecondaryAddress = 0;
constexpr int TimeoutT300ms = 10;
constexpr int NoEoiAtEndOfWrites = 0;
constexpr int EndReadOnEosByte = 0x400;
// What the status words hold when they could not be registered: the call's own
// status is then unknown, so it counts as failed.
constexpr int32_t UnregisteredCount = static_cast<int32_t>(0xDEAD37F0u);

const QString FaultSource = QStringLiteral("GPIB");
constexpr int LibraryLoadErrorNumber = 48;
constexpr int OverflowErrorNumber = 6;

// The address and end-of-string texts reach the library as Integers.
int16_t integerArgument(const QString& text)
{
    const auto value = legacy::toInteger(legacy::leadingNumber(text));
    if (!value)
        throw LinkFault{QStringLiteral("Overflow"), FaultSource, OverflowErrorNumber};
    return *value;
}

} // namespace

GpibLayer::GpibLayer(AppContext& context, GpibDriver& driver) : context_(context), driver_(driver) {}

GpibLayer::~GpibLayer()
{
    if (context_.state.Gpib.registered == 1) {
        driver_.UnregisterGpibGlobalsForThread();
        context_.state.Gpib.registered = 0;
    }
}

template <typename Call>
auto GpibLayer::libraryCall(Call call)
{
    ensureRegistered();
    if constexpr (std::is_void_v<decltype(call())>) {
        call();
        copyThreadWords();
    } else {
        const auto result = call();
        copyThreadWords();
        return result;
    }
}

void GpibLayer::ensureRegistered()
{
    GpibStatusWords& words = context_.state.Gpib;
    if (words.registered == 1)
        return;
    switch (driver_.RegisterGpibGlobalsForThread(&threadWords_)) {
    case 0:
        words.registered = 1;
        return;
    case 1:
        driver_.UnregisterGpibGlobalsForThread();
        driver_.RegisterGpibGlobalsForThread(&threadWords_);
        words.registered = 1;
        return;
    case 2:
    case 3:
        driver_.UnregisterGpibGlobalsForThread();
        break;
    default:
        break;
    }
    // Written into the thread words themselves: the copy after the call then
    // carries the failure instead of overwriting it with stale words.
    threadWords_ = {gpib::ERR, gpib::EDVR, UnregisteredCount};
}

void GpibLayer::copyThreadWords()
{
    GpibStatusWords& words = context_.state.Gpib;
    words.threadIbsta = threadWords_.ibsta;
    words.threadIberr = threadWords_.iberr;
    words.threadIbcntl = threadWords_.ibcntl;
    // Integer copies keep the low 16 bits, read as signed.
    words.ibsta = static_cast<int16_t>(threadWords_.ibsta);
    words.iberr = static_cast<int16_t>(threadWords_.iberr);
    words.ibcnt = static_cast<int16_t>(threadWords_.ibcntl);
    words.ibcntl = threadWords_.ibcntl;
}

void GpibLayer::GpibOpen()
{
    if (!driver_.available())
        throw LinkFault{driver_.loadError(), FaultSource, LibraryLoadErrorNumber,
                        QStringLiteral("the GPIB driver is missing")};
    SharedState& state = context_.state;
    const int primaryAddress = integerArgument(state.DeviceAddress);
    const int eosMode = EndReadOnEosByte | (integerArgument(state.GpibEosText) & 0xFF);
    const QByteArray boardName = "gpib" + QByteArray::number(BoardNumber);

    GpibStatusWords& words = state.Gpib;
    words.GpibBoard = static_cast<int16_t>(libraryCall([&] { return driver_.ibfind(boardName); }));
    libraryCall([&] { return driver_.ibsic(words.GpibBoard); });
    words.GpibDevice = static_cast<int16_t>(libraryCall([&] {
        return driver_.ibdev(BoardIndex, primaryAddress, SecondaryAddress, TimeoutT300ms,
                             NoEoiAtEndOfWrites, eosMode);
    }));
    libraryCall([&] { return driver_.ibtmo(words.GpibBoard, TimeoutT300ms); });
}

void GpibLayer::GpibClear(int descriptor)
{
    libraryCall([&] { return driver_.ibclr(descriptor); });
}

void GpibLayer::GpibWrite(const QString& address, const QByteArray& text)
{
    GpibWriteBytes(address, text);
}

void GpibLayer::GpibWriteBytes(const QString& address, const QByteArray& bytes)
{
    libraryCall([&] { return driver_.ibwrt(context_.state.Gpib.GpibDevice, bytes.constData(), bytes.size()); });
    checkTransfer(address);
}

void GpibLayer::GpibRead(const QString& address, QByteArray& buffer)
{
    GpibReadQuiet(buffer);
    checkTransfer(address);
}

void GpibLayer::GpibReadQuiet(QByteArray& buffer)
{
    libraryCall([&] { return driver_.ibrd(context_.state.Gpib.GpibDevice, buffer.data(), buffer.size()); });
}

std::vector<uint16_t> GpibLayer::GpibFindListeners(int boardIndex, const std::vector<uint16_t>& addresses,
                                                   int limit)
{
    std::vector<uint16_t> list = addresses;
    list.push_back(gpib::NOADDR);
    // Unused result places keep the marker, so the listeners found are the
    // entries before the first marker.
    const int places = std::max(limit, 0);
    std::vector<uint16_t> results(static_cast<size_t>(places), gpib::NOADDR);
    libraryCall([&] { driver_.FindLstn(boardIndex, list.data(), results.data(), places); });
    results.erase(std::find(results.begin(), results.end(), gpib::NOADDR), results.end());
    return results;
}

bool GpibLayer::errorBitSet() const
{
    return static_cast<uint16_t>(context_.state.Gpib.ibsta) >= 32768;
}

void GpibLayer::checkTransfer(const QString& address)
{
    if (!errorBitSet() || context_.state.Probing)
        return;
    const PromptAnswer answer =
        context_.prompts.message(QStringLiteral("Device Timeout on Address: ") + address + QStringLiteral(" Continue?"),
                                 ApplicationTitle, PromptButtons::YesNo);
    if (answer == PromptAnswer::No)
        context_.endProgram();
}

} // namespace dalto
