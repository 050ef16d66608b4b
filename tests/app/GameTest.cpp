// The main window played as a player would: real widgets, modal dialogs
// answered from the test, cues recorded.
#include "tests/app/MainWindowTest.h"
#include "core/Patterns.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "controls/Animate.h"
#include "controls/ErrorBox.h"
#include "tests/support/TestSupport.h"
#include "widgets/NumSpin.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace quindle;
using quindle::test::Click;
using quindle::test::WhenMessageBox;
using quindle::test::WhenModal;

namespace {

// Answers the confirmation dialog by clicking OK or CANCEL.
void AnswerConfirmation(bool ok)
{
    WhenModal(OKBottomDlg, [ok](QWidget*) {
        Click(test::Named<quindle::TOvalButton>(OKBottomDlg, ok ? "OvalButton1" : "OvalButton2"));
    });
}

// Notes what the winner dialog showed, then closes it with OK.
struct WinnerSeen {
    QString line, mode;
    QStringList tiles;  // the board behind the dialog
    int times = 0;
};
void AnswerWinner(WinnerSeen* seen)
{
    WhenModal(Ganador, [seen](QWidget*) {
        QCoreApplication::processEvents();  // the activation runs first
        ++seen->times;
        seen->line = test::Named<quindle::TShadowLabel>(Ganador, "ShadowLabel2")->Caption();
        seen->mode = test::Named<quindle::TShadowLabel>(Ganador, "ShadowLabel3")->Caption();
        seen->tiles.clear();
        for (int n = 1; n <= 16; ++n)
            seen->tiles << Main->findChild<QAbstractButton*>(QStringLiteral("SpeedButton%1").arg(n))->text();
        Click(test::Named<quindle::TOvalButton>(Ganador, "OvalButton1"));
    });
}

class GameTest : public MainWindowTest {
protected:
    void ClickStart(bool ok)
    {
        AnswerConfirmation(ok);
        Click(Control<quindle::TOvalButton>("OvalButton1"));
    }
    // Puts an arrangement on the board through the hidden solve controls.
    void Solve(int arrangement)
    {
        Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setProperty("Value", arrangement);
        Main->OvalButton3Click();
    }
};

TEST_F(GameTest, WindowsAreCreatedOnceWithTheirCaptions)
{
    ASSERT_TRUE(Main && OKRightDlg && Ganador && OKBottomDlg);
    // Created in this order after the main window, which owns them.
    const QObjectList owned = Main->children();
    EXPECT_LT(owned.indexOf(OKRightDlg), owned.indexOf(Ganador));
    EXPECT_LT(owned.indexOf(Ganador), owned.indexOf(OKBottomDlg));
    EXPECT_GE(owned.indexOf(OKRightDlg), 0);
    EXPECT_EQ(Main->windowTitle(), "Quindle");
    EXPECT_EQ(QCoreApplication::applicationName(), "Quindle...");
    EXPECT_EQ(OKRightDlg->windowTitle(), "Credits");
    EXPECT_EQ(Ganador->windowTitle(), "Good");
    EXPECT_EQ(OKBottomDlg->windowTitle(), "Hey!");
    EXPECT_FALSE(OKRightDlg->isVisible() || Ganador->isVisible() || OKBottomDlg->isVisible());
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->Caption(), "Start");
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton2")->Caption(), "Exit");
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->Hint(), "Start Game");
    EXPECT_TRUE(Control<quindle::TOvalButton>("OvalButton1")->ShowHint());
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton2")->Hint(), "Game Over");
    EXPECT_EQ(Main->ClientHeight(), 335);
    EXPECT_FALSE(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->isVisible());
    EXPECT_FALSE(Control<quindle::TOvalButton>("OvalButton3")->isVisible());
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Tile(n), "") << n;
    const QList<QAction*> items = Control<QMenu>("Options1")->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Sound");
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_EQ(items[1]->text(), "&Credits");
    EXPECT_EQ(items[2]->text(), "&Exit");
}

TEST_F(GameTest, TilesSitInAGridWithNoGapsAndTakeNoFocus)
{
    for (int n = 1; n <= 16; ++n) {
        const int row = (n - 1) / 4, col = (n - 1) % 4;
        EXPECT_EQ(TileButton(n)->geometry(), QRect(9 + 79 * col, 14 + 68 * row, 79, 68)) << n;
        EXPECT_EQ(TileButton(n)->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(TileButton(n)->font().pixelSize(), 48);
    }
}

TEST_F(GameTest, AScreenReaderReadsAndPressesTheControls)
{
    ClickStart(true);
    Main->Timer1Timer();
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(name(TileButton(1)), Tile(1));
    EXPECT_EQ(name(Control<quindle::TOvalButton>("OvalButton1")), "Start");
    EXPECT_EQ(name(Control<quindle::TShadowLabel>("ShadowLabel1")), "Secons :1");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Control<quindle::TShadowLabel>("ShadowLabel1"))->role(), QAccessible::StaticText);
    // Pressing a tile through its action slides it like a click.
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(TileButton(15));
    ASSERT_TRUE(tile->actionInterface());
    FCues.Clear();
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();  // the press returns first, the click follows
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :1");
    // And the Start button asks first, as a click does.
    bool asked = false;
    WhenModal(OKBottomDlg, [&asked](QWidget*) { asked = true; OKBottomDlg->CancelBtnClick(); });
    QAccessible::queryAccessibleInterface(Control<quindle::TOvalButton>("OvalButton1"))
        ->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(asked);
}

