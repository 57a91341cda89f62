#pragma once
// Reprograms the supply's controller from an Intel HEX file through its boot loader
// on the serial line: waits for the boot loader, erases the program memory, writes
// the file's records, restarts the controller and checks that the supply answers
// again. Runs on the caller's thread and lets user-interface events run between
// packets, so that stop() called from an event handler ends the transfer at its
// next check. Every ending clears the running flag and LoaderActive. Once the
// program is ending, every wait stops at once and nothing more is sent or asked.

#include "HexFile.h"
#include "LoaderHost.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace dalto {
struct AppContext;
class DeviceLink;
} // namespace dalto

namespace dalto::firmware {

class FirmwareLoader {
public:
    FirmwareLoader(DeviceLink& link, LoaderHost& host);

    // The whole transfer of the file at path; returns after its ending. Does nothing
    // while a transfer runs already.
    void run(const QString& path);
    // The transfer ends with "Stopped" at its next check.
    void stop() { running_ = false; }
    bool running() const { return running_; }
    // The last transfer got as far as the reset packet: the controller has left its
    // boot loader.
    bool restarted() const { return restarted_; }

private:
    enum class Answer { Acknowledged, Short, Lost };

    void transfer(const HexFile& file);
    bool initiate();
    bool erase();
    bool load(const HexFile& file);
    void restartAndCheck();
    bool supplyAnswers();
    void waitLettingEventsRun(double seconds);
    bool sendWhenQuiet(const QByteArray& packet);
    Answer awaitAcknowledgement();
    bool active() const;
    bool linkLost() const;
    // Shows the ending (and its message); always false, so that a phase can return it.
    bool end(LoaderStatus status, const QString& message = QString());
    // Lost communication; only "Stopped" once the program is ending.
    bool endLost();
    void eraseVars();

    DeviceLink& link_;
    AppContext& context_;
    LoaderHost& host_;
    bool running_ = false;
    bool restarted_ = false;
    int16_t bus_ = 0;
    // When the last acknowledgement (or extended address record) was seen.
    double lastAcknowledged_ = 0;
};

} // namespace dalto::firmware
