#pragma once
// The thin layer between the link and the GPIB driver: opens the board and device
// with the program's fixed parameters, transfers text and bytes, searches for
// listeners, keeps the status copies in SharedState and asks the user what to do
// when a transfer fails.

#include "GpibDriver.h"
#include "core/AppContext.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace dalto {

class GpibLayer {
public:
    GpibLayer(AppContext& context, GpibDriver& driver);
    // Withdraws the registered status words so the driver never writes to a
    // layer that is gone.
    ~GpibLayer();
    GpibLayer(const GpibLayer&) = delete;
    GpibLayer& operator=(const GpibLayer&) = delete;

    // Throws LinkFault when the driver library is missing.
    void GpibOpen();
    void GpibClear(int descriptor);
    void GpibWrite(const QString& address, const QByteArray& text);
    void GpibWriteBytes(const QString& address, const QByteArray& bytes);
    // Fills buffer from its start with what arrived (the rest keeps its content).
    void GpibRead(const QString& address, QByteArray& buffer);
    void GpibReadQuiet(QByteArray& buffer);
    // addresses without the terminator; returns the listeners found (at most limit).
    std::vector<uint16_t> GpibFindListeners(int boardIndex, const std::vector<uint16_t>& addresses, int limit);

    // True when the NI-488.2 ERR bit is set in the last status copy.
    bool errorBitSet() const;

private:
    // Registers the status words when needed, makes the call, copies the words.
    template <typename Call>
    auto libraryCall(Call call);
    void ensureRegistered();
    void copyThreadWords();
    // Asks whether to go on after a failed transfer; No ends the program.
    void checkTransfer(const QString& address);

    AppContext& context_;
    GpibDriver& driver_;
    GpibThreadWords threadWords_;
};

} // namespace dalto
