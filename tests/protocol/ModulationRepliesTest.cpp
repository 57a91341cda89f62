#include "protocol/ModulationReplies.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(ModulationSelection, ReplyNamesInputTypeAndValueColumn)
{
    const SelectionReply current = ParseModSelection("2,1\r\n");
    ASSERT_EQ(current.error, "");
    EXPECT_EQ(current.selection, (ModSelection{2, 1}));
    EXPECT_EQ(ControlInputLabel(2), "Control Input:          Current");
    EXPECT_EQ(ModulationTypeLabel(1), "Modulation Type:    Addition");
    EXPECT_EQ(ModValueCaption(current.selection), "Ios");
    EXPECT_EQ(ModValueCaption({1, 1}), "Vos");
    EXPECT_EQ(ModValueCaption({1, 0}), "Mod");
    EXPECT_EQ(ModValueCaption({0, 1}), "Mod");
    EXPECT_EQ(ControlInputLabel(-1), "Control Input:");

    EXPECT_EQ(ParseModSelection("3,0").error, "Invalid Control Input!");
    EXPECT_EQ(ParseModSelection("1,2").error, "Invalid Modulation Type!");
    EXPECT_EQ(ParseModSelection("1").selection, (ModSelection{1, 1})); // no comma: "1" is the type too
    EXPECT_EQ(ParseModSelection("0").selection, (ModSelection{0, 0}));
}

TEST(ModulationRow, ReplyGivesReportedPositionAndBothValues)
{
    RowReply reply = ParseTableRow("7(0.500, 1.25 )\r\n", 7);
    ASSERT_EQ(reply.kind, RowReply::Kind::Row);
    EXPECT_EQ(reply.row, (ModTableRow{7, "0.500", "1.25"}));
    // The device's position wins over the one asked for.
    EXPECT_EQ(ParseTableRow("9( 1,2)", 7).row, (ModTableRow{9, " 1", "2"}));
    EXPECT_EQ(ParseTableRow("No Table Selected\r\n", 7).kind, RowReply::Kind::NoTableSelected);
}

TEST(ModulationRow, MalformedRepliesNameTheRow)
{
    EXPECT_EQ(ParseTableRow("7;0.5;1.25", 7).error, "Invalid Elements at position 7!");
    EXPECT_EQ(ParseTableRow("8(0.5 1.25)", 7).error, "Invalid Elements at position 8!");
    EXPECT_EQ(ParseTableRow("7)0.5,1.25(", 7).error, "Invalid Elements at position 7!");
    EXPECT_EQ(ParseTableRow("abc(1,2)", 7).error, "Invalid position 7!");
    EXPECT_EQ(ParseTableRow("0(1,2)", 3).error, "Invalid position 3!");
    EXPECT_EQ(ParseTableRow("99999(1,2)", 3).error, "Invalid position 3!");
}

TEST(ModulationTableRows, RowReadAgainIsReplacedInPlaceAndRowsStaySorted)
{
    ModulationTable table;
    table.put({12, "1", "2"});
    table.put({3, "1", "2"});
    table.put({7, "1", "2"});
    table.put({3, "5", "6"});
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (ModTableRow{3, "5", "6"}));
    EXPECT_EQ(table.rows[1].row, 7);
    EXPECT_EQ(table.rows[2].row, 12);
    EXPECT_EQ(table.selectedRow, 3);
    EXPECT_EQ(ModRowKey(7), "key7");
    EXPECT_EQ(ModRowSortText(7), "007");
}
