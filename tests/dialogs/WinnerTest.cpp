// The winner dialog: what it reads from the game and how its clip runs.
#include "core/Board.h"
#include "core/Patterns.h"
#include "dialogs/Unit3.h"
#include "controls/Animate.h"
#include "tests/support/TestSupport.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace quindle;
using quindle::test::WhenMessageBox;
using quindle::test::WhenModal;

namespace {

class WinnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.Valid());
        ASSERT_TRUE(FDir.CopyAsset(QStringLiteral("cool.avi")));
        for (int i = 0; i < 125; ++i)
            FBoard.Tick();
        for (int i = 0; i < 40; ++i)  // the blank board: every such click is a move
            ASSERT_EQ(FBoard.Click(1, 2).Slide, TSlide::Accepted);
        FBoard.Load(Juegos(3));
        ASSERT_EQ(FBoard.ChecaPatron(), 3);
        FDialog = std::make_unique<TGanador>();
        FDialog->setGame(&FBoard);
    }
    void TearDown() override { FDialog.reset(); }
    TAnimate* Clip() { return test::Named<quindle::TAnimate>(FDialog.get(), "Animate1"); }
    // Shows the dialog and runs `inside` once it is up and activated.
    void Show(std::function<void()> inside)
    {
        WhenModal(FDialog.get(), [inside](QWidget*) {
            QCoreApplication::processEvents();
            inside();
        });
        FDialog->ShowModal();
    }

    test::TempCurrentDir FDir;
    TBoard FBoard;
    std::unique_ptr<TGanador> FDialog;
};

TEST_F(WinnerTest, ShowsSecondsMovesAndTheModeName)
{
    ASSERT_EQ(FBoard.Tag(), 3);
    QString line, mode;
    Show([&] {
        line = test::Named<quindle::TShadowLabel>(FDialog.get(), "ShadowLabel2")->Caption();
        mode = test::Named<quindle::TShadowLabel>(FDialog.get(), "ShadowLabel3")->Caption();
        FDialog->OKBtnClick();
    });
    EXPECT_EQ(line, "125 Secons  40 Moves");
    EXPECT_EQ(mode, "Caracol...");
    EXPECT_EQ(FDialog->windowTitle(), "Good");
    EXPECT_EQ(FDialog->size(), QSize(398, 273));
}

TEST_F(WinnerTest, TheClipIsOpenedWhenTheWindowFirstAppearsAndLoops)
{
    EXPECT_FALSE(Clip()->Open());
    bool active = false;
    QRect where;
    Show([&] {
        active = Clip()->Active();
        where = Clip()->geometry();
        FDialog->OKBtnClick();
    });
    EXPECT_TRUE(active);
    EXPECT_TRUE(Clip()->Open());
    EXPECT_EQ(where.size(), QSize(Clip()->FrameWidth(), Clip()->FrameHeight()));
    EXPECT_EQ(where.center(), QRect(325, 92, 60, 39).center());
    EXPECT_EQ(Clip()->StopFrame(), Clip()->FrameCount());
    EXPECT_FALSE(Clip()->Active());
    EXPECT_EQ(Clip()->CurrentFrame(), 1);
}

TEST_F(WinnerTest, TheCloseBoxLeavesTheClipRunningAndOkStopsIt)
{
    Show([&] { FDialog->close(); });
    EXPECT_TRUE(Clip()->Active());
    bool stillActive = false;
    Show([&] {
        stillActive = Clip()->Active();
        FDialog->OKBtnClick();
    });
    EXPECT_TRUE(stillActive);
    EXPECT_FALSE(Clip()->Active());
    // Stopped clips rest on the first frame; a running one may be anywhere.
    EXPECT_EQ(Clip()->CurrentFrame(), 1);
    bool playsAgain = false;
    Show([&] {
        playsAgain = Clip()->Active();
        FDialog->OKBtnClick();
    });
    EXPECT_TRUE(playsAgain);
}

TEST_F(WinnerTest, OkStillClosesWhenTheClipIsMissing)
{
    QFile::remove("cool.avi");
    auto dialog = std::make_unique<TGanador>();
    dialog->setGame(&FBoard);
    QString error;
    WhenMessageBox([&error](QWidget* box) {
        error = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    bool closed = false;
    WhenModal(dialog.get(), [&](QWidget*) {
        QCoreApplication::processEvents();
        test::Click(test::Named<quindle::TOvalButton>(dialog.get(), "OvalButton1"));
        closed = !dialog->isVisible();
    });
    dialog->ShowModal();
    EXPECT_EQ(error, "Cannot open AVI.");
    EXPECT_TRUE(closed);
}

} // namespace
