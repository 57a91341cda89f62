#include "link/LinkFault.h"
#include "link/gpib/GpibCodes.h"
#include "link/gpib/GpibLayer.h"
#include "link/gpib/NiGpibDriver.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"

#include <QLibrary>
#include <gtest/gtest.h>

namespace dalto {
namespace {

// Points the driver at another library file for the life of the object.
class LibraryChoice {
public:
    explicit LibraryChoice(const QString& file) { qputenv("DALTO_GPIB_LIBRARY", file.toLocal8Bit()); }
    ~LibraryChoice() { qunsetenv("DALTO_GPIB_LIBRARY"); }
};

TEST(NiGpibDriverTest, MissingLibraryMakesOpenAFault)
{
    LibraryChoice choice(QStringLiteral("/nonexistent/libgpib-missing.so.0"));
    NiGpibDriver driver;
    EXPECT_FALSE(driver.available());
    EXPECT_TRUE(driver.loadError().contains(QStringLiteral("libgpib-missing"))) << driver.loadError().toStdString();

    testing::FakeClock clock;
    testing::ScriptedPrompts prompts;
    AppContext context(clock, prompts, Paths({}, {}, {}));
    context.state.DeviceAddress = QStringLiteral("5");
    GpibLayer layer(context, driver);
    try {
        layer.GpibOpen();
        FAIL() << "GpibOpen went on without a library";
    } catch (const LinkFault& fault) {
        EXPECT_EQ(fault.description, driver.loadError());
        EXPECT_EQ(fault.source, QStringLiteral("GPIB"));
        EXPECT_EQ(fault.number, 48);
    }

    // Calls made anyway fail cleanly.
    GpibThreadWords words;
    driver.RegisterGpibGlobalsForThread(&words);
    EXPECT_EQ(driver.ibdev(0, 5, 0, 10, 0, 0x40A), -1);
    EXPECT_EQ(words.ibsta, gpib::ERR);
}

TEST(NiGpibDriverTest, LibraryWithoutAnEntryPointIsRefusedByName)
{
    LibraryChoice choice(QStringLiteral(FAKE_LIBGPIB_INCOMPLETE));
    NiGpibDriver driver;
    EXPECT_FALSE(driver.available());
    EXPECT_TRUE(driver.loadError().contains(QStringLiteral("FindLstn"))) << driver.loadError().toStdString();
    EXPECT_FALSE(driver.loadError().contains(QStringLiteral("ibrd")));
}

TEST(NiGpibDriverTest, TheFirstLibraryThatLoadsServesAndEveryMissingOneIsNamed)
{
    NiGpibDriver fallback({QStringLiteral("/nonexistent/ni4882-missing.dll"), QStringLiteral(FAKE_LIBGPIB)});
    EXPECT_TRUE(fallback.available()) << fallback.loadError().toStdString();

    NiGpibDriver none({QStringLiteral("/nonexistent/ni4882-missing.dll"), QStringLiteral("/nonexistent/gpib-32-missing.dll")});
    EXPECT_FALSE(none.available());
    EXPECT_TRUE(none.loadError().contains(QStringLiteral("ni4882-missing"))) << none.loadError().toStdString();
    EXPECT_TRUE(none.loadError().contains(QStringLiteral("gpib-32-missing"))) << none.loadError().toStdString();
}

class NiGpibDriverOnLibraryTest : public ::testing::Test {
protected:
    NiGpibDriverOnLibraryTest()
    {
        setStatus = reinterpret_cast<void (*)(int, int)>(library.resolve("fake_gpib_set_status"));
        lastCall = reinterpret_cast<const char* (*)()>(library.resolve("fake_gpib_last_call"));
        setStatus(gpib::CMPL, 0);
    }

    LibraryChoice choice{QStringLiteral(FAKE_LIBGPIB)};
    QLibrary library{QStringLiteral(FAKE_LIBGPIB)};
    NiGpibDriver driver;
    void (*setStatus)(int, int) = nullptr;
    const char* (*lastCall)() = nullptr;
};

TEST_F(NiGpibDriverOnLibraryTest, CallsReachTheLibraryWithTheirArguments)
{
    ASSERT_TRUE(driver.available()) << driver.loadError().toStdString();
    EXPECT_EQ(driver.ibfind("gpib0"), 3);
    EXPECT_STREQ(lastCall(), "ibfind gpib0");
    EXPECT_EQ(driver.ibdev(0, 7, 0, 10, 0, 0x40A), 4);
    EXPECT_STREQ(lastCall(), "ibdev 0 7 0 10 0 1034");
    driver.ibwrt(4, "*IDN?\n", 6);
    EXPECT_STREQ(lastCall(), "ibwrt 4 *IDN?\n");

    char buffer[4] = {};
    driver.ibrd(4, buffer, sizeof buffer);
    EXPECT_STREQ(lastCall(), "ibrd 4 4");
    EXPECT_EQ(QByteArray(buffer, 4), "READ");

    const uint16_t pads[] = {1, 2, 3, 5, gpib::NOADDR};
    uint16_t found[2] = {gpib::NOADDR, gpib::NOADDR};
    driver.FindLstn(0, pads, found, 2);
    EXPECT_EQ(found[0], 1);
    EXPECT_EQ(found[1], 3);
}

TEST_F(NiGpibDriverOnLibraryTest, RegisteredWordsFollowTheLibrarysThreadWords)
{
    GpibThreadWords words;
    GpibThreadWords other;
    EXPECT_EQ(driver.RegisterGpibGlobalsForThread(&words), 0);
    EXPECT_EQ(driver.RegisterGpibGlobalsForThread(&words), 1);
    EXPECT_EQ(driver.RegisterGpibGlobalsForThread(&other), 2);

    setStatus(gpib::ERR | gpib::TIMO | gpib::CMPL, gpib::EABO);
    char buffer[100];
    driver.ibrd(4, buffer, sizeof buffer);
    EXPECT_EQ(words.ibsta, gpib::ERR | gpib::TIMO | gpib::CMPL);
    EXPECT_EQ(words.iberr, gpib::EABO);
    EXPECT_EQ(words.ibcntl, 6);

    driver.UnregisterGpibGlobalsForThread();
    driver.ibwrt(4, "X\n", 2);
    EXPECT_EQ(words.ibcntl, 6);
    EXPECT_EQ(other.ibcntl, 0);
}

} // namespace
} // namespace dalto
