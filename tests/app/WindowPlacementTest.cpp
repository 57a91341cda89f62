// Where a panel opens: in the place of the one before it, moved and if need be
// cut down so that its whole frame is on the screen.
#include "AppFixture.h"
#include "app/WindowPlacement.h"
#include "panels/tools/frmCommand.h"

#include <QAction>
#include <QScreen>

using namespace dalto;
using namespace dalto::testing;

TEST(FrameOnScreen, KeepsAFrameThatFitsAndMovesOrCutsOneThatDoesNot)
{
    // A screen of 1366 x 768 with a task bar of 40 along its top.
    const QRect available(0, 40, 1366, 728);
    EXPECT_EQ(FrameOnScreen({100, 200, 900, 500}, available), QRect(100, 200, 900, 500));
    EXPECT_EQ(FrameOnScreen({600, 400, 900, 500}, available), QRect(466, 268, 900, 500));
    EXPECT_EQ(FrameOnScreen({-50, 0, 900, 500}, available), QRect(0, 40, 900, 500));
    EXPECT_EQ(FrameOnScreen({300, 100, 900, 1000}, available), QRect(300, 40, 900, 728));
    EXPECT_EQ(FrameOnScreen({300, 100, 2000, 1000}, available), available);
    // The second of two screens, to the right of the first.
    EXPECT_EQ(FrameOnScreen({1300, 100, 400, 300}, {1366, 0, 1920, 1080}), QRect(1366, 100, 400, 300));
}

namespace {
class PanelPlacementTest : public AppFixture {};
} // namespace

TEST_F(PanelPlacementTest, APanelOpensWhereTheOneBeforeItWasAndKeepsToTheScreen)
{
    startApp();
    auto& command = currentAs<frmCommand>();
    const QRect screen = command.screen()->availableGeometry();
    command.move(screen.topLeft() + QPoint(10, 0));
    command.menu.mnuRegisters->trigger();
    ASSERT_NE(current(), &command);
    const QRect registers = current()->frameGeometry();
    ASSERT_LE(registers.width() + 10, screen.width()) << "the test screen is too narrow";
    EXPECT_EQ(registers.topLeft(), screen.topLeft() + QPoint(10, 0));

    // Dragged half off the bottom right corner, its successor opens at the
    // screen's edges: a panel wider than the screen starts at its left edge.
    current()->move(screen.bottomRight() - QPoint(50, 50));
    current()->findChild<QAction*>(QStringLiteral("mnuCommand"))->trigger();
    const QRect next = current()->frameGeometry();
    EXPECT_EQ(next.right(), next.width() <= screen.width() ? screen.right() : screen.left() + next.width() - 1);
    if (next.height() <= screen.height()) {
        EXPECT_EQ(next.bottom(), screen.bottom());
    }
}
