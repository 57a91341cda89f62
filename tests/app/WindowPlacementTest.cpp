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

TEST_F(PanelPlacementTest, APanelOpensWhereTheOneBeforeItWasWhollyOnTheScreen)
{
    startApp();
    auto& command = currentAs<frmCommand>();
    const QRect screen = command.screen()->availableGeometry();
    command.move(screen.topLeft() + QPoint(30, 20));
    command.menu.mnuRegisters->trigger();
    ASSERT_NE(current(), &command);
    EXPECT_EQ(current()->frameGeometry().topLeft(), screen.topLeft() + QPoint(30, 20));

    // Dragged half off the screen, its successor still opens wholly on it.
    current()->move(screen.bottomRight() - QPoint(50, 50));
    current()->findChild<QAction*>(QStringLiteral("mnuCommand"))->trigger();
    EXPECT_TRUE(screen.contains(current()->frameGeometry())) << current()->frameGeometry().x();
}
