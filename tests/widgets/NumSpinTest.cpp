#include "widgets/NumSpin.h"

#include "tests/support/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace quindle;

namespace {

// The game's selector: 39 x 21, whole numbers 1..14, no typing.
class NumSpin : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window.resize(120, 60);
        Other = new QPushButton(QStringLiteral("x"), &Window);
        Other->setGeometry(60, 10, 40, 21);
        Edit = new TNumSpinEdit(&Window);
        Edit->setGeometry(10, 10, 39, 21);
        Edit->setDecimal(0);
        Edit->setEditorEnabled(false);
        Edit->setMaxValue(14);
        Edit->setMinValue(1);
        Edit->setValue(1);
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        QObject::connect(Edit, &TNumSpinEdit::OnChange, [this] { ++Changes; });
        QObject::connect(Edit, &TNumSpinEdit::OnRefused, [this] { ++Refusals; });
        Button = Edit->SpinButton();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(Edit, key, mods); }
    void FocusField()
    {
        Edit->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(Edit->hasFocus());
    }
    QImage Shown() { return Button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The alerts the field asked for so far.
    int Alerts() const { return Refusals; }
    int Refusals = 0;
    int Changes = 0;
    QWidget Window;
    QPushButton* Other = nullptr;
    TNumSpinEdit* Edit = nullptr;
    TNumSpinButton* Button = nullptr;
};

const QPoint kUpper(4, 4), kLower(14, 14);

TEST_F(NumSpin, StepsStopAtTheBoundsWithoutAChange)
{
    int tops = 0, bottoms = 0;
    QObject::connect(Edit, &TNumSpinEdit::OnTopClick, [&] { ++tops; });
    QObject::connect(Edit, &TNumSpinEdit::OnBottomClick, [&] { ++bottoms; });
    for (int i = 0; i < 13; ++i)
        Edit->StepUp();
    EXPECT_EQ(Edit->text(), QString("14"));
    EXPECT_EQ(Changes, 13);  // one each, the field's own notice not counted twice
    EXPECT_TRUE(Edit->isModified());

    Edit->StepUp();
    EXPECT_EQ(Edit->text(), QString("14"));
    EXPECT_EQ(Changes, 13);
    EXPECT_EQ(tops, 14);  // the click is raised at the bound too

    Edit->setValue(1);
    Changes = 0;
    Edit->StepDown();
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(bottoms, 1);

    Edit->setValue(99);  // written values are clamped, and notify
    EXPECT_EQ(Edit->text(), QString("14"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(NumSpin, ValueReadingAndWriting)
{
    // Equal bounds: no range at all.
    TNumSpinEdit free;
    EXPECT_EQ(free.text(), QString("0"));
    free.setValue(-40);
    EXPECT_EQ(free.text(), QString("-40"));
    free.setValue(1e6);
    EXPECT_EQ(free.text(), QString("1000000"));
    free.setValue(2.5);
    EXPECT_EQ(free.text(), QString("2"));  // halves to even
    free.setValue(3.5);
    EXPECT_EQ(free.text(), QString("4"));

    // Bounds set later do not clamp the text already there.
    Edit->setText("20");
    Edit->setMaxValue(10);
    EXPECT_EQ(Edit->Value(), 20);
    Edit->setMaxValue(14);

    // Empty or unparsable text reads as the minimum, truncated.
    Edit->setText("");
    EXPECT_EQ(Edit->Value(), 1);
    Edit->StepUp();
    EXPECT_EQ(Edit->text(), QString("2"));
    Edit->setMinValue(-2.7);
    Edit->setText("x");
    EXPECT_EQ(Edit->Value(), -2);
    EXPECT_EQ(Edit->IntValue(), -2);
    Edit->setText("14");
    EXPECT_EQ(Edit->IntValue(), 14);
    Edit->setText("-7");  // not clamped
    EXPECT_EQ(Edit->IntValue(), -7);

    EXPECT_EQ(Edit->ClampValue(-5), -2.7);
    EXPECT_EQ(Edit->ClampValue(0), 0);
    EXPECT_EQ(Edit->ClampValue(14.5), 14);
}

TEST_F(NumSpin, FloatValues)
{
    QLocale::setDefault(QLocale::c());
    TNumSpinEdit f;
    f.setValueType(TNumSpinEdit::vtFloat);
    f.setIncrement(0.25);
    f.setValue(1.5);
    f.StepUp();
    EXPECT_EQ(f.text(), QString("1.75"));  // Decimal 2
    EXPECT_FALSE(f.AcceptsChar('.'));      // one separator only
    f.setText("2.6");
    f.setValueType(TNumSpinEdit::vtInteger);
    EXPECT_EQ(f.text(), QString("0"));  // "2.6" is no whole number: the minimum
    EXPECT_EQ(f.Increment(), 1);        // 0.25 rounds to 0, which becomes 1
}

TEST_F(NumSpin, TypingIsRefusedButArrowsAndDeleteWork)
{
    FocusField();
    Key(Qt::Key_5);
    Key(Qt::Key_A);
    Key(Qt::Key_Space);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(Alerts(), 4);
    EXPECT_EQ(Changes, 0);

    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(Edit->text(), QString("3"));
    Key(Qt::Key_Down);
    EXPECT_EQ(Edit->text(), QString("2"));
    EXPECT_EQ(Changes, 3);

    // Delete still edits; leaving the field brings the text back in range.
    Edit->setValue(10);
    Edit->setCursorPosition(0);
    Changes = 0;
    Key(Qt::Key_Delete);
    EXPECT_EQ(Edit->text(), QString("0"));
    EXPECT_EQ(Edit->IntValue(), 0);
    EXPECT_EQ(Changes, 1);
    Other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(Alerts(), 4);

    // With the editor on, digits go in and letters still beep.
    Edit->setEditorEnabled(true);
    FocusField();
    Edit->setCursorPosition(1);
    Key(Qt::Key_2);
    Key(Qt::Key_Q);
    EXPECT_EQ(Edit->text(), QString("12"));
    EXPECT_EQ(Alerts(), 5);
}

TEST_F(NumSpin, CutAndPasteDoNothingWhileTheEditorIsOff)
{
    QApplication::clipboard()->setText("7");
    FocusField();
    Edit->selectAll();
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("7"));
    EXPECT_EQ(Changes, 0);

    // The context menu offers them disabled, and they are refused even when
    // triggered regardless.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(4, 4), Edit->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(Edit, &menuEvent);
    auto* menu = Edit->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    int found = 0;
    for (QAction* a : menu->actions()) {
        const QString label = a->text().section('\t', 0, 0);
        if (label == QLineEdit::tr("&Paste") || label == QLineEdit::tr("Cu&t")) {
            ++found;
            EXPECT_FALSE(a->isEnabled());
            a->setEnabled(true);
            a->trigger();
        }
    }
    EXPECT_EQ(found, 2);
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("7"));
    menu->close();

    Edit->setEditorEnabled(true);
    Edit->selectAll();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit->text(), QString("7"));
}

