// The Modulation panel on a scripted device: what its rows send, how the list
// files rows, Get All Data, the EEPROM button by firmware, and the Modulation
// menu item by supply type.

#include "AppFixture.h"
#include "QStringPrinter.h"
#include "app/WindowNames.h"
#include "panels/tools/frmCommand.h"
#include "panels/tools/frmModulation.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

using namespace dalto;
using namespace dalto::testing;

namespace {

class ModulationPanelTest : public AppFixture {
protected:
    // The Modulation panel at start-up; its load reads the settings and versions.
    void startPanel(const QString& type = QStringLiteral("HBX Series"),
                    const QByteArray& versions = "Control firmware 4.7 Interface firmware 1.5\r\n")
    {
        makeApp({"Modulation Panel", "TCP/IP", type});
        answerStartupQueries();
        device.reply("0,0,4074,1ADB0,0,0,3E8\r\n");
        device.reply(versions);
        app->start();
        mark = device.written().size();
    }
    frmModulation& panel() { return currentAs<frmModulation>(); }
    QStringList sent() { return device.linesSince(mark); }
    // Each visible list row as "row vmod value", top to bottom.
    QStringList listed()
    {
        QStringList rows;
        QTreeWidget* list = panel().lvModTable;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            rows << item->text(1) + ' ' + item->text(2) + ' ' + item->text(3);
        }
        return rows;
    }
    QStringList rowBoxes()
    {
        return {panel().txtData1.at(36)->text(), panel().txtData2.at(36)->text(), panel().txtData3.at(36)->text()};
    }

    qsizetype mark = 0;
};

} // namespace

TEST_F(ModulationPanelTest, StartupPanelFourOpensThePanelWithItsListAndEepromButton)
{
    startPanel();
    frmModulation& modulation = panel();
    EXPECT_EQ(modulation.windowTitle(), "Modulation Panel");
    EXPECT_EQ(app->state().CurrentPanel, &modulation);
    QTreeWidget* list = modulation.lvModTable;
    EXPECT_TRUE(list->isColumnHidden(0));
    QStringList headers;
    for (int column = 0; column < list->columnCount(); ++column)
        headers << list->headerItem()->text(column);
    EXPECT_EQ(headers, (QStringList{"RowSort", "Row", "VMOD", "Mod"}));
    EXPECT_EQ(modulation.tableLength(), 50);
    EXPECT_TRUE(modulation.cmdSaveToEeprom->isVisibleTo(&modulation)) << "firmware 4.7";
    EXPECT_FALSE(modulation.menu.mnuModulation->isEnabled()) << "the panel's own item";
}

TEST_F(ModulationPanelTest, EepromButtonFollowsTheFirmwareOfTheSeries)
{
    startPanel(QStringLiteral("HBX Series"), "Control firmware 4.6 Interface firmware 1.5\r\n");
    EXPECT_FALSE(panel().cmdSaveToEeprom->isVisibleTo(&panel()));
    app.reset();
    startPanel(QStringLiteral("MW Series"), "Control firmware 1.4 Interface firmware 1.5\r\n");
    EXPECT_TRUE(panel().cmdSaveToEeprom->isVisibleTo(&panel()));
    panel().cmdSaveToEeprom->click();
    EXPECT_EQ(sent(), QStringList{"MOD:TABL:SAVE"});
}

TEST_F(ModulationPanelTest, SelectionNamesTheLabelsAndTheValueColumn)
{
    startPanel();
    device.reply("2,1\r\n");
    panel().cmdGetSCPI.at(35)->click();
    EXPECT_EQ(sent(), QStringList{"MOD:TYPE:SEL?"});
    EXPECT_EQ(panel().lblTable->text(), "Control Input:          Current");
    EXPECT_EQ(panel().lblType->text(), "Modulation Type:    Addition");
    EXPECT_EQ(panel().lvModTable->headerItem()->text(3), "Ios");
    EXPECT_EQ(panel().lblFunction->text(), "Ios");
    EXPECT_EQ(panel().txtData1.at(35)->text() + panel().txtData2.at(35)->text(), "21");
    EXPECT_EQ(panel().table().selection, (ModSelection{2, 1}));

    panel().txtData1.at(35)->setText("1");
    panel().txtData2.at(35)->setText("0");
    device.reply("1,0\r\n");
    panel().cmdSetSCPI.at(35)->click();
    EXPECT_EQ(sent(), (QStringList{"MODulation:TYPE:SELect 1,0", "MOD:TYPE:SEL?"}));
    EXPECT_EQ(panel().lvModTable->headerItem()->text(3), "Mod");

    panel().cmdClearTbl->click();
    EXPECT_EQ(panel().lblTable->text(), "Control Input:");
    EXPECT_EQ(panel().lblType->text(), "Modulation Type:");
    EXPECT_EQ(sent(), QStringList{}) << "clearing is the list's business only";
}

