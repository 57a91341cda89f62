// daltoctl against dalto-sim over TCP on loopback: every subcommand that talks
// to the supply, through the settings file or the command line's connection.
#include "CtlRun.h"
#include "SimulatorSettings.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {
namespace {

class CtlTcp : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString(); }

    CtlResult run(const QStringList& arguments, const QByteArray& input = {})
    {
        return RunCtl(TcpTo(sim.port()) + arguments, input);
    }

    // The line of "name: value" output that starts with name.
    static QString field(const CtlResult& result, const QString& name)
    {
        for (const QString& line : result.outLines()) {
            if (line.startsWith(name + QStringLiteral(": ")))
                return line.mid(name.size() + 2);
        }
        return {};
    }

    SimProcess sim;
    QTemporaryDir folder;
};

TEST_F(CtlTcp, QueryAndSendFromArgumentsStandardInputAndTheSettingsFile)
{
    const QString config = WriteSimulatorSettings(folder.path(), sim.host(), sim.port());
    ASSERT_FALSE(config.isEmpty());
    const CtlResult sent = RunCtl({"--config", config, "send", "VOLT 2.5", "CURR 1.5"});
    EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();

    const CtlResult queried = RunCtl({"--config", config, "query", "VOLT?", "CURR?"});
    EXPECT_EQ(queried.exitCode, 0) << queried.err.toStdString();
    EXPECT_EQ(queried.outLines(), QStringList({"2.500", "1.500"}));

    const CtlResult piped = run({"query", "-"}, "*IDN?\n\nVOLT?\n");
    EXPECT_EQ(piped.exitCode, 0);
    ASSERT_EQ(piped.outLines().size(), 2);
    EXPECT_TRUE(piped.outLines()[0].startsWith("DALTO,KD"));
    EXPECT_EQ(piped.outLines()[1], "2.500");
}

TEST_F(CtlTcp, QueryWaitsOnlyForTheLinesThatHaveAReply)
{
    // Waiting for a reply to "VOLT 2" would end in a time-out and exit code 1.
    const CtlResult mixed = run({"query", "VOLT 2", "CURR 1.5;VOLT?", "CURR?", "VOLT 3"});
    EXPECT_EQ(mixed.exitCode, 0) << mixed.err.toStdString();
    EXPECT_EQ(mixed.outLines(), QStringList({"2.000", "1.500"}));
    EXPECT_EQ(run({"query", "VOLT?"}).outLines(), QStringList({"3.000"})) << "the last command was taken too";
}

TEST_F(CtlTcp, ShellReportsAQueryWithoutAnAnswerAndCarriesOn)
{
    QFile plan(folder.filePath("drop.plan"));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write("drop at 3\n"); // the first reply is the ratings read
    plan.close();
    SimProcess dropping({"--fault-plan", plan.fileName()});
    ASSERT_TRUE(dropping.isReady()) << dropping.errorText().toStdString();

    const CtlResult shell = RunCtl(TcpTo(dropping.port()) + QStringList{"--timeout", "1", "shell"},
                                   "VOLT 4\nVOLT?\nCURR?\nVOLT?\n");
    EXPECT_EQ(shell.exitCode, 1) << "a script learns that a reply was missing";
    EXPECT_EQ(shell.outLines().size(), 2) << shell.out.toStdString();
    EXPECT_EQ(shell.outLines().value(1), "4.000");
    EXPECT_TRUE(shell.err.contains("no answer to CURR?")) << shell.err.toStdString();
}

TEST_F(CtlTcp, InfoShowsRatingsVersionsFormatsAndSetPoints)
{
    SimProcess hb({"--model", "HB", "--rated-voltage", "60", "--rated-current", "5", "--firmware", "5.1"});
    ASSERT_TRUE(hb.isReady()) << hb.errorText().toStdString();
    ASSERT_EQ(RunCtl(TcpTo(hb.port()) + QStringList{"set", "voltage", "12.5"}).exitCode, 0);

    const CtlResult info = RunCtl(TcpTo(hb.port()) + QStringList{"info"});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_EQ(field(info, "firmware version"), "5.1");
    EXPECT_EQ(field(info, "rated voltage"), "60.00 V");
    EXPECT_EQ(field(info, "rated current"), "5.000 A");
    EXPECT_EQ(field(info, "voltage format"), "0.00");
    EXPECT_EQ(field(info, "voltage set point"), "12.50 V");
}