TEST_F(NumSpin, KeyDownSlotsRunBeforeTheStep)
{
    QStringList seen;
    QObject::connect(Edit, &TNumSpinEdit::OnKeyDown, [&](int& key, Qt::KeyboardModifiers) {
        seen << Edit->text();
        if (key == Qt::Key_Down)
            key = Qt::Key_Up;  // the slot's key is the one acted on
        else if (key == Qt::Key_PageUp)
            key = 0;
    });
    FocusField();
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    EXPECT_EQ(seen, QStringList({"1", "2"}));
    EXPECT_EQ(Edit->text(), QString("3"));

    // Keys the field takes do not reach the window a second time; dialog
    // keys go on.
    int windowKeys = 0;
    struct Counter : QObject {
        int* n;
        explicit Counter(int* count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress)
                ++*n;
            return false;
        }
    } counter(&windowKeys);
    Window.installEventFilter(&counter);
    Key(Qt::Key_F5);
    Key(Qt::Key_S, Qt::AltModifier);
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Up);
    EXPECT_EQ(windowKeys, 0);
    EXPECT_EQ(Edit->text(), QString("4"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(windowKeys, 1);
    EXPECT_EQ(Alerts(), 0);  // Alt with a letter types nothing

    Edit->setArrowKeys(false);
    Key(Qt::Key_Up);
    EXPECT_EQ(Edit->text(), QString("4"));
}

TEST_F(NumSpin, ReadOnlyBeepsInsteadOfStepping)
{
    int tops = 0;
    QObject::connect(Edit, &TNumSpinEdit::OnTopClick, [&] { ++tops; });
    Edit->setReadOnly(true);
    Edit->StepUp();
    FocusField();
    Key(Qt::Key_Up);
    EXPECT_EQ(Edit->text(), QString("1"));
    EXPECT_EQ(Alerts(), 2);
    EXPECT_EQ(tops, 0);
}

// Delivers one tick of a timer now, as its expiry would.
void Fire(QTimer* timer)
{
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

TEST_F(NumSpin, HoldingAHalfRepeatsAndTheTimerRunsOnlyWhileHeld)
{
    Edit->setValue(10);
    QTest::mousePress(Button, Qt::LeftButton, {}, kLower);
    EXPECT_EQ(Edit->text(), QString("9"));  // at once
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::Bottom);
    EXPECT_EQ(Shown(), Button->StateImage(TSpinHalf::Bottom));
    QTimer* repeat = Button->AutoRepeat();
    ASSERT_NE(repeat, nullptr);
    ASSERT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 400);

    // The first tick comes after 400 ms; from then on, every 100 ms.
    Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("8"));
    EXPECT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 100);
    Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("7"));
    EXPECT_EQ(repeat->interval(), 100);
    // And the timer really ticks by itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Edit->text() == "6"; }, 5000));

    QTest::mouseRelease(Button, Qt::LeftButton, {}, kLower);
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::None);
    EXPECT_EQ(Shown(), Button->StateImage(TSpinHalf::None));
    // Released, it does not wake the program again until the next press.
    EXPECT_FALSE(repeat->isActive());

    // A new press starts over with the long first delay.
    const QString before = Edit->text();
    QTest::mousePress(Button, Qt::LeftButton, {}, kUpper);
    EXPECT_EQ(Edit->Value(), before.toInt() + 1);
    EXPECT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 400);
    QTest::mouseRelease(Button, Qt::LeftButton, {}, kUpper);
    EXPECT_FALSE(repeat->isActive());
}

