#include "NiGpibDriver.h"

#include "DefaultGpibLibraries.h"
#include "GpibCodes.h"

#include <QStringList>

namespace dalto {

NiGpibDriver::NiGpibDriver() : NiGpibDriver(libraryNames())
{
}

NiGpibDriver::NiGpibDriver(const QStringList& candidates)
{
    load(candidates);
}

QStringList NiGpibDriver::libraryNames()
{
    const QString configured = qEnvironmentVariable("DALTO_GPIB_LIBRARY");
    return configured.isEmpty() ? DefaultGpibLibraries() : QStringList{configured};
}

void NiGpibDriver::load(const QStringList& candidates)
{
    QStringList errors;
    for (const QString& name : candidates) {
        library_.setFileName(name);
        if (library_.load())
            break;
        errors << library_.errorString();
    }
    if (!library_.isLoaded()) {
        loadError_ = errors.join(QStringLiteral("; "));
        return;
    }
    QStringList missing;
    resolve(entries_.ibfind, "ibfind", missing);
    resolve(entries_.ibsic, "ibsic", missing);
    resolve(entries_.ibdev, "ibdev", missing);
    resolve(entries_.ibtmo, "ibtmo", missing);
    resolve(entries_.ibclr, "ibclr", missing);
    resolve(entries_.ibwrt, "ibwrt", missing);
    resolve(entries_.ibrd, "ibrd", missing);
    resolve(entries_.FindLstn, "FindLstn", missing);
    resolve(entries_.ThreadIbsta, "ThreadIbsta", missing);
    resolve(entries_.ThreadIberr, "ThreadIberr", missing);
    resolve(entries_.ThreadIbcntl, "ThreadIbcntl", missing);
    if (!missing.isEmpty()) {
        loadError_ = QStringLiteral("%1 lacks the GPIB functions %2")
                         .arg(library_.fileName(), missing.join(QStringLiteral(", ")));
        entries_ = {};
        return;
    }
    available_ = true;
}

template <typename Function>
void NiGpibDriver::resolve(Function& entry, const char* name, QStringList& missing)
{
    entry = reinterpret_cast<Function>(library_.resolve(name));
    if (entry == nullptr)
        missing << QString::fromLatin1(name);
}

bool NiGpibDriver::available() const
{
    return available_;
}

QString NiGpibDriver::loadError() const
{
    return loadError_;
}

int NiGpibDriver::finish(int result)
{
    registration_.publish({entries_.ThreadIbsta(), entries_.ThreadIberr(),
                           static_cast<int32_t>(entries_.ThreadIbcntl())});
    return result;
}

template <typename Entry, typename... Args>
int NiGpibDriver::call(Entry entry, Args... args)
{
    return available_ ? finish(entry(args...)) : unavailableCall();
}

int NiGpibDriver::unavailableCall()
{
    registration_.publish({gpib::ERR, gpib::EDVR, 0});
    return -1;
}

int NiGpibDriver::ibfind(const QByteArray& name)
{
    return call(entries_.ibfind, name.constData());
}

int NiGpibDriver::ibsic(int ud)
{
    return call(entries_.ibsic, ud);
}

int NiGpibDriver::ibdev(int board, int pad, int sad, int tmo, int eot, int eos)
{
    return call(entries_.ibdev, board, pad, sad, tmo, eot, eos);
}

int NiGpibDriver::ibtmo(int ud, int tmo)
{
    return call(entries_.ibtmo, ud, tmo);
}

int NiGpibDriver::ibclr(int ud)
{
    return call(entries_.ibclr, ud);
}

int NiGpibDriver::ibwrt(int ud, const char* data, long count)
{
    return call(entries_.ibwrt, ud, data, count);
}

int NiGpibDriver::ibrd(int ud, char* buffer, long count)
{
    return call(entries_.ibrd, ud, buffer, count);
}

void NiGpibDriver::FindLstn(int board, const uint16_t* addresses, uint16_t* results, int limit)
{
    if (!available_) {
        unavailableCall();
        return;
    }
    entries_.FindLstn(board, addresses, results, limit);
    finish(0);
}

int NiGpibDriver::RegisterGpibGlobalsForThread(GpibThreadWords* words)
{
    return registration_.registerWords(words);
}

int NiGpibDriver::UnregisterGpibGlobalsForThread()
{
    return registration_.unregisterWords();
}

} // namespace dalto
