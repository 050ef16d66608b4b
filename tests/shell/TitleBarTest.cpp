#include "shell/TitleBar.h"

#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using quindle::AttachTitleBar;

namespace {

// A window that may refuse to close, as the main window asks first.
class TRefusingDialog : public QDialog {
public:
    bool Allow = true;
    int Asked = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++Asked;
        if (Allow)
            QDialog::closeEvent(event);
        else
            event->ignore();
    }
};

// Counts the moves the bar hands to the window system.
class TCountingBar : public quindle::TTitleBar {
public:
    using TTitleBar::TTitleBar;
    int Moves = 0;

protected:
    void StartMove() override { ++Moves; }
};

}

TEST(TitleBar, OnlyADragMovesTheWindow)
{
    QDialog dialog;
    dialog.resize(200, 100);
    auto* bar = new TCountingBar(&dialog);
    bar->setGeometry(0, 0, 200, 20);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint at(40, 10);

    QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
    QTest::mouseClick(bar, Qt::RightButton, {}, at);
    EXPECT_EQ(bar->Moves, 0);

    // Held and moved less than a drag: still a click.
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseMove(bar, at + QPoint(1, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at + QPoint(1, 0));
    EXPECT_EQ(bar->Moves, 0);

    // A drag starts one move, however far it goes.
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseMove(bar, at + QPoint(30, 0));
    QTest::mouseMove(bar, at + QPoint(60, 5));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at + QPoint(60, 5));
    EXPECT_EQ(bar->Moves, 1);

    // Dragging off the close box neither moves nor closes.
    const QPoint box = bar->CloseBoxRect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, box);
    QTest::mouseMove(bar, box - QPoint(60, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, box - QPoint(60, 0));
    EXPECT_EQ(bar->Moves, 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(TitleBar, MovesAFixedLayoutDownAndGrowsTheWindow)
{
    QDialog dialog;
    dialog.resize(200, 100);
    auto* child = new QWidget(&dialog);
    child->setGeometry(10, 5, 50, 30);

    const auto* bar = AttachTitleBar(&dialog);

    const int h = bar->height();
    EXPECT_GT(h, 0);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 200, h));
    EXPECT_EQ(child->geometry(), QRect(10, 5 + h, 50, 30));
    EXPECT_EQ(dialog.size(), QSize(200, 100 + h));
    ASSERT_TRUE(dialog.windowHandle());
    EXPECT_TRUE(dialog.windowHandle()->flags() & Qt::FramelessWindowHint);
    // The close box sits at the right end of the bar, inside it.
    EXPECT_TRUE(bar->rect().contains(bar->CloseBoxRect()));
    EXPECT_GT(bar->CloseBoxRect().left(), bar->width() / 2);
}

TEST(TitleBar, PutsALaidOutWindowsContentsBelowIt)
{
    QMainWindow window;
    auto* central = new QWidget;
    central->setFixedSize(120, 80);
    window.setCentralWidget(central);

    const auto* bar = AttachTitleBar(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(central->y(), bar->height());
    EXPECT_EQ(bar->width(), window.width());  // follows the window's width
}

TEST(TitleBar, TheCloseBoxClosesOnlyWhenReleasedOverItAndTheWindowAgrees)
{
    TRefusingDialog dialog;
    dialog.resize(200, 100);
    auto* bar = AttachTitleBar(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint box = bar->CloseBoxRect().center();

    // Pressed on the box, released elsewhere: nothing.
    QTest::mousePress(bar, Qt::LeftButton, {}, box);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialog.Asked, 0);

    dialog.Allow = false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, box);
    EXPECT_EQ(dialog.Asked, 1);
    EXPECT_TRUE(dialog.isVisible());

    dialog.Allow = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, box);
    EXPECT_EQ(dialog.Asked, 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