TEST_F(NumSpin, LosingThePointerStopsTheRepeatTimerAndTheNextPressStepsAgain)
{
    Edit->setValue(5);
    QTest::mousePress(Button, Qt::LeftButton, {}, kUpper);
    QTimer* repeat = Button->AutoRepeat();
    ASSERT_TRUE(repeat->isActive());
    Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("7"));

    // Another window takes the pointer mid-press: no more steps, no ticks.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(repeat->isActive());
    other.hide();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    QTest::mouseRelease(Button, Qt::LeftButton, {}, kUpper);
    EXPECT_EQ(Edit->text(), QString("7"));

    QTest::mousePress(Button, Qt::LeftButton, {}, kLower);
    EXPECT_EQ(Edit->text(), QString("6"));
    EXPECT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 400);
    Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("5"));
    QTest::mouseRelease(Button, Qt::LeftButton, {}, kLower);
    EXPECT_FALSE(repeat->isActive());
}

TEST_F(NumSpin, SlidingOffTheHalfPausesTheRepeat)
{
    Edit->setValue(5);
    QTest::mousePress(Button, Qt::LeftButton, {}, kUpper);
    EXPECT_EQ(Edit->text(), QString("6"));
    QTimer* repeat = Button->AutoRepeat();

    QTest::mouseMove(Button, kLower);
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::None);
    EXPECT_EQ(Shown(), Button->StateImage(TSpinHalf::None));
    for (int i = 0; i < 3; ++i)
        Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("6"));

    QTest::mouseMove(Button, QPoint(30, 4));  // off the button
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::None);
    QTest::mouseMove(Button, kUpper);  // back where the press started
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::Top);
    EXPECT_EQ(Shown(), Button->StateImage(TSpinHalf::Top));
    Fire(repeat);
    EXPECT_EQ(Edit->text(), QString("7"));

    // Released away from the button: nothing stays pressed, and the next
    // press steps again.
    QTest::mouseRelease(Button, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(Button->PressedHalf(), TSpinHalf::None);
    EXPECT_FALSE(Button->Tracking());
    const QString text = Edit->text();
    QTest::mouseClick(Button, Qt::LeftButton, {}, kLower);
    EXPECT_EQ(Edit->Value(), text.toInt() - 1);
}

TEST_F(NumSpin, DisablingOrHidingMidPressEndsItWithoutAPaint)
{
    for (bool hide : {false, true}) {
        Edit->setValue(5);
        QTest::mousePress(Button, Qt::LeftButton, {}, kUpper);
        ASSERT_TRUE(Button->Tracking());
        const int paints = Button->FullPaintCount();
        if (hide)
            Button->hide();
        else
            Button->setEnabled(false);
        EXPECT_FALSE(Button->Tracking()) << "hide " << hide;
        EXPECT_EQ(Button->PressedHalf(), TSpinHalf::None);
        EXPECT_EQ(Button->FullPaintCount(), paints);
        Button->show();
        Button->setEnabled(true);
        QTest::mouseClick(Button, Qt::LeftButton, {}, kLower);  // heard, not taken for the old press
        EXPECT_EQ(Edit->Value(), 5) << "hide " << hide;
    }
}

