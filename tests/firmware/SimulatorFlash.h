#pragma once
// The program's firmware loader against dalto-sim's boot loader over a socat
// pseudo-terminal pair, on the real clock: the program's end is serial port 1
// of a settings file of its own, the simulator starts in its boot loader and
// writes what it was programmed with to a file on the reset packet. Shared by
// the end-to-end tests and the flash benchmark; needs no test framework.
//
//   SimulatorFlash rig({"--line-rate", "19200"});
//   const QString hex = rig.makeHexFile(image);   // srec_cat, image at 0x200
//   ASSERT_TRUE(rig.problem().isEmpty()) << rig.problem().toStdString();
//   rig.loader.run(hex);
//   EXPECT_EQ(rig.storedImage().mid(0x200), image);

#include "PtyPair.h"
#include "RecordingHost.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "core/AppContext.h"
#include "core/Clock.h"
#include "firmware/FirmwareLoader.h"
#include "link/DeviceLink.h"

#include <QTemporaryDir>
#include <memory>

namespace dalto::testing {

class SimulatorFlash {
public:
    // Where srec_cat puts the image, above the boot loader's own 0x200 bytes.
    static constexpr int ImageOffset = 0x200;

    // simArguments: added to the simulator's serial line and image file. Without
    // its boot loader the simulator is a supply that never answers a probe.
    explicit SimulatorFlash(const QStringList& simArguments = {}, bool startInBootLoader = true);

    // Empty while everything is set up; else what went wrong.
    QString problem() const { return problem_; }
    // The image written by srec_cat as an Intel HEX file (recordBytes data bytes a
    // record, extended linear addresses); its path, or empty when that failed.
    QString makeHexFile(const QByteArray& image, int recordBytes = 16);
    // What the simulator stored at the reset packet (from address 0).
    QByteArray storedImage() const;

private:
    QTemporaryDir folder_;
    PtyPair pty_;
    std::unique_ptr<SimProcess> sim_;
    QString problem_;

public:
    SteadyClock clock;
    ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<DeviceLink> link;
    RecordingHost host;
    std::unique_ptr<firmware::FirmwareLoader> loader;
};

} // namespace dalto::testing
