#include "sim/ScpiHeader.h"

#include <gtest/gtest.h>

using dalto::sim::ScpiHeaderPattern;

TEST(ScpiHeaderPattern, AcceptsLongShortAndMixedFormsInAnyCase)
{
    const ScpiHeaderPattern voltage(u"[SOURce]:VOLTage[:LEVel][:IMMediate][:AMPLitude]");
    for (const char* header : {"SOURce:VOLTage:LEVel:IMMediate:AMPLitude", "VOLT", "volt", "Voltage",
                               ":SOUR:VOLT", "sour:volt:lev:imm:ampl", "VOLT:AMPL", "VOLTAGE:IMM"})
        EXPECT_TRUE(voltage.matches(QString::fromLatin1(header))) << header;
}

TEST(ScpiHeaderPattern, RefusesPartialFormsMissingNodesAndExtraNodes)
{
    const ScpiHeaderPattern voltage(u"[SOURce]:VOLTage[:LEVel][:IMMediate][:AMPLitude]");
    for (const char* header : {"VOL", "VOLTA", "SOURCE", "VOLT:PROT", "VOLT:LEV:LEV", "", ":", "VOLT:",
                               "VOLT:AMPL:IMM"})
        EXPECT_FALSE(voltage.matches(QString::fromLatin1(header))) << header;

    const ScpiHeaderPattern trip(u"[SOURce]:VOLTage:PROTection[:LEVel]");
    EXPECT_TRUE(trip.matches(u"VOLT:PROT"));
    EXPECT_TRUE(trip.matches(u"SOURce:VOLTage:PROTection:LEVel"));
    EXPECT_FALSE(trip.matches(u"VOLT"));
}

TEST(ScpiHeaderPattern, ShortFormIsThePartBeforeTheFirstLowerCaseLetter)
{
    const ScpiHeaderPattern interlock(u"CONFigure:INTErlock");
    EXPECT_TRUE(interlock.matches(u"CONF:INTE"));
    EXPECT_FALSE(interlock.matches(u"CONF:INT"));

    const ScpiHeaderPattern start(u"OUTPut:START");
    EXPECT_TRUE(start.matches(u"OUTP:START"));
    EXPECT_FALSE(start.matches(u"OUTP:STAR"));

    const ScpiHeaderPattern common(u"*IDN");
    EXPECT_TRUE(common.matches(u"*idn"));
    EXPECT_FALSE(common.matches(u"IDN"));
}

TEST(ScpiHeaderPattern, OptionalNodesCanLeadAndFollowEachOther)
{
    const ScpiHeaderPattern address(u"[SYSTem][:COMMunicate]:SERial:ADDRess");
    EXPECT_TRUE(address.matches(u"SYST:COMM:SER:ADDR"));
    EXPECT_TRUE(address.matches(u"SER:ADDR"));
    EXPECT_TRUE(address.matches(u"SYST:SER:ADDR"));
    EXPECT_TRUE(address.matches(u"COMM:SER:ADDR"));
    EXPECT_FALSE(address.matches(u"COMM:SYST:SER:ADDR"));
}