TEST_F(NumSpin, HalvesSplitOnTheDiagonal)
{
    EXPECT_EQ(Button->HalfAt({0, 17}), TSpinHalf::Top);
    EXPECT_EQ(Button->HalfAt({8, 10}), TSpinHalf::Top);  // on the line y = 18 - x
    EXPECT_EQ(Button->HalfAt({8, 11}), TSpinHalf::Bottom);
    EXPECT_EQ(Button->HalfAt({17, 1}), TSpinHalf::Top);
    EXPECT_EQ(Button->HalfAt({17, 2}), TSpinHalf::Bottom);
}

TEST_F(NumSpin, APressOnTheButtonFocusesAndSelects)
{
    Edit->setValue(14);  // at the bound the step leaves the text, and its selection
    Other->setFocus(Qt::OtherFocusReason);
    QTest::mousePress(Button, Qt::LeftButton, {}, kUpper);
    EXPECT_TRUE(Edit->hasFocus());
    EXPECT_EQ(Edit->selectedText(), QString("14"));
    QTest::mouseRelease(Button, Qt::LeftButton, {}, kUpper);

    // A click on the text itself places the caret instead.
    Other->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(Edit, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(Edit->hasFocus());
    EXPECT_FALSE(Edit->hasSelectedText());

    Other->setFocus(Qt::OtherFocusReason);
    Edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Edit->selectedText(), QString("14"));

    Edit->setAutoSelect(false);
    Other->setFocus(Qt::OtherFocusReason);
    Edit->setCursorPosition(0);
    Edit->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(Edit->hasSelectedText());
}

TEST_F(NumSpin, LayoutOfButtonAndText)
{
    EXPECT_EQ(Edit->ClientRect(), QRect(2, 2, 35, 17));  // the 2-pixel sunken frame
    QWidget* host = Edit->ButtonHost();
    EXPECT_EQ(host->parentWidget(), Edit);
    EXPECT_EQ(host->geometry(), QRect(2 + 17, 2 - 1, 18, 18));
    EXPECT_EQ(host->mask(), QRegion(0, 1, 18, 17));  // the top row lies outside the client area
    EXPECT_EQ(Button->geometry(), QRect(0, 0, 18, 18));
    EXPECT_EQ(Edit->ButtonAreaWidth(), 18);

    // The text goes in the 15 pixels left of the button.
    EXPECT_EQ(Edit->textMargins(), QMargins(-2, -1, 18, 0));
    Edit->setValue(14);
    const QImage shot = Edit->grab().toImage();
    int right = -1;
    for (int y = 2; y < 19; ++y)
        for (int x = 2; x < 19; ++x)
            if (qGray(shot.pixel(x, y)) < 100)
                right = std::max(right, x);
    EXPECT_GT(right, 2 + 7);  // both digits show
    EXPECT_LT(right, 2 + 15);

    EXPECT_EQ(Edit->MinimumHeight(), 13 + 4 + 1);
    Edit->resize(39, 10);
    EXPECT_EQ(Edit->height(), 18);
    EXPECT_EQ(host->geometry(), QRect(2 + 39 - 18 - 1, 1, 15, 15));

    Edit->resize(39, 21);
    Edit->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(host->geometry(), QRect(2 - 1, 1, 18, 18));
}

