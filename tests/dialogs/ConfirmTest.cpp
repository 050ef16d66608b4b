// The confirmation dialog: its answers and where it opens.
#include "dialogs/Unit4.h"
#include "tests/support/TestSupport.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace quindle;
using quindle::test::Click;
using quindle::test::WhenModal;

namespace {

class ConfirmTest : public ::testing::Test {
protected:
    TOKBottomDlg dlg;
    template <typename T>
    T* Control(const char* name)
    {
        return test::Named<T>(&dlg, name);
    }

    int AnswerWith(std::function<void()> act)
    {
        WhenModal(&dlg, [act](QWidget*) { act(); });
        return dlg.ShowModal();
    }
};

TEST_F(ConfirmTest, ShowsTheQuestionWithTwoButtons)
{
    EXPECT_EQ(dlg.windowTitle(), "Hey!");
    EXPECT_EQ(dlg.size(), QSize(196, 214));
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel1")->Caption(), "Are you\nsure...");
    EXPECT_EQ(Control<quindle::TShadowLabel>("ShadowLabel1")->font().pixelSize(), 48);
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->Caption(), "OK");
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton2")->Caption(), "CANCEL");
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->geometry(), QRect(5, 176, 93, 32));
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton2")->geometry(), QRect(101, 176, 93, 32));
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->NumGlyphs(), 2);
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton1")->TransparentColor(), clPurple);
    EXPECT_EQ(Control<quindle::TOvalButton>("OvalButton2")->TransparentColor(), clSilver);
    EXPECT_FALSE(Control<quindle::TOvalButton>("OvalButton1")->Glyph().isNull());
}

TEST_F(ConfirmTest, TheQuestionFitsItsTextWhenTheDialogFirstOpens)
{
    const QSize unfitted = Control<quindle::TShadowLabel>("ShadowLabel1")->size();
    QSize opened;
    AnswerWith([&] {
        opened = Control<quindle::TShadowLabel>("ShadowLabel1")->size();
        Control<quindle::TOvalButton>("OvalButton1")->Click();
    });
    EXPECT_EQ(opened, Control<quindle::TShadowLabel>("ShadowLabel1")->sizeHint());
    EXPECT_NE(opened, unfitted);
}

TEST_F(ConfirmTest, OkAnswersOneAndEveryOtherWayTwo)
{
    EXPECT_EQ(AnswerWith([this] { Click(Control<quindle::TOvalButton>("OvalButton1")); }), TModalForm::mrOk);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(AnswerWith([this] { Click(Control<quindle::TOvalButton>("OvalButton2")); }), TModalForm::mrCancel);
    EXPECT_EQ(AnswerWith([this] { dlg.close(); }), TModalForm::mrCancel);  // the close box
}

TEST_F(ConfirmTest, EscapeAndEnterDoNothing)
{
    bool stillOpen = false;
    const int answer = AnswerWith([this, &stillOpen] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(&dlg, Qt::Key_Enter);
        stillOpen = dlg.isVisible();
        dlg.OKBtnClick();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(answer, TModalForm::mrOk);
}

TEST_F(ConfirmTest, LettersAnswerAndAltF4Cancels)
{
    EXPECT_EQ(AnswerWith([this] { QTest::keyClick(&dlg, Qt::Key_Y, Qt::ShiftModifier); }), TModalForm::mrOk);
    EXPECT_EQ(AnswerWith([this] { QTest::keyClick(&dlg, Qt::Key_N); }), TModalForm::mrCancel);
    bool stillOpen = false;
    EXPECT_EQ(AnswerWith([this, &stillOpen] {
                  QTest::keyClick(&dlg, Qt::Key_O, Qt::AltModifier);  // Alt and Ctrl keep their meaning
                  QTest::keyClick(&dlg, Qt::Key_O, Qt::ControlModifier);
                  stillOpen = dlg.isVisible();
                  QTest::keyClick(&dlg, Qt::Key_F4, Qt::AltModifier);
              }),
              TModalForm::mrCancel);
    EXPECT_TRUE(stillOpen);
}

TEST_F(ConfirmTest, ATypedMnemonicPressesItsButton)
{
    Control<quindle::TOvalButton>("OvalButton2")->setCaption("CANCE&L");
    EXPECT_EQ(AnswerWith([this] {
                  QTest::keyClick(&dlg, Qt::Key_X);  // no button has it: nothing happens
                  QTest::keyClick(&dlg, Qt::Key_L);
                  if (dlg.isVisible())
                      dlg.OKBtnClick();  // the mnemonic failed: end the loop all the same
              }),
              TModalForm::mrCancel);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ConfirmTest, OpensCentredThenWhereThePlayerLeftIt)
{
    QPoint first;
    AnswerWith([this, &first] {
        first = dlg.frameGeometry().topLeft();
        dlg.move(dlg.pos() + QPoint(40, 30));
        dlg.OKBtnClick();
    });
    const QRect screen = dlg.screen()->geometry();
    const QSize outer = dlg.frameGeometry().size();
    EXPECT_EQ(first.x(), std::max(0, (screen.width() - outer.width()) / 2));
    EXPECT_EQ(first.y(), std::max(0, (screen.height() - outer.height()) / 2));
    QPoint second;
    AnswerWith([this, &second] {
        second = dlg.frameGeometry().topLeft();
        dlg.OKBtnClick();
    });
    EXPECT_EQ(second, first + QPoint(40, 30));
}

} // namespace