TEST_F(CtlTcp, OutputOnAndOffShowInTheDecodedStatusBits)
{
    const CtlResult before = run({"status"});
    EXPECT_EQ(before.exitCode, 0) << before.err.toStdString();
    EXPECT_TRUE(field(before, "status").contains("STANDBY")) << before.out.toStdString();
    EXPECT_FALSE(field(before, "status").contains("POWER"));
    // A supply under remote control is in a state, not in a fault.
    EXPECT_TRUE(field(before, "status").split(", ").contains("REMOTE"));
    EXPECT_EQ(field(before, "faults"), "none");

    ASSERT_EQ(run({"output", "on"}).exitCode, 0);
    const QStringList on = field(run({"status"}), "status").split(", ");
    EXPECT_TRUE(on.contains("POWER")) << on.join(' ').toStdString();
    EXPECT_FALSE(on.contains("STANDBY"));

    ASSERT_EQ(run({"output", "off"}).exitCode, 0);
    EXPECT_TRUE(field(run({"status"}), "status").split(", ").contains("STANDBY"));
}

TEST_F(CtlTcp, WatchWritesCsvWithAHeaderAndJsonLines)
{
    ASSERT_EQ(run({"output", "on"}).exitCode, 0);
    const CtlResult csv = run({"status", "--watch", "0.05", "--count", "3"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QStringList rows = csv.outLines();
    ASSERT_EQ(rows.size(), 4) << csv.out.toStdString();
    EXPECT_EQ(rows[0], "time,voltage,current,status_word,fault_word,status,faults");
    for (const QString& row : rows.mid(1)) {
        EXPECT_EQ(row.split(',').size(), 7) << row.toStdString();
        EXPECT_TRUE(row.split(',')[5].split('|').contains("POWER")) << row.toStdString();
    }

    const CtlResult json = run({"status", "--watch", "0.05", "--count", "3", "--json"});
    EXPECT_EQ(json.exitCode, 0);
    ASSERT_EQ(json.outLines().size(), 3) << json.out.toStdString();
    for (const QString& line : json.outLines()) {
        const QJsonObject reading = QJsonDocument::fromJson(line.toUtf8()).object();
        EXPECT_TRUE(reading.value("status").toVariant().toStringList().contains("POWER")) << line.toStdString();
        EXPECT_TRUE(reading.value("voltage").isDouble());
    }
}

TEST_F(CtlTcp, SetMovesTheSimulatorsSetPointWithinTheRatings)
{
    const CtlResult set = run({"set", "voltage", "7.25"});
    EXPECT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(run({"query", "VOLT?"}).outLines(), QStringList({"7.250"}));

    const CtlResult tooHigh = run({"set", "voltage", "20"});
    EXPECT_EQ(tooHigh.exitCode, 2);
    EXPECT_TRUE(tooHigh.err.contains("Voltage 20 V refused: it is above the supply's rating of 15 V."))
        << tooHigh.err.toStdString();
    EXPECT_EQ(run({"set", "ovp", "1"}).exitCode, 2) << "below 10 % of full scale";
    EXPECT_EQ(run({"query", "VOLT?"}).outLines(), QStringList({"7.250"}));
}

TEST_F(CtlTcp, SetAndSendRefuseValuesAboveTheBenchLimitsAndSendNothing)
{
    const QString config = WriteSimulatorSettings(folder.path(), sim.host(), sim.port());
    ASSERT_FALSE(config.isEmpty());
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    ASSERT_TRUE(text.contains("[Limits]\nVoltage=\nCurrent=\nOVP=\nOCP=\n"));
    text.replace("[Limits]\nVoltage=\nCurrent=\nOVP=\nOCP=\n", "[Limits]\nVoltage=12\nCurrent=\nOVP=\nOCP=50\n");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    const auto ctl = [&](const QStringList& arguments, const QByteArray& input = {}) {
        return RunCtl(QStringList{"--config", config} + arguments, input);
    };
    const auto voltage = [&] { return ctl({"query", "VOLT?"}).outLines(); };

    const CtlResult set = ctl({"set", "voltage", "12.5"});
    EXPECT_EQ(set.exitCode, 2);
    EXPECT_TRUE(set.err.contains("Voltage 12.5 V refused: it is above the bench limit of 12 V.")) << set.err.toStdString();
    EXPECT_EQ(voltage(), QStringList({"0.000"}));

    // One refused argument sends none of them.
    const CtlResult sent = ctl({"send", "VOLT 3", "SOUR:CURR:PROT:LEV 60"});
    EXPECT_EQ(sent.exitCode, 2);
    EXPECT_TRUE(sent.err.contains("above the bench limit of 50 A")) << sent.err.toStdString();
    EXPECT_EQ(voltage(), QStringList({"0.000"}));

    // From standard input every line goes as it comes, up to the refused one.
    const CtlResult piped = ctl({"send", "-"}, "VOLT 4\nVOLT 13;CURR 1\nVOLT 5\n");
    EXPECT_EQ(piped.exitCode, 2);
    EXPECT_EQ(voltage(), QStringList({"4.000"}));
    EXPECT_EQ(ctl({"query", "VOLT 20"}).exitCode, 2);
    EXPECT_EQ(voltage(), QStringList({"4.000"}));

    EXPECT_EQ(ctl({"set", "voltage", "12"}).exitCode, 0);
    EXPECT_EQ(ctl({"send", "VOLT:PROT 16"}).exitCode, 0);
    EXPECT_EQ(voltage(), QStringList({"12.000"}));
}

TEST_F(CtlTcp, ModulationTableSavedAndLoadedIntoAFreshSimulator)
{
    ASSERT_EQ(run({"send", "MOD:TYPE:SEL 2, 1", "MOD:TABL 1(0.5,1.25)", "MOD:TABL 2(1.0,-0.75)"}).exitCode, 0);
    const QString file = folder.filePath("bench.modTable");
    const CtlResult saved = run({"modtable", "save", file});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();

    SimProcess fresh;
    ASSERT_TRUE(fresh.isReady()) << fresh.errorText().toStdString();
    const CtlResult loaded = RunCtl(TcpTo(fresh.port()) + QStringList{"modtable", "load", file});
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    const QStringList original = run({"query", "MOD:TYPE:SEL?", "MOD:TABL? 1", "MOD:TABL? 2"}).outLines();
    const QStringList copied =
        RunCtl(TcpTo(fresh.port()) + QStringList{"query", "MOD:TYPE:SEL?", "MOD:TABL? 1", "MOD:TABL? 2"}).outLines();
    EXPECT_EQ(copied, original);
    EXPECT_EQ(copied.value(0), "2,1");
}

TEST_F(CtlTcp, DiscoverFindsTheSimulatorThroughTheDiscoverySettings)
{
    SimProcess answering({"--discovery", "127.0.0.1:0", "--name", "BENCH-7"});
    ASSERT_TRUE(answering.isReady()) << answering.errorText().toStdString();
    QFile config(folder.filePath("discovery.ini"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[Discovery]\nTarget=127.0.0.1\nRemotePort=%1\nLocalPort=0\n")
                     .arg(answering.discoveryPort())
                     .toUtf8());
    config.close();

    const CtlResult found = RunCtl({"--config", config.fileName(), "discover", "--timeout", "1"});
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    ASSERT_EQ(found.outLines().size(), 1) << found.out.toStdString();
    const QStringList columns = found.outLines()[0].split('\t');
    ASSERT_EQ(columns.size(), 4);
    EXPECT_EQ(columns[0], "BENCH-7");
    EXPECT_EQ(columns[1], "127.0.0.1");
    EXPECT_EQ(columns[2], QString::number(answering.port()));
}

} // namespace
} // namespace dalto::testing
