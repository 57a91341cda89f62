// The Modulation panel against dalto-sim over TCP on loopback: a table written
// row by row and read whole, saved to a file and loaded into a second, fresh
// simulator.

#include "ProgramOnSimulator.h"
#include "panels/tools/frmModulation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

// The program started on the Modulation panel against one simulator.
class ModulationOnSimulator : public ProgramOnSimulator {
public:
    ModulationOnSimulator() : ProgramOnSimulator({}, "KD Series", "Modulation Panel") {}
    frmModulation* panel() const { return qobject_cast<frmModulation*>(currentPanel()); }
};

} // namespace

TEST(ModulationAgainstSimulatorTest, TableSavedFromOneSimulatorLoadsIntoAFreshOne)
{
    // File names come back from the file dialog in lower case.
    const QString file = QDir::temp().filePath(
        QStringLiteral("dalto-modtable-%1/table.modtable").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(QFileInfo(file).path());
    ASSERT_EQ(file, file.toLower());

    ModulationTable written;
    {
        ModulationOnSimulator source;
        ASSERT_TRUE(source.isStarted()) << source.errorText().toStdString();
        ScriptedPrompts& prompts = source.prompts();
        frmModulation* panel = source.panel();
        ASSERT_NE(panel, nullptr);
        panel->txtData1.at(35)->setText("2");
        panel->txtData2.at(35)->setText("1");
        panel->cmdSetSCPI.at(35)->click();
        for (int row = 1; row <= 50; row += 7) {
            panel->txtData1.at(36)->setText(QString::number(row));
            panel->txtData2.at(36)->setText(QString::number(row * 0.2));
            panel->txtData3.at(36)->setText(QString::number(1 + row / 100.0));
            panel->cmdSetSCPI.at(36)->click();
        }
        panel->cmdPopulate->click();
        ASSERT_EQ(panel->lvModTable->topLevelItemCount(), 50);
        ASSERT_EQ(panel->table().find(8)->vmod, "1.6");
        ASSERT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();

        prompts.files.push_back(file);
        panel->cmdSaveMod->click();
        written = panel->table();
        EXPECT_EQ(prompts.messageTexts(), QStringList{"Modulation Table Saved to " + file});
    }

    ModulationOnSimulator target;
    ASSERT_TRUE(target.isStarted()) << target.errorText().toStdString();
    ScriptedPrompts& prompts = target.prompts();
    frmModulation* panel = target.panel();
    ASSERT_NE(panel, nullptr);
    prompts.files.push_back(file);
    panel->cmdLoadMod->click();

    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();
    EXPECT_EQ(panel->table().selection, (ModSelection{2, 1}));
    EXPECT_EQ(panel->table().rows, written.rows);
    QFile::remove(file);
    QDir().rmdir(QFileInfo(file).path());
}
