// The game as a screen reader sees it: names, the change events it
// follows, and presses that return before the click runs.
#include "tests/app/MainWindowTest.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "core/Patterns.h"
#include "tests/support/TestSupport.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include "widgets/NumSpin.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

using namespace quindle;
using quindle::test::WhenModal;

namespace {

QAccessibleInterface* Iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString Name(QObject* o) { return Iface(o)->text(QAccessible::Name); }

class AccessibilityTest : public MainWindowTest {
protected:
    void Press(QObject* button) { Iface(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }
    void Deal()
    {
        WhenModal(OKBottomDlg, [](QWidget*) { OKBottomDlg->OKBtnClick(); });
        Main->SpeedButton17Click();
    }
};

TEST_F(AccessibilityTest, TilesReadTheirNumberOrBlankAndWhereTheyAre)
{
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Name(TileButton(n)), "blank") << n;  // not the group box's title
        EXPECT_EQ(Iface(TileButton(n))->role(), QAccessible::Button);
        EXPECT_EQ(Iface(TileButton(n))->text(QAccessible::Description),
                  QStringLiteral("row %1, column %2").arg((n - 1) / 4 + 1).arg((n - 1) % 4 + 1));
    }
    Deal();
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(Name(TileButton(n)), Tile(n));
    EXPECT_EQ(Name(TileButton(16)), "blank");
    EXPECT_EQ(Name(Control<quindle::TSpeedButton>("SpeedButton19")), "Games");
    EXPECT_EQ(Name(Control<quindle::TNumSpinEdit>("NumSpinEdit1")), "Arrangement");
}

TEST_F(AccessibilityTest, ReadOutsAreLabelsWithTheirText)
{
    Main->Timer1Timer();
    QAccessibleInterface* seconds = Iface(Control<quindle::TShadowLabel>("ShadowLabel1"));
    EXPECT_EQ(seconds->role(), QAccessible::StaticText);
    ASSERT_TRUE(seconds->textInterface());
    EXPECT_EQ(seconds->textInterface()->text(0, seconds->textInterface()->characterCount()), "Secons :1");
    EXPECT_EQ(seconds->textInterface()->text(0, 6), "Secons");
    EXPECT_EQ(seconds->textInterface()->text(7, 100), ":1");
    EXPECT_TRUE(seconds->state().readOnly);
}

// The change events themselves reach a tool only through a real desktop's
// bridge; the end-to-end suite listens for them. Here: the hidden credits
// box scrolls without touching its bar, whose every step would be one.
TEST_F(AccessibilityTest, TheHiddenCreditsLeaveTheirBarAlone)
{
    QScrollBar* bar = test::Named<QScrollArea>(OKRightDlg, "ScrollBox1")->verticalScrollBar();
    QSignalSpy moved(bar, &QScrollBar::valueChanged);
    for (int i = 0; i < 100; ++i)
        OKRightDlg->Timer1Timer();
    EXPECT_EQ(OKRightDlg->Position(), 99);  // it scrolls all the same
    EXPECT_EQ(moved.count(), 0);
    // Shown, it starts at the top and the bar follows the ticks, by hand
    // only: a real tick on a slow machine would add one.
    OKRightDlg->Timer1->setInterval(24 * 60 * 60 * 1000);
    int shownAt = -1;
    WhenModal(OKRightDlg, [&shownAt, bar](QWidget*) {
        OKRightDlg->Timer1Timer();
        OKRightDlg->Timer1Timer();
        shownAt = bar->value();
        OKRightDlg->OKBtnClick();
    });
    OKRightDlg->ShowModal();
    EXPECT_EQ(shownAt, 2);
}

TEST_F(AccessibilityTest, PressesReturnBeforeTheClickRuns)
{
    // Start, Exit and Resolver open dialogs; a tile may open the winner.
    bool asked = false;
    WhenModal(OKBottomDlg, [&asked](QWidget*) {
        asked = true;
        OKBottomDlg->CancelBtnClick();
    });
    Press(Control<quindle::TOvalButton>("OvalButton1"));
    EXPECT_FALSE(asked);
    QTRY_VERIFY(asked);

    Main->Board().Load(Juegos(1));
    (void)Main->Board().Click(4, 3);  // one step away from an arrangement
    CopyClip();
    bool won = false;
    WhenModal(Ganador, [&won](QWidget*) {
        won = true;
        Ganador->OKBtnClick();
    });
    Press(TileButton(16));
    EXPECT_FALSE(won);
    EXPECT_EQ(Tile(15), "");  // not slid yet
    QTRY_VERIFY(won);
    EXPECT_EQ(Main->Board().Movimientos(), 2);
}

} // namespace
