// What the knob shows: composition over the background, the slot line, the
// drag frame, and the square shape.
#include "KnobDriver.h"

#include "Twips.h"

#include <dialix/PropertyBag.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kTeal = qRgb(0, 192, 192); // colour reference 0xC0C000
constexpr int kPictureSide = 213;     // shown 1:1 at this size
constexpr int kSlotInset = 6;

class KnobPicture : public ::testing::Test {
protected:
    KnobPicture()
        : driver(kPictureSide)
    {
        driver.storeAsPanelKnob(10, true);
    }

    // Pixels of one colour on a horizontal or vertical line, ends included.
    static int countOnLine(const QImage& image, QLine line, QRgb colour)
    {
        const QPoint step((line.dx() > 0) - (line.dx() < 0), (line.dy() > 0) - (line.dy() < 0));
        int count = 0;
        for (QPoint p = line.p1();; p += step) {
            count += image.pixel(p) == colour;
            if (p == line.p2())
                return count;
        }
    }

    static int countInRow(const QImage& image, int y, int fromX, int toX, QRgb colour)
    {
        return countOnLine(image, QLine(fromX, y, toX, y), colour);
    }

    KnobDriver driver;
    tavKnob& knob = driver.knob();
    const int middle = kPictureSide / 2;
};

TEST_F(KnobPicture, KnobIsComposedOverTheBackgroundColour)
{
    const QImage picture = QImage(":/dialix/knob.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(kPictureSide, kPictureSide));
    knob.setProperty("Slot", false);
    for (const QColor back : {QColor(255, 0, 0), QColor(20, 40, 60)}) {
        knob.setProperty("BackColor", back);
        knob.property("BackColor"); // reading repaints
        const QImage shown = driver.grabFace();
        int wrong = 0;
        for (int y = 0; y < kPictureSide; ++y)
            for (int x = 0; x < kPictureSide; ++x) {
                const QRgb source = picture.pixel(x, y);
                const QRgb expected = qAlpha(source) == 0 ? back.rgb() : (source | 0xFF000000u);
                wrong += shown.pixel(x, y) != expected;
            }
        EXPECT_EQ(wrong, 0) << "background " << back.name().toStdString();
    }
}

TEST_F(KnobPicture, SlotIsSixPixelsWideBlackWhenIdleTealWhileDragged)
{
    // Value 0: the slot stands upright through the centre.
    QImage shown = driver.grabFace();
    EXPECT_EQ(countInRow(shown, middle - 30, 0, kPictureSide - 1, kBlack), 6);
    EXPECT_EQ(countInRow(shown, middle - 30, 0, kPictureSide - 1, kTeal), 0);

    driver.pressAt(0.3);
    shown = driver.grabFace();
    EXPECT_EQ(countInRow(shown, middle - 30, 0, kPictureSide - 1, kTeal), 6);
    EXPECT_EQ(countInRow(shown, middle - 30, 1, kPictureSide - 10, kBlack), 0) << "inside the frame";

    driver.release();
    shown = driver.grabFace();
    EXPECT_EQ(countInRow(shown, middle - 30, 0, kPictureSide - 1, kBlack), 6);
}

TEST_F(KnobPicture, SlotStopsSixPixelsShortOfTheRim)
{
    for (const float value : {0.0f, 2.5f}) { // upright, then across
        SCOPED_TRACE(value);
        knob.SetPositionNoEvent(value);
        const QImage shown = driver.grabFace();
        QVector<int> along;
        for (int i = 0; i < kPictureSide; ++i)
            if ((value == 0.0f ? countInRow(shown, i, 0, kPictureSide - 1, kBlack)
                               : countOnLine(shown, QLine(i, 0, i, kPictureSide - 1), kBlack))
                > 0)
                along << i;
        ASSERT_FALSE(along.isEmpty());
        EXPECT_EQ(along.first(), kSlotInset);
        EXPECT_GE(kPictureSide - 1 - along.last(), kSlotInset);
        EXPECT_EQ(along.last() - along.first() + 1, along.size()) << "one unbroken line";
    }
}

TEST_F(KnobPicture, DottedFrameOnlyWhileDragging)
{
    const auto frameDots = [this] {
        // The frame's top edge, in the corner where the picture shows the background.
        return countInRow(driver.grabFace(), 0, 0, 30, kBlack);
    };
    EXPECT_EQ(frameDots(), 0);
    driver.pressAt(0.3);
    const int dots = frameDots();
    EXPECT_GT(dots, 5);
    EXPECT_LT(dots, 31) << "dotted, not solid";
    EXPECT_EQ(frameDots(), dots) << "another paint during the drag keeps it";
    driver.moveTo(0.6);
    EXPECT_EQ(frameDots(), dots);
    driver.release();
    EXPECT_EQ(frameDots(), 0);

    knob.setProperty("Slot", false);
    driver.pressAt(0.3);
    const QImage shown = driver.grabFace();
    EXPECT_GT(countInRow(shown, 0, 0, 30, kBlack), 5) << "the frame shows without a slot too";
    EXPECT_EQ(countInRow(shown, middle - 30, 1, kPictureSide - 1, kTeal), 0);
}

TEST(KnobShape, StaysSquareTheLargerSideWinsAndNeverShrinksBelowTheMinimum)
{
    KnobDriver driver(100);
    tavKnob& knob = driver.knob();
    const auto scale = dialix::TwipsScale::ofScreen(knob.screen());
    QWidget& face = driver.face();

    knob.resize(scale.toPixelsX(500), scale.toPixelsY(800));
    EXPECT_EQ(knob.size(), QSize(scale.toPixelsX(800), scale.toPixelsX(800)));
    EXPECT_EQ(face.geometry(), QRect(QPoint(0, 0), knob.size()));

    knob.resize(scale.toPixelsX(300), scale.toPixelsY(200));
    EXPECT_EQ(knob.width(), knob.height());
    EXPECT_GE(scale.toTwipsX(knob.width()), 350.0);
    EXPECT_LT(scale.toTwipsX(knob.width() - 1), 350.0);
    EXPECT_EQ(face.size(), knob.size());
}
} // namespace
