#include "protocol/CommandVocabulary.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(CommandVocabulary, ListsHaveTheirFixedLengthsAndNoDecoration)
{
    SharedState state;
    BuildCommandLists(state);
    ASSERT_EQ(state.IeeeCommands.size(), IeeeCommandCount);
    ASSERT_EQ(state.ScpiCommands.size(), ScpiCommandCount);
    for (const QString& entry : state.IeeeCommands + state.ScpiCommands) {
        EXPECT_EQ(entry, entry.trimmed());
        EXPECT_FALSE(entry.endsWith(QLatin1Char('?'))) << entry.toStdString();
        EXPECT_FALSE(entry.contains(QLatin1Char(' '))) << entry.toStdString();
    }
    EXPECT_EQ(state.IeeeCommands.removeDuplicates(), 0);
    EXPECT_EQ(state.ScpiCommands.removeDuplicates(), 0);
}

TEST(CommandVocabulary, PanelsAddressCommandsByPosition)
{
    const QStringList ieee = IeeeCommandList();
    const QStringList scpi = ScpiCommandList();
    EXPECT_EQ(QueryOf(ieee[8]), "*IDN?");
    EXPECT_EQ(ieee[9], "*CLS");
    EXPECT_EQ(SettingOf(scpi[0], "5.000"), "SOURce:VOLTage:LEVel:IMMediate:AMPLitude 5.000");
    EXPECT_EQ(SettingOf(scpi[8], ""), "OUTPut:START");
    EXPECT_EQ(QueryOf(scpi[18]), "SYSTem:ERRor?");
    EXPECT_EQ(scpi[25], "CONFigure:INTErlock");
    EXPECT_EQ(scpi[43], "MODulation:TABLe:SlewLIM");
}
