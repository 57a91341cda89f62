#pragma once
// A GPIB bus without hardware: board "gpib0" with instruments placed at chosen
// primary addresses. An instrument answers "*IDN?" with its identification and
// other queries through its answer function, each reply ended by LF. A read from an
// address where nothing is placed, or from an instrument with nothing to say, waits
// out its time-out: ERR and TIMO set, iberr EABO, nothing transferred. Time-outs
// are reported at once instead of slept through.

#include "GpibDriver.h"
#include "GpibWordsRegistration.h"

#include <functional>
#include <map>
#include <optional>

namespace dalto {

class SimulatedGpibBus : public GpibDriver {
public:
    // The reply to one command line (without its LF), or nothing for a command
    // that produces no reply.
    using Answer = std::function<std::optional<QByteArray>(const QByteArray& command)>;

    static constexpr int HighestPrimaryAddress = 30;

    void placeInstrument(int address, const QByteArray& identification, Answer answer = {});
    void removeInstrument(int address);

    bool available() const override { return true; }
    QString loadError() const override { return {}; }

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
    struct Instrument {
        QByteArray identification;
        Answer answer;
        QByteArray input;  // received, not yet a complete line
        QByteArray output; // reply waiting to be read
    };
    struct Descriptor {
        bool board = false;
        int pad = -1;
        int eos = 0;
    };

    // The instrument a device descriptor addresses, or none.
    Instrument* addressed(int ud);
    void takeCommand(Instrument& instrument, const QByteArray& line);
    // Sets the status of the call just made and returns ibsta.
    int report(int32_t status, int32_t error = 0, int32_t count = 0);
    // For calls that return a descriptor: ud on success, -1 after an error.
    int reportDescriptor(int ud, int32_t error);

    std::map<int, Instrument> instruments_;
    std::map<int, Descriptor> descriptors_;
    int nextDescriptor_ = 0;
    std::optional<int> board_;
    GpibWordsRegistration registration_;
};

} // namespace dalto
