// The transcript control keeps exactly what was echoed and shows it line by line.

#include "app/TranscriptBox.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace dalto;

TEST(TranscriptBoxTest, KeepsTheEchoedBytesAndShowsLines)
{
    TranscriptBox box;
    box.setTranscriptText("TCP/IP - Initialized\r\n");
    box.appendTranscript("MEAS:VOLT?\n");
    box.appendTranscript("12.5\r");
    box.appendTranscript("\n");
    EXPECT_EQ(box.transcriptText(), "TCP/IP - Initialized\r\nMEAS:VOLT?\n12.5\r\n");
    QApplication::processEvents();
    EXPECT_EQ(box.toPlainText(), "TCP/IP - Initialized\nMEAS:VOLT?\n12.5\n");

    // Text appended but not shown yet is replaced too.
    box.appendTranscript("*RST\n");
    box.setTranscriptText("Simulated - Initialized\r\n");
    QApplication::processEvents();
    EXPECT_EQ(box.transcriptText(), "Simulated - Initialized\r\n");
    EXPECT_EQ(box.document()->blockCount(), 2);
}

TEST(TranscriptBoxTest, CaretStaysOnTheNewestLineInView)
{
    TranscriptBox box;
    box.resize(300, 120);
    box.show();
    for (int i = 0; i < 200; ++i)
        box.appendTranscript(QStringLiteral("*IDN?\nline %1\r\n").arg(i));
    QApplication::processEvents();
    EXPECT_EQ(box.textCursor().block().text(), "line 199");
    EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect()));
    EXPECT_GT(box.verticalScrollBar()->value(), 0);
}