// The button's look, pixel by pixel, from its description: face, black
// outline and diagonal, bevels white on the raised and grey on the sunken
// side, the arrows black.
QImage Expected(TSpinHalf half)
{
    const QRgb face = qRgb(192, 192, 192), frame = qRgb(0, 0, 0), shadow = qRgb(128, 128, 128),
               light = qRgb(255, 255, 255);
    const int W = 18, H = 18;
    const bool top = half == TSpinHalf::Top, bottom = half == TSpinHalf::Bottom;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(face);
    auto put = [&](int x, int y, QRgb c) {
        if (img.valid(x, y))
            img.setPixel(x, y, c);
    };
    for (int i = 0; i < W; ++i) {
        put(i, 0, frame);
        put(i, H - 1, frame);
        put(0, i, frame);
        put(W - 1, i, frame);
        put(i, H - 1 - i, frame);  // bottom-left to top-right
    }
    for (int y = 2; y <= H - 4; ++y)
        put(1, y, top ? shadow : light);
    for (int x = 1; x <= W - 4; ++x)
        put(x, 1, top ? shadow : light);
    if (!top)
        for (int x = 1; x <= 15; ++x)
            put(x, 16 - x, shadow);
    for (int x = 2; x <= W - 3; ++x)
        put(x, H - 2, bottom ? light : shadow);
    for (int y = 2; y <= H - 2; ++y)
        put(W - 2, y, bottom ? light : shadow);
    for (int x = 2; x <= 16; ++x)
        put(x, 18 - x, bottom ? shadow : light);
    auto arrow = [&](const char* const rows[6], int left, int topRow) {
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c)
                put(left + c, topRow + r, rows[r][c] == '#' ? frame : face);
    };
    static const char* const up[6] = {"..##..", ".####.", "######", "..##..", "..##..", "..##.."};
    static const char* const down[6] = {"..##..", "..##..", "..##..", "######", ".####.", "..##.."};
    arrow(up, top ? 4 : 3, top ? 4 : 3);
    arrow(down, 9, 9);
    if (bottom)
        for (int x = 3; x <= 16; ++x)
            put(x, 19 - x, shadow);
    return img;
}

TEST_F(NumSpin, StateImagesMatchTheirDescription)
{
    for (TSpinHalf half : {TSpinHalf::None, TSpinHalf::Top, TSpinHalf::Bottom}) {
        const QImage got = Button->StateImage(half).convertToFormat(QImage::Format_RGB32);
        const QImage want = Expected(half);
        ASSERT_EQ(got.size(), QSize(18, 18));
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                ASSERT_EQ(got.pixel(x, y) & 0xFFFFFF, want.pixel(x, y) & 0xFFFFFF)
                    << "half " << int(half) << " at " << x << "," << y;
    }
    // The tip of the up arrow moves by one when its half is pressed.
    EXPECT_EQ(qGray(Button->StateImage(TSpinHalf::None).pixel(5, 3)), 0);
    EXPECT_EQ(qGray(Button->StateImage(TSpinHalf::Top).pixel(6, 4)), 0);
    EXPECT_EQ(qGray(Button->StateImage(TSpinHalf::Top).pixel(5, 3)), 192);

    // Shown on the field, less the clipped top row.
    const QImage onField = test::GrabOnParent(Edit).copy(19, 2, 18, 17);
    EXPECT_EQ(onField, Button->StateImage(TSpinHalf::None).copy(0, 1, 18, 17).convertToFormat(QImage::Format_RGB32));

    // Disabled looks the same.
    Edit->setEnabled(false);
    EXPECT_EQ(Button->StateImage(TSpinHalf::None).convertToFormat(QImage::Format_RGB32), Expected(TSpinHalf::None));
}

// Stored as program resources store bitmaps: header, palette, pixels, and
// no file header; the pictures themselves are checked as drawn above.
TEST(NumSpinGlyphs, ResourcesAreBareOneBitBitmaps)
{
    for (const char* name : {":/NUMSPINUP.bmp", ":/NUMSPINDOWN.bmp"}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray b = f.readAll();
        ASSERT_EQ(b.size(), 72);
        const auto* p = reinterpret_cast<const uchar*>(b.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(p), 40u);
        EXPECT_EQ(qFromLittleEndian<quint32>(p + 4), 6u);
        EXPECT_EQ(qFromLittleEndian<quint32>(p + 8), 6u);
        EXPECT_EQ(qFromLittleEndian<quint16>(p + 14), 1u);  // bits per pixel
        EXPECT_EQ(qFromLittleEndian<quint32>(p + 20), 24u);
        EXPECT_EQ(qFromLittleEndian<quint32>(p + 40), 0x000000u);
        EXPECT_EQ(qFromLittleEndian<quint32>(p + 44), 0xFFFFFFu);
    }
}

TEST_F(NumSpin, AssistiveTechnologySeesASpinBox)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Edit);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::SpinBox);
    EXPECT_EQ(a->text(QAccessible::Value), QString("1"));
    EXPECT_EQ(a->childCount(), 0);
    EXPECT_TRUE(a->state().readOnly);
    QAccessibleValueInterface* v = a->valueInterface();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->currentValue().toDouble(), 1);
    EXPECT_EQ(v->maximumValue().toDouble(), 14);
    EXPECT_EQ(v->minimumValue().toDouble(), 1);
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    actions->doAction(QAccessibleActionInterface::increaseAction());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(Edit->text(), QString("2"));
    v->setCurrentValue(40);
    EXPECT_EQ(Edit->text(), QString("14"));
}

} // namespace
