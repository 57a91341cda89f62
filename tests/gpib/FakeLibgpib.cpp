// A stand-in for linux-gpib's libgpib.so.0 (or a Windows NI-488.2 DLL) with the same C entry points: it
// records the last call with its arguments and keeps per-thread status words the
// test chooses. Built as a loadable module; with FAKE_LIBGPIB_WITHOUT_FINDLSTN it
// lacks one entry point, as an incompatible library would.

#include <algorithm>
#include <cstring>
#include <string>

#ifdef _WIN32
#define EXPORTED extern "C" __declspec(dllexport)
#else
#define EXPORTED extern "C" __attribute__((visibility("default")))
#endif

namespace {
thread_local int status = 0;
thread_local int error = 0;
thread_local long count = 0;
int nextStatus = 0x100;
int nextError = 0;
std::string lastCall;

int record(const std::string& call, long transferred = 0)
{
    lastCall = call;
    status = nextStatus;
    error = nextError;
    count = transferred;
    return status;
}

std::string numbers(std::initializer_list<long> values)
{
    std::string text;
    for (long value : values)
        text += ' ' + std::to_string(value);
    return text;
}
} // namespace

EXPORTED void fake_gpib_set_status(int sta, int err)
{
    nextStatus = sta;
    nextError = err;
}
EXPORTED const char* fake_gpib_last_call() { return lastCall.c_str(); }

EXPORTED int ibfind(const char* name)
{
    record(std::string("ibfind ") + name);
    return 3;
}
EXPORTED int ibsic(int ud) { return record("ibsic" + numbers({ud})); }
EXPORTED int ibdev(int board, int pad, int sad, int tmo, int eot, int eos)
{
    record("ibdev" + numbers({board, pad, sad, tmo, eot, eos}));
    return 4;
}
EXPORTED int ibtmo(int ud, int tmo) { return record("ibtmo" + numbers({ud, tmo})); }
EXPORTED int ibclr(int ud) { return record("ibclr" + numbers({ud})); }
EXPORTED int ibwrt(int ud, const void* data, long size)
{
    return record("ibwrt" + numbers({ud}) + ' ' + std::string(static_cast<const char*>(data), size), size);
}
EXPORTED int ibrd(int ud, void* buffer, long size)
{
    const std::string reply = "READY\n";
    const long length = std::min<long>(size, reply.size());
    std::memcpy(buffer, reply.data(), length);
    return record("ibrd" + numbers({ud, size}), length);
}
#ifndef FAKE_LIBGPIB_WITHOUT_FINDLSTN
// Every odd address listens.
EXPORTED void FindLstn(int board, const unsigned short* pads, unsigned short* results, int limit)
{
    long found = 0;
    for (; *pads != 0xFFFF; ++pads)
        if ((*pads & 1) && found < limit)
            results[found++] = *pads;
    record("FindLstn" + numbers({board, limit}), found);
}
#endif
EXPORTED int ThreadIbsta() { return status; }
EXPORTED int ThreadIberr() { return error; }
EXPORTED long ThreadIbcntl() { return count; }
