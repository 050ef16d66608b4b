// Playing from the keyboard: the arrow keys and F2 in the main window, the
// answer letters in the question, the close shortcut in the dialogs, and
// the keys the game already had working as before.
#include "tests/app/MainWindowTest.h"
#include "app/GameKeys.h"
#include "core/Patterns.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "tests/support/TestSupport.h"
#include "widgets/NumSpin.h"
#include "widgets/ShadowLbl.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace quindle;
using quindle::test::WhenModal;

namespace {

TEST(GameKeys, ArrowsTakeTheTileOnTheOppositeSideOfTheBlank)
{
    const TCell blank{2, 3};
    EXPECT_EQ(SlideSource(Qt::Key_Left, {}, blank), (TCell{2, 4}));
    EXPECT_EQ(SlideSource(Qt::Key_Right, {}, blank), (TCell{2, 2}));
    EXPECT_EQ(SlideSource(Qt::Key_Up, {}, blank), (TCell{3, 3}));
    EXPECT_EQ(SlideSource(Qt::Key_Down, {}, blank), (TCell{1, 3}));
    // Shift and the keypad's arrows count; Alt and Ctrl keep their meaning.
    EXPECT_EQ(SlideSource(Qt::Key_Left, Qt::ShiftModifier | Qt::KeypadModifier, blank), (TCell{2, 4}));
    EXPECT_FALSE(SlideSource(Qt::Key_Left, Qt::AltModifier, blank));
    EXPECT_FALSE(SlideSource(Qt::Key_Up, Qt::ControlModifier, blank));
    EXPECT_FALSE(SlideSource(Qt::Key_S, {}, blank));
    // At an edge the source lies off the board.
    EXPECT_FALSE(OnBoard(*SlideSource(Qt::Key_Left, {}, TCell{4, 4})));
    EXPECT_FALSE(OnBoard(*SlideSource(Qt::Key_Down, {}, TCell{1, 1})));
    EXPECT_TRUE(IsStartKey(Qt::Key_F2, {}));
    EXPECT_FALSE(IsStartKey(Qt::Key_F2, Qt::AltModifier));
}

class KeysTest : public MainWindowTest {
protected:
    static void Key(QWidget* to, int key, Qt::KeyboardModifiers mods = {})
    {
        QTest::simulateEvent(to, true, key, mods, QString(), false);
        QTest::simulateEvent(to, false, key, mods, QString(), false);
    }
    // F2, then a key typed into the question.
    void StartAnswering(int answerKey)
    {
        WhenModal(OKBottomDlg, [answerKey](QWidget*) { QTest::keyClick(OKBottomDlg, Qt::Key(answerKey)); });
        Key(Main, Qt::Key_F2);
    }
    QStringList Captions()
    {
        QStringList all;
        for (int n = 1; n <= 16; ++n)
            all << Tile(n);
        return all;
    }
};

TEST_F(KeysTest, F2StartsAndTheQuestionAnswersToItsLetters)
{
    for (int key : {Qt::Key_C, Qt::Key_N}) {
        StartAnswering(key);
        EXPECT_EQ(Captions(), QStringList(16, QString())) << key;
        EXPECT_FALSE(OKBottomDlg->isVisible());
    }
    EXPECT_TRUE(FCues.Played().isEmpty());
    StartAnswering(Qt::Key_O);
    EXPECT_EQ(FCues.Played(), QStringList{"left.wav"});
    EXPECT_EQ(Tile(16), "");
    const QStringList dealt = Captions();
    StartAnswering(Qt::Key_Y);
    EXPECT_EQ(FCues.Played().size(), 2);
    EXPECT_NE(Captions(), dealt);  // dealt again
    EXPECT_FALSE(OKBottomDlg->isVisible());
}

TEST_F(KeysTest, ArrowsSlideLikeAClickAndAnEdgeOnlySaysUhOh)
{
    StartAnswering(Qt::Key_O);
    FCues.Clear();
    const QStringList before = Captions();
    // The blank starts bottom right: nothing lies right of it or below it.
    Key(Main, Qt::Key_Left);
    Key(Main, Qt::Key_Up);
    EXPECT_EQ(Captions(), before);
    EXPECT_EQ(FCues.Played(), QStringList({"uhoh.wav", "uhoh.wav"}));
    EXPECT_EQ(Main->Board().Movimientos(), 0);
    EXPECT_EQ(Main->Board().Fila(), 0);

    Key(Main, Qt::Key_Right);  // the tile left of the blank moves right
    EXPECT_EQ(Tile(16), before[14]);
    EXPECT_EQ(Tile(15), "");
    EXPECT_EQ(Main->Board().Fila(), 4);
    EXPECT_EQ(Main->Board().Columna(), 3);
    Key(Main, Qt::Key_Down, Qt::KeypadModifier);  // the tile above moves down
    EXPECT_EQ(Tile(15), before[10]);
    EXPECT_EQ(Tile(11), "");
    Key(Main, Qt::Key_Left);  // and back to the right-hand neighbour
    EXPECT_EQ(Tile(11), before[11]);
    EXPECT_EQ(Tile(12), "");
    EXPECT_EQ(FCues.Played(), QStringList({"uhoh.wav", "uhoh.wav", "ok.wav", "ok.wav", "ok.wav"}));
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :3");

    // With Alt or Ctrl held the arrows are not playing keys.
    Key(Main, Qt::Key_Up, Qt::AltModifier);
    Key(Main, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Main->Board().Movimientos(), 3);
}

TEST_F(KeysTest, AnArrowThatReachesAnArrangementShowsTheWinnerAndAltF4ClosesIt)
{
    CopyClip();
    Main->Board().Load(Juegos(1));
    Key(Main, Qt::Key_Right);  // a tile leaves the arrangement
    ASSERT_EQ(Main->Board().Tag(), 0);
    QString mode;
    bool closed = false;
    WhenModal(Ganador, [&](QWidget*) {
        QCoreApplication::processEvents();
        mode = test::Named<quindle::TShadowLabel>(Ganador, "ShadowLabel3")->Caption();
        QTest::keyClick(Ganador, Qt::Key_F4, Qt::AltModifier);  // as the close box
        closed = !Ganador->isVisible();
    });
    Key(Main, Qt::Key_Left);  // and comes back
    ASSERT_NE(Main->Board().Tag(), 0);
    EXPECT_EQ(mode, QString::fromUtf8(Modos(Main->Board().Tag())));
    EXPECT_EQ(FCues.Played().last(), "applause.wav");
    EXPECT_TRUE(closed);
}

TEST_F(KeysTest, TheSelectorKeepsItsArrowsAndTheAccessCodeItsAltLetters)
{
    StartAnswering(Qt::Key_O);
    const QStringList dealt = Captions();
    QTest::simulateEvent(Main, true, Qt::Key_Alt, Qt::AltModifier, QString(), false);
    for (int key : {Qt::Key_S, Qt::Key_W, Qt::Key_I, Qt::Key_H})
        Key(Main, key, Qt::AltModifier);
    ASSERT_TRUE(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->isVisible());
    EXPECT_EQ(Captions(), dealt);
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setFocus();
    Key(Control<quindle::TNumSpinEdit>("NumSpinEdit1"), Qt::Key_Up);
    Key(Control<quindle::TNumSpinEdit>("NumSpinEdit1"), Qt::Key_Up);
    Key(Control<quindle::TNumSpinEdit>("NumSpinEdit1"), Qt::Key_Down);
    EXPECT_EQ(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->IntValue(), 2);
    EXPECT_EQ(Captions(), dealt);
    // It takes no typing; the main window sounds the alert it asks for.
    QTest::keyClick(Control<quindle::TNumSpinEdit>("NumSpinEdit1"), Qt::Key_5);
    EXPECT_EQ(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->IntValue(), 2);
    EXPECT_EQ(FCues.Played().count(QStringLiteral("<alert>")), 1);
    // F2 still starts from the selector; the question is answered Cancel.
    bool asked = false;
    WhenModal(OKBottomDlg, [&asked](QWidget*) {
        asked = true;
        QTest::keyClick(OKBottomDlg, Qt::Key_N);
    });
    Key(Control<quindle::TNumSpinEdit>("NumSpinEdit1"), Qt::Key_F2);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->isVisible());
}

TEST_F(KeysTest, AltF4ClosesTheCreditsLikeTheCloseBox)
{
    bool closed = false;
    WhenModal(OKRightDlg, [&closed](QWidget*) {
        QTest::keyClick(OKRightDlg, Qt::Key_F4, Qt::AltModifier);
        closed = !OKRightDlg->isVisible();
    });
    Main->Credits1Click();
    EXPECT_TRUE(closed);
}

TEST_F(KeysTest, AltF4InTheMainWindowAsksFirst)
{
    bool asked = false;
    WhenModal(OKBottomDlg, [&asked](QWidget*) {
        asked = true;
        QTest::keyClick(OKBottomDlg, Qt::Key_Escape);  // does nothing
        QTest::keyClick(OKBottomDlg, Qt::Key_Return);  // nor does this
        QTest::keyClick(OKBottomDlg, Qt::Key_C);
    });
    Key(Main, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Main->isVisible());
}

} // namespace