TEST_F(ModulationPanelTest, RowsAreFiledInPlaceAndKeptInOrder)
{
    startPanel();
    device.reply("1(0.5,1.5)\r\n");
    panel().cmdGetSCPI.at(36)->click();
    EXPECT_EQ(panel().txtData1.at(36)->text(), "1") << "an empty row box asks for row 1";

    panel().txtData1.at(36)->setText("75");
    device.reply("50(9,2)\r\n");
    panel().cmdGetSCPI.at(36)->click();

    panel().txtData1.at(36)->setText("7");
    device.reply("7(3,1)\r\n");
    panel().cmdGetSCPI.at(36)->click();
    device.reply("7(3.25,0.75)\r\n");
    panel().cmdGetSCPI.at(36)->click();
    EXPECT_EQ(sent(), (QStringList{"MOD:TABL? 1", "MOD:TABL? 50", "MOD:TABL? 7", "MOD:TABL? 7"}));
    EXPECT_EQ(listed(), (QStringList{"1 0.5 1.5", "7 3.25 0.75", "50 9 2"}));
    EXPECT_EQ(rowBoxes(), (QStringList{"7", "3.25", "0.75"}));

    panel().lvModTable_ItemClick(panel().itemForRow(50));
    EXPECT_EQ(rowBoxes(), (QStringList{"50", "9", "2"}));

    panel().txtData1.at(36)->setText("3");
    panel().txtData2.at(36)->setText("1.5");
    panel().txtData3.at(36)->setText("");
    sent();
    panel().cmdSetSCPI.at(36)->click();
    EXPECT_EQ(prompts.messageTexts().back(), "Complete Data for Command");
    EXPECT_EQ(sent(), QStringList{});
    panel().txtData3.at(36)->setText("0.9");
    device.reply("3(1.5,0.9)\r\n");
    panel().cmdSetSCPI.at(36)->click();
    EXPECT_EQ(sent(), (QStringList{"MODulation:TABLe 3(1.5,0.9)", "MOD:TABL? 3"}));
    EXPECT_EQ(listed(), (QStringList{"1 0.5 1.5", "3 1.5 0.9", "7 3.25 0.75", "50 9 2"}));
}

