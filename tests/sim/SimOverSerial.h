#pragma once
// Fixture: dalto-sim on one end of a pseudo-terminal pair, the test on the other
// at 19200 bit/s, talking to it through a SimClient.
#include "SimClient.h"
#include "support/PtyPair.h"
#include "support/SimProcess.h"

#include <QSerialPort>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace dalto::testing {

class SimOverSerial : public ::testing::Test {
protected:
    // Starts the simulator on the pair with the extra arguments and opens the
    // test's end; wrap in ASSERT_NO_FATAL_FAILURE.
    void start(const QStringList& arguments)
    {
        ASSERT_TRUE(pty.isReady()) << pty.errorText().toStdString();
        sim = std::make_unique<SimProcess>(QStringList {"--serial", pty.second()} + arguments);
        ASSERT_TRUE(sim->isReady()) << sim->errorText().toStdString();
        port.setPortName(pty.first());
        ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
        port.setBaudRate(19200);
    }

    PtyPair pty;
    std::unique_ptr<SimProcess> sim;
    QSerialPort port;
    SimClient client {port};
};

} // namespace dalto::testing
