#pragma once
// The NI-488.2 calls the program uses, behind one small interface: the real driver
// loads an NI-488.2-compatible library at run time, the simulated bus answers from
// instruments placed at chosen addresses.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace dalto {

// The per-thread status words the library keeps.
struct GpibThreadWords {
    int32_t ibsta = 0;
    int32_t iberr = 0;
    int32_t ibcntl = 0;
};

class GpibDriver {
public:
    virtual ~GpibDriver() = default;

    // False when the library could not be loaded; loadError() then says why.
    virtual bool available() const = 0;
    virtual QString loadError() const = 0;

    virtual int ibfind(const QByteArray& name) = 0;
    virtual int ibsic(int ud) = 0;
    virtual int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) = 0;
    virtual int ibtmo(int ud, int tmo) = 0;
    virtual int ibclr(int ud) = 0;
    virtual int ibwrt(int ud, const char* data, long count) = 0;
    virtual int ibrd(int ud, char* buffer, long count) = 0;
    // addresses ends with the NOADDR value 0xFFFF; up to limit listeners are written
    // to results, the count goes to the status words.
    virtual void FindLstn(int board, const uint16_t* addresses, uint16_t* results, int limit) = 0;
    // 0 registered, 1 already registered, 2/3 or other: failure.
    virtual int RegisterGpibGlobalsForThread(GpibThreadWords* words) = 0;
    virtual int UnregisterGpibGlobalsForThread() = 0;
};

} // namespace dalto