TEST_F(ModulationPanelTest, GetAllDataAsksEachRowOnceWhateverPositionsComeBack)
{
    startPanel();
    device.reply("1,0\r\n");
    for (int row = 1; row <= 50; ++row)
        device.reply(row == 10 ? "12(1,1)\r\n" : QByteArray::number(row) + "(" + QByteArray::number(row) + ",2)\r\n");
    panel().cmdPopulate->click();

    const QStringList lines = sent();
    ASSERT_EQ(lines.size(), 51);
    EXPECT_EQ(lines.first(), "MOD:TYPE:SEL?");
    EXPECT_EQ(lines.last(), "MOD:TABL? 50");
    EXPECT_EQ(listed().size(), 49) << "row 10 was reported as row 12";
    EXPECT_EQ(listed().at(10), "12 12 2") << "and row 12 read later replaced it";
    EXPECT_EQ(rowBoxes(), (QStringList{"50", "50", "2"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(panel().prgPopulate->isVisibleTo(&panel()));
    EXPECT_TRUE(panel().cmdPopulate->isEnabled());
    EXPECT_EQ(panel().table().selection, ModSelection{}) << "reading the table keeps the selection fields";

    // Without a selected table every row read is a silent no-op.
    device.reply("0,0\r\n");
    for (int row = 1; row <= 50; ++row)
        device.reply("No table selected\r\n");
    panel().cmdPopulate->click();
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ModulationPanelTest, ModulationItemAndEepromButtonFollowTheSupplyTypeAlsoAfterSetup)
{
    makeApp({"Command Panel", "TCP/IP", "HB Series"});
    int16_t typeChosen = 2;
    app->setSetupHook([&](PanelWindow&) { app->state().SystemType = typeChosen; });
    answerStartupQueries();
    app->start();
    auto& command = currentAs<frmCommand>();
    EXPECT_FALSE(command.menu.mnuModulation->isEnabled());
    answerStartupQueries(); // read again after Setup
    command.menu.mnuSetup->trigger();
    ASSERT_TRUE(command.menu.mnuModulation->isEnabled());

    device.reply("0,0,4074,1ADB0,0,0,3E8\r\n");
    device.reply("Control firmware 1.5 Interface firmware 1.5\r\n");
    command.menu.mnuModulation->trigger();
    frmModulation& modulation = panel();
    EXPECT_FALSE(modulation.cmdSaveToEeprom->isVisibleTo(&modulation)) << "HBX below 4.7";
    typeChosen = 3;
    answerStartupQueries(); // firmware 2.0
    modulation.menu.mnuSetup->trigger();
    EXPECT_TRUE(modulation.cmdSaveToEeprom->isVisibleTo(&modulation)) << "MW from 1.4 on";
    EXPECT_FALSE(modulation.menu.mnuModulation->isEnabled()) << "its own item stays off after Setup";
}

TEST_F(ModulationPanelTest, GetAllDataEndsAtTheFirstBoxOrTimeOutAndShowsOnlyReportedRows)
{
    startPanel();
    device.reply("1,0\r\n");
    device.reply("1(0.1,1)\r\n");
    device.reply("2(0.2,1)\r\n");
    device.reply("3;0.3;1\r\n");
    panel().cmdPopulate->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Invalid Elements at position 3!"});
    EXPECT_EQ(sent(), (QStringList{"MOD:TYPE:SEL?", "MOD:TABL? 1", "MOD:TABL? 2", "MOD:TABL? 3"}));
    EXPECT_EQ(listed(), (QStringList{"1 0.1 1", "2 0.2 1"}));

    // Row 4 never answers: the link's one box, and the rows after it are not made up.
    prompts.messages.clear();
    device.reply("1,0\r\n");
    for (int row = 1; row <= 3; ++row)
        device.reply(QByteArray::number(row) + "(" + QByteArray::number(row) + ",0.5)\r\n");
    panel().cmdPopulate->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Device Timed Out.  Entering Simulated Mode!"});
    EXPECT_EQ(sent().size(), 5);
    EXPECT_EQ(listed(), (QStringList{"1 1 0.5", "2 2 0.5", "3 3 0.5"}));
    ASSERT_EQ(app->state().BusCode, 5);
    EXPECT_TRUE(panel().cmdPopulate->isEnabled());

    // Saved now (with a selection typed for the simulated device), the file holds
    // those three rows and nothing else.
    panel().txtData1.at(35)->setText("1");
    panel().txtData2.at(35)->setText("0");
    panel().cmdGetSCPI.at(35)->click();
    const QString path = dir.filePath("after-timeout.modTable");
    prompts.files.push_back(path);
    panel().cmdSaveMod->click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "[Config]\nTable=1\nType=0\n[Table]\nkey1Mod=1\nkey1Out=0.5\nkey2Mod=2\nkey2Out=0.5\n"
                               "key3Mod=3\nkey3Out=0.5\n");

    // In Simulated mode the boxes would give every row the same values: none is read.
    prompts.messages.clear();
    panel().cmdPopulate->click();
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ModulationPanelTest, RefusedSelectionIsUnknownSoSaveRefuses)
{
    startPanel();
    device.reply("1,0\r\n");
    panel().cmdGetSCPI.at(35)->click();
    device.reply("1(0,1)\r\n");
    panel().cmdGetSCPI.at(36)->click();
    ASSERT_EQ(panel().table().selection, (ModSelection{1, 0}));

    const QString labels = panel().lblTable->text() + panel().lblType->text();
    for (const auto& [reply, boxes] : {std::pair{"3,0\r\n", "-1 -1"}, std::pair{"2,7\r\n", "2 -1"}}) {
        device.reply(reply);
        panel().cmdGetSCPI.at(35)->click();
        EXPECT_EQ(panel().txtData1.at(35)->text() + ' ' + panel().txtData2.at(35)->text(), boxes) << reply;
        EXPECT_EQ(panel().lblTable->text() + panel().lblType->text(), labels) << "labels keep what they showed";
    }
    EXPECT_EQ(prompts.messageTexts(), (QStringList{"Invalid Control Input!", "Invalid Modulation Type!"}));

    device.reply("3,1\r\n");
    panel().cmdGetSCPI.at(35)->click();
    prompts.messages.clear();
    panel().cmdSaveMod->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Please select the Control Input table first."});
    EXPECT_TRUE(prompts.filePicks.empty());
}

TEST_F(ModulationPanelTest, RowNumberIsLimitedAndRoundedAlikeForGetAndSet)
{
    startPanel();
    struct Case {
        const char* typed;
        const char* asked;
    };
    for (const Case c : {Case{"0", "1"}, Case{"1", "1"}, Case{"2.6", "3"}, Case{"2.5", "2"}, Case{"50", "50"},
                         Case{"51", "50"}, Case{"-4", "1"}, Case{"99999", "50"}}) {
        panel().txtData1.at(36)->setText(c.typed);
        device.reply("No table selected\r\n");
        panel().cmdGetSCPI.at(36)->click();
        EXPECT_EQ(sent(), QStringList{QStringLiteral("MOD:TABL? ") + c.asked}) << c.typed;
        EXPECT_EQ(rowBoxes(), (QStringList{c.asked, "", ""})) << "nothing came back for " << c.typed;

        panel().txtData1.at(36)->setText(c.typed);
        panel().txtData2.at(36)->setText("0.5");
        panel().txtData3.at(36)->setText("1.5");
        device.reply("No table selected\r\n");
        panel().cmdSetSCPI.at(36)->click();
        EXPECT_EQ(sent(), (QStringList{QStringLiteral("MODulation:TABLe %1(0.5,1.5)").arg(c.asked),
                                       QStringLiteral("MOD:TABL? ") + c.asked}))
            << c.typed;
        EXPECT_EQ(rowBoxes(), (QStringList{c.asked, "", ""})) << c.typed;
    }
    EXPECT_EQ(listed(), QStringList{});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ModulationPanelTest, RowSetButNotReadBackLeavesTheList)
{
    startPanel();
    device.reply("4(1,2)\r\n");
    panel().txtData1.at(36)->setText("4");
    panel().cmdGetSCPI.at(36)->click();
    ASSERT_EQ(listed(), QStringList{"4 1 2"});
    panel().txtData2.at(36)->setText("3");
    panel().txtData3.at(36)->setText("4");
    device.reply("4 (3 4)\r\n");
    panel().cmdSetSCPI.at(36)->click();
    EXPECT_EQ(prompts.messageTexts(), QStringList{"Invalid Elements at position 4!"});
    EXPECT_EQ(listed(), QStringList{}) << "the device may hold 1,2 or 3,4";
    EXPECT_EQ(panel().table().rows.size(), 0u);
}

TEST_F(ModulationPanelTest, LoadShowsEachRowUnderTheReportedPosition)
{
    startPanel();
    const QString path = dir.filePath("moved.modTable");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Config]\nTable=1\nType=0\n[Table]\nkey50Mod=7\nkey50Out=8\n");
    file.close();
    device.reply(""); // the selection command
    device.reply("1,0\r\n");
    for (int row = 1; row <= 49; ++row)
        device.reply(QByteArray::number(row) + "(0,1)\r\n");
    device.reply(""); // row 50 sent
    device.reply("12(7,8)\r\n");
    prompts.files.push_back(path);
    panel().cmdLoadMod->click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();
    const QStringList rows = listed();
    ASSERT_EQ(rows.size(), 49);
    EXPECT_EQ(rows.at(11), "12 7 8");
    EXPECT_EQ(rowBoxes(), (QStringList{"12", "7", "8"}));
    EXPECT_EQ(panel().txtData1.at(35)->text() + panel().txtData2.at(35)->text(), "10");
}
