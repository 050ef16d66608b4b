// The hidden solve mode: the access code typed with Alt held, and Resolver.
#include "tests/app/MainWindowTest.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "tests/support/TestSupport.h"
#include "widgets/NumSpin.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace quindle;
using quindle::test::WhenMessageBox;
using quindle::test::Click;
using quindle::test::WhenModal;

namespace {

class SolveTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        CopyClip();
    }
    bool Shown() const
    {
        const bool shown = Control<quindle::TNumSpinEdit>("NumSpinEdit1")->isVisible();
        EXPECT_EQ(shown, Control<quindle::TOvalButton>("OvalButton3")->isVisible());
        return shown;
    }
    // Raw key events: QTest's own helpers press the modifiers again before
    // every key, while the player holds Alt down through the whole code.
    static void Key(QWidget* to, int key, Qt::KeyboardModifiers mods)
    {
        QTest::simulateEvent(to, true, key, mods, QString(), false);
        QTest::simulateEvent(to, false, key, mods, QString(), false);
    }
    void Alt(QWidget* to = nullptr) { QTest::simulateEvent(to ? to : Main, true, Qt::Key_Alt, Qt::AltModifier, QString(), false); }
    void Type(const char* letters, Qt::KeyboardModifiers mods = Qt::AltModifier, QWidget* to = nullptr)
    {
        for (const char* p = letters; *p; ++p)
            Key(to ? to : Main, Qt::Key_A + (*p - 'A'), mods);
    }
    // Runs Resolver and notes the winner dialog's mode line.
    QString ResolveAndSeeMode()
    {
        QString mode;
        WhenModal(Ganador, [&mode](QWidget*) {
            QCoreApplication::processEvents();
            mode = test::Named<quindle::TShadowLabel>(Ganador, "ShadowLabel3")->Caption();
            Ganador->OKBtnClick();
        });
        Click(Control<quindle::TOvalButton>("OvalButton3"));
        return mode;
    }
};

TEST_F(SolveTest, TheCodeInAnyOrderShowsBothControlsAndAltHidesThem)
{
    Alt();
    Type("SWI");
    EXPECT_FALSE(Shown());
    Type("H");
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->geometry(), QRect(357, 180, 39, 21));
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton3")->geometry(), QRect(348, 206, 57, 28));
    Type("SWIH");  // the four letters again change nothing
    EXPECT_TRUE(Shown());
    Key(Main, Qt::Key_X, Qt::NoModifier);  // no Alt: the buffer stays
    EXPECT_TRUE(Shown());
    Alt();
    EXPECT_FALSE(Shown());

    Alt();
    Type("HIWS");
    EXPECT_TRUE(Shown());
    Type("Q");  // Alt with another letter clears
    EXPECT_FALSE(Shown());
}

TEST_F(SolveTest, AltWithTheMenuMnemonicClearsTheCodeToo)
{
    Alt();
    Type("SWISH");
    ASSERT_TRUE(Shown());
    Type("O");  // the menu bar takes it and opens "&Options"
    EXPECT_FALSE(Shown());
    if (QWidget* menu = QApplication::activePopupWidget())
        menu->close();
}

TEST_F(SolveTest, ShiftOrCtrlWithAltDoNotFillTheBuffer)
{
    Alt();
    Type("SWIH", Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_FALSE(Shown());
    Type("SWIH", Qt::AltModifier | Qt::ControlModifier);
    EXPECT_FALSE(Shown());
    Alt();
    Type("SWI");
    Key(Main, Qt::Key_5, Qt::AltModifier);  // a digit clears too
    Type("H");
    EXPECT_FALSE(Shown());
}

TEST_F(SolveTest, KeysReachTheHandlerFromTheSelectorToo)
{
    Alt();
    Type("SWISH");
    ASSERT_TRUE(Shown());
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setFocus();
    ASSERT_TRUE(Control<quindle::TNumSpinEdit>("NumSpinEdit1")->hasFocus());
    Alt(Control<quindle::TNumSpinEdit>("NumSpinEdit1"));
    EXPECT_FALSE(Shown());
}

TEST_F(SolveTest, ArrangementNineIsNamedAsFive)
{
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setProperty("Value", 9);
    EXPECT_EQ(ResolveAndSeeMode(), "Escalonada A<-");
    EXPECT_EQ(Main->Tag(), 5);
    EXPECT_EQ(FCues.Played(), QStringList({"uhoh.wav", "applause.wav"}));
}

TEST_F(SolveTest, AfterAClickOnTheBlankCornerArrangementTwoStillWins)
{
    ClickTile(16);
    FCues.Clear();
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setProperty("Value", 2);
    EXPECT_EQ(ResolveAndSeeMode(), "Horizontal...");
    EXPECT_EQ(FCues.Played(), QStringList({"uhoh.wav", "applause.wav"}));
    EXPECT_EQ(Tile(1), "1");
    EXPECT_EQ(Tile(15), "15");
    EXPECT_EQ(Tile(16), "");
}

TEST_F(SolveTest, AClickNextToTheNewBlankSlidesAwayFromTheArrangement)
{
    ClickTile(15);  // row 4, column 3
    FCues.Clear();
    Control<quindle::TNumSpinEdit>("NumSpinEdit1")->setProperty("Value", 2);
    Click(Control<quindle::TOvalButton>("OvalButton3"));
    EXPECT_EQ(FCues.Played(), QStringList({"ok.wav"}));
    EXPECT_EQ(Tile(15), "");
    EXPECT_EQ(Tile(16), "15");
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :1");
}

TEST_F(SolveTest, ADeletedDigitGivesARangeErrorAndChangesNothing)
{
    Alt();
    Type("SWISH");
    auto* field = Control<quindle::TNumSpinEdit>("NumSpinEdit1");
    field->setProperty("Value", 10);
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    ASSERT_EQ(field->text(), "0");
    Control<quindle::TShadowLabel>("ShadowLabel4")->setCaption("Moves :3");
    FCues.Clear();
    QString error;
    WhenMessageBox([&error](QWidget* box) {
        error = static_cast<QMessageBox*>(box)->text();
        EXPECT_EQ(box->windowTitle(), "Quindle...");
        static_cast<QMessageBox*>(box)->accept();
    });
    Click(Control<quindle::TOvalButton>("OvalButton3"));
    EXPECT_EQ(error, "Range check error.");
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Tile(n), "");
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel4")->Caption(), "Moves :3");
    EXPECT_TRUE(FCues.Played().isEmpty());
    EXPECT_EQ(Main->Tag(), 0);
}

} // namespace