TEST_F(GameTest, StartCancelledChangesNothingButReseeds)
{
    Control<quindle::TShadowLabel>("ShadowLabel4")->setCaption("Moves :7");
    const auto before = UtcMillisecondsOfDay();
    ClickStart(false);
    const auto after = UtcMillisecondsOfDay();
    EXPECT_TRUE(FCues.Played().isEmpty());
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Tile(n), "");
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :7");
    const auto seed = Main->Board().Generator().Seed();
    if (after >= before) {  // not across midnight
        EXPECT_GE(seed, before);
        EXPECT_LE(seed, after);
    }
}

TEST_F(GameTest, StartConfirmedDealsWithTheBlankBottomRight)
{
    Control<quindle::TShadowLabel>("ShadowLabel4")->setCaption("Moves :7");
    ClickStart(true);
    ASSERT_FALSE(FCues.Played().isEmpty());
    EXPECT_EQ(FCues.Played().front(), "left.wav");
    EXPECT_EQ(Tile(16), "");
    std::set<QString> tiles;
    for (int n = 1; n <= 15; ++n)
        tiles.insert(Tile(n));
    EXPECT_EQ(tiles.size(), 15u);
    EXPECT_EQ(tiles.count(""), 0u);
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :7");  // Start leaves the moves label alone
    EXPECT_FALSE(Control<quindle::TOvalButton>("OvalButton1")->Down());
}

TEST_F(GameTest, ClicksSlideTilesWithTheirCues)
{
    ClickStart(true);
    FCues.Clear();
    const QString moved = Tile(15);
    ClickTile(15);  // left of the blank
    EXPECT_EQ(Tile(16), moved);
    EXPECT_EQ(Tile(15), "");
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :1");
    ClickTile(1);  // far from the blank
    ClickTile(15);  // the blank itself
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :1");
    ClickTile(16);  // slides back
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :2");
    EXPECT_EQ(FCues.Played(), QStringList({"ok.wav", "uhoh.wav", "uhoh.wav", "ok.wav"}));
}

TEST_F(GameTest, SoundOffPlaysNothing)
{
    Control<QAction>("Sound1")->trigger();
    EXPECT_FALSE(Control<QAction>("Sound1")->isChecked());
    ClickTile(2);  // the all-blank board: next to the first blank
    EXPECT_TRUE(FCues.Played().isEmpty());
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :1");
    Control<QAction>("Sound1")->trigger();
    ClickTile(2);
    EXPECT_EQ(FCues.Played(), QStringList({"ok.wav"}));
}

TEST_F(GameTest, SecondsCountDuringADialogAndAConfirmedStartResetsThem)
{
    Main->Timer1Timer();
    Main->Timer1Timer();
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel1")->Caption(), "Secons :2");
    EXPECT_FALSE(Control<quindle::TShadowLabel>("ShadowLabel2")->Caption().isEmpty());
    bool ticked = false;
    Clock()->start();
    WhenModal(OKBottomDlg, [&ticked](QWidget*) {
        const int before = Main->Board().Segundos();
        ticked = QTest::qWaitFor([before] { return Main->Board().Segundos() > before; }, 5000);
        OKBottomDlg->OKBtnClick();
    });
    Main->SpeedButton17Click();
    Clock()->stop();
    EXPECT_TRUE(ticked);
    EXPECT_EQ(Main->Board().Segundos(), 0);
    Main->Timer1Timer();
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel1")->Caption(), "Secons :1");
}

TEST_F(GameTest, AWinPlaysApplauseAndTheDialogNamesTheArrangement)
{
    CopyClip();
    for (int i = 0; i < 3; ++i)
        Main->Timer1Timer();
    ClickTile(2);  // one accepted move on the blank board, then a click far off
    ClickTile(16);
    FCues.Clear();
    // Arrangement 9 holds the order of 5, which the check finds first. The
    // last click (row 4, column 4) is not next to its blank.
    WinnerSeen seen;
    AnswerWinner(&seen);
    Solve(9);
    EXPECT_EQ(seen.times, 1);
    EXPECT_EQ(seen.line, "3 Secons  1 Moves");
    EXPECT_EQ(seen.mode, "Escalonada A<-");
    // The board is redrawn before the dialog opens over it.
    EXPECT_EQ(seen.tiles, QStringList({"7", "4", "2", "1", "11", "8", "5", "3", "14", "12", "9", "6", "", "15", "13", "10"}));
    EXPECT_EQ(FCues.Played(), QStringList({"uhoh.wav", "applause.wav"}));
    EXPECT_EQ(Main->Tag(), 5);
    EXPECT_FALSE(Ganador->isVisible());
    EXPECT_FALSE(test::Named<quindle::TAnimate>(Ganador, "Animate1")->Active());  // OK stopped it
}

