// Bus faults: the "debug.txt" record, the message, the fall-back to Simulated mode,
// and a record file that cannot be written.
#include "LinkFixture.h"

#include "link/gpib/SimulatedGpibBus.h"

#include <QDir>

namespace dalto::testing {
namespace {

class FaultRecord : public LinkFixture {
protected:
    const LinkFault fault{"Port not found", "mscRS232", 8002};
    QString record(const QString& heading) const
    {
        return "\"" + heading + "\r\nError Description: Port not found\r\nError Source : mscRS232\r\nError #: 8002\"\r\n";
    }
};

TEST_F(FaultRecord, OpenFaultIsLoggedAndFallsBackToSimulated)
{
    device.failNextOpen(fault);
    EXPECT_FALSE(start(1));
    EXPECT_EQ(debugLog(), record("Initialization Error:"));
    EXPECT_EQ(prompts.messageTexts(), QStringList{NotFoundText});
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.messages[0].title, "Comm Error");
    EXPECT_EQ(context.state.BusCode, 5);
}

TEST_F(FaultRecord, WriteFaultReturnsZeroWithoutEcho)
{
    start(1);
    device.failNextWrite(fault);
    QString cmd = "OUTP ON";
    EXPECT_EQ(link->WriteDevice(cmd, true), 0);
    EXPECT_EQ(transcript.transcriptText(), "RS232 - Initialized\r\n");
    EXPECT_EQ(context.state.BusCode, 5);

    // Records are appended, one per fault.
    context.state.BusCode = 1;
    device.failNextWrite(fault);
    EXPECT_EQ(link->WriteDeviceBytes("\x01\x02", false), 0);
    EXPECT_EQ(debugLog(), record("Write Error:") + record("Write Error:"));
}

TEST_F(FaultRecord, ReadFaultOfEachVariant)
{
    start(1);
    context.state.Probing = true;
    device.failNextRead(fault);
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 5);

    context.state.Probing = false;
    context.state.BusCode = 1;
    device.failNextRead(fault);
    EXPECT_EQ(link->ReadDeviceQuiet(reply, 1, false), 0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 1);

    device.failNextRead(fault);
    EXPECT_EQ(link->ReadDeviceEot(reply, 1, false), 0);
    EXPECT_EQ(prompts.messageTexts(), QStringList{NotFoundText});
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_EQ(debugLog(), record("Read Error:").repeated(3));
}

TEST_F(FaultRecord, UsingASerialLineThatIsNotOpenIsAFault)
{
    start(5);
    context.state.BusCode = 1;
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), 0);
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_TRUE(debugLog().startsWith("\"Read Error:\r\n"));
}

TEST_F(FaultRecord, UnconnectedTcpLinkIsNoFaultButTimesOut)
{
    device.refuseConnections();
    start(2, "127.0.0.1", 5025);
    QString cmd = "*IDN?";
    EXPECT_EQ(link->WriteDevice(cmd, true), 6);
    EXPECT_TRUE(device.written().isEmpty());
    EXPECT_EQ(context.state.BusCode, 2);
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), -1);
    EXPECT_EQ(prompts.messageTexts(), QStringList{TimedOutText});
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_EQ(debugLog(), "");
}

TEST_F(FaultRecord, MissingGpibLibraryIsAnInitialisationFault)
{
    class MissingLibrary final : public SimulatedGpibBus {
    public:
        bool available() const override { return false; }
        QString loadError() const override { return "libgpib.so.0: cannot open shared object file"; }
    };
    EXPECT_FALSE(start(0, "5", 0, std::make_unique<MissingLibrary>()));
    EXPECT_TRUE(debugLog().startsWith(
        "\"Initialization Error:\r\nError Description: libgpib.so.0: cannot open shared object file"
        " (the GPIB driver is missing)\r\n"));
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_EQ(link->health().reason, "the GPIB driver is missing");
}

TEST_F(FaultRecord, UnwritableRecordFileNeverStopsTheLink)
{
    // A folder in the file's place cannot be opened for appending, not even by root;
    // /dev/full accepts the open and fails the write like a full disk.
    for (const bool fullDisk : {false, true}) {
        QDir(folder.path()).rmdir("debug.txt");
        QFile::remove(context.paths.debugLogFile());
        ASSERT_TRUE(fullDisk ? QFile::link("/dev/full", context.paths.debugLogFile())
                             : QDir(folder.path()).mkdir("debug.txt"));
        device.failNextOpen(fault);
        EXPECT_FALSE(start(1));
        EXPECT_EQ(context.state.BusCode, 5);
        QString reply;
        EXPECT_EQ(link->ReadDevice(reply, 1, false), 7);
    }
    EXPECT_EQ(prompts.messageTexts(), QStringList({NotFoundText, NotFoundText}));
}

} // namespace
} // namespace dalto::testing
