#pragma once
// The GPIB driver over an NI-488.2-compatible library loaded at run time
// (linux-gpib's libgpib.so.0; NI's ni4882.dll, else gpib-32.dll, on Windows;
// DALTO_GPIB_LIBRARY names another file), so that the program builds and runs
// on machines without it.
//
// linux-gpib keeps its status words per thread behind ThreadIbsta, ThreadIberr
// and ThreadIbcntl instead of writing to registered variables; the driver reads
// them after every call and hands them to the registered words itself.

#include "GpibDriver.h"
#include "GpibWordsRegistration.h"

#include <QLibrary>
#include <QStringList>

namespace dalto {

class NiGpibDriver final : public GpibDriver {
public:
    NiGpibDriver();
    // Uses the first of candidates that loads.
    explicit NiGpibDriver(const QStringList& candidates);
    // The library files the driver tries, in order; it uses the first that loads.
    static QStringList libraryNames();

    bool available() const override;
    QString loadError() const override;

    int ibfind(const QByteArray& name) override;
    int ibsic(int ud) override;
    int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) override;
    int ibtmo(int ud, int tmo) override;
    int ibclr(int ud) override;
    int ibwrt(int ud, const char* data, long count) override;
    int ibrd(int ud, char* buffer, long count) override;
    void FindLstn(int board, const uint16_t* addresses, uint16_t* results, int limit) override;
    int RegisterGpibGlobalsForThread(GpibThreadWords* words) override;
    int UnregisterGpibGlobalsForThread() override;

private:
    // The library's entry points, typed after its published C declarations.
    struct Entries {
        int (*ibfind)(const char* name) = nullptr;
        int (*ibsic)(int ud) = nullptr;
        int (*ibdev)(int board, int pad, int sad, int tmo, int eot, int eos) = nullptr;
        int (*ibtmo)(int ud, int tmo) = nullptr;
        int (*ibclr)(int ud) = nullptr;
        int (*ibwrt)(int ud, const void* data, long count) = nullptr;
        int (*ibrd)(int ud, void* buffer, long count) = nullptr;
        void (*FindLstn)(int board, const unsigned short* addresses, unsigned short* results, int limit) = nullptr;
        int (*ThreadIbsta)() = nullptr;
        int (*ThreadIberr)() = nullptr;
        long (*ThreadIbcntl)() = nullptr;
    };

    void load(const QStringList& candidates);
    template <typename Function>
    void resolve(Function& entry, const char* name, QStringList& missing);
    // Passes the library's words for the call just made to the registered words
    // and returns result.
    int finish(int result);
    // Calls entry when the library is there, else reports it missing.
    template <typename Entry, typename... Args>
    int call(Entry entry, Args... args);
    // What every call reports while the library is missing.
    int unavailableCall();

    QLibrary library_;
    QString loadError_;
    bool available_ = false;
    Entries entries_;
    GpibWordsRegistration registration_;
};

} // namespace dalto