TEST_F(GameTest, AMissingClipIsReportedAndTheModeLineStays)
{
    QString boxText;
    WinnerSeen seen;
    WhenMessageBox([&boxText](QWidget* box) {
        boxText = static_cast<QMessageBox*>(box)->text();
        EXPECT_EQ(box->windowTitle(), "Quindle...");
        static_cast<QMessageBox*>(box)->accept();
    });
    AnswerWinner(&seen);
    Solve(2);
    EXPECT_EQ(boxText, "Cannot open AVI.");
    EXPECT_EQ(seen.times, 1);
    EXPECT_EQ(seen.line, "0 Secons  0 Moves");
    EXPECT_EQ(seen.mode, "");  // the error ended the activation before the name
}

TEST_F(GameTest, ACorruptClipIsReportedAtEveryShowing)
{
    QFile bad("cool.avi");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF\x10\0\0\0AVI LIST garbage", 24);
    bad.close();
    int boxes = 0;
    for (int round = 0; round < 2; ++round) {
        WinnerSeen seen;
        WhenMessageBox([&boxes](QWidget* box) {
            ++boxes;
            static_cast<QMessageBox*>(box)->accept();
        });
        AnswerWinner(&seen);
        Solve(1);
        EXPECT_EQ(seen.times, 1);
    }
    EXPECT_EQ(boxes, 2);
}

TEST_F(GameTest, ExitCancelledStaysAndTheCloseBoxAsksAgain)
{
    int asked = 0;
    WhenModal(OKBottomDlg, [&asked](QWidget*) { ++asked; Click(test::Named<quindle::TOvalButton>(OKBottomDlg, "OvalButton2")); });
    Click(Control<quindle::TOvalButton>("OvalButton2"));
    EXPECT_TRUE(Main->isVisible());
    EXPECT_FALSE(Main->Saliendo);
    WhenModal(OKBottomDlg, [&asked](QWidget*) { ++asked; Click(test::Named<quindle::TOvalButton>(OKBottomDlg, "OvalButton2")); });
    EXPECT_FALSE(Main->close());
    EXPECT_TRUE(Main->isVisible());
    EXPECT_EQ(asked, 2);
}

TEST_F(GameTest, ExitConfirmedClosesWithoutASecondQuestion)
{
    int asked = 0;
    WhenModal(OKBottomDlg, [&asked](QWidget*) { ++asked; OKBottomDlg->OKBtnClick(); });
    Control<QAction>("Exit1")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Main->Saliendo);
    EXPECT_FALSE(Main->isVisible());
}

TEST_F(GameTest, TheCloseBoxAnsweredOkCloses)
{
    WhenModal(OKBottomDlg, [](QWidget*) { OKBottomDlg->OKBtnClick(); });
    EXPECT_TRUE(Main->close());
    EXPECT_FALSE(Main->isVisible());
}

TEST_F(GameTest, GamesAndBackSwitchTheClientHeight)
{
    const int shortOuter = Main->height();
    Control<quindle::TSpeedButton>("SpeedButton19")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Main->ClientHeight(), 420);
    EXPECT_EQ(Main->height(), shortOuter + 85);
    // The examples come into view fitted to their texts.
    for (const TShadowLabel* example : {Control<quindle::TShadowLabel>("ShadowLabel5"), Control<quindle::TShadowLabel>("ShadowLabel6"), Control<quindle::TShadowLabel>("ShadowLabel7"),
                                        Control<quindle::TShadowLabel>("ShadowLabel8"), Control<quindle::TShadowLabel>("ShadowLabel9")})
        EXPECT_EQ(example->size(), example->sizeHint()) << example->objectName().toStdString();
    Control<quindle::TSpeedButton>("SpeedButton20")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Main->ClientHeight(), 335);
    EXPECT_EQ(Main->height(), shortOuter);
}

TEST_F(GameTest, TheErrorBoxAddsAFullStopOnlyAfterLaterCharacters)
{
    QString text;
    WhenMessageBox([&text](QWidget* box) {
        text = static_cast<QMessageBox*>(box)->text();
        EXPECT_EQ(static_cast<QMessageBox*>(box)->icon(), QMessageBox::Critical);
        static_cast<QMessageBox*>(box)->accept();
    });
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setText("0");
    Main->OvalButton3Click();
    EXPECT_EQ(text, "Range check error.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Wait..."), "Wait...");
    EXPECT_EQ(ErrorBoxText("Oops!"), "Oops!");  // '!' sorts before '.'
    EXPECT_EQ(ErrorBoxText("Error 7"), "Error 7.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

} // namespace
