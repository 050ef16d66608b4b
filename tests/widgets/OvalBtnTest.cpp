#include "widgets/OvalBtn.h"

#include "controls/ErrorBox.h"
#include "controls/GraphicControl.h"
#include "paint/Look.h"
#include "controls/SpeedButton.h"
#include "tests/support/TestSupport.h"

#include "ui_OvalBtnForm.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <stdexcept>

using namespace quindle;
using quindle::test::GrabOnParent;
using TL = TOvalButton::TLayout;

void PrintTo(const QColor& c, std::ostream* os) { *os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")"; }
void PrintTo(const TRect& r, std::ostream* os) { *os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")"; }
void PrintTo(const QRect& r, std::ostream* os) { *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height(); }

namespace {

const QColor Face(192, 192, 192), Light(255, 255, 255), Shadow(96, 96, 96), Teal(0, 128, 128);
const QColor Magenta(255, 0, 255);

// 16 x 16 cells of solid colours, each framed by one pixel of magenta,
// which (as the bottom-left pixel) becomes the transparent colour.
QImage Strip(std::initializer_list<QColor> cells)
{
    QImage img(16 * int(cells.size()), 16, QImage::Format_RGB32);
    img.fill(Magenta);
    QPainter p(&img);
    int x = 0;
    for (const QColor& c : cells) {
        p.fillRect(x + 1, 1, 14, 14, c);
        x += 16;
    }
    return img;
}

// Bounding box of the pixels of colour c.
QRect Find(const QImage& img, const QColor& c)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect Expected(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// A button on a teal top-level container, driven through the window so that
// Qt's grab, enter and leave work as with a real pointer.
class OvalButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(260, 140);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, Teal);
        window.setPalette(pal);
        window.setAutoFillBackground(true);
        button = new TOvalButton(&window);
        button->move(20, 20);
        QObject::connect(button, &TOvalButton::OnClick, [this] { ++clicks; });
        QObject::connect(button, &TOvalButton::OnDblClick, [this] { ++dblClicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage Look() { return GrabOnParent(button); }
    QPoint At(int x, int y) const { return button->pos() + QPoint(x, y); }
    QPoint Middle() const { return QPoint(button->width() / 2, button->height() / 2); }
    QWindow* Win() { return window.windowHandle(); }
    void Move(QPoint p) { QTest::mouseMove(Win(), At(p.x(), p.y())); }
    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(Win(), b, {}, At(p.x(), p.y())); }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(Win(), b, {}, At(p.x(), p.y())); }
    void Click(QPoint p) { Move(p); Press(p); Release(p); }

    // The bevel's two sides, sampled at the arc's left and right extremes.
    std::pair<QColor, QColor> Bevel(const QImage& img) const
    {
        const int y = (button->height() - 1) / 2;
        return {img.pixelColor(1, y), img.pixelColor(button->width() - 3, y)};
    }
    static std::pair<QColor, QColor> Raised() { return {Light, Shadow}; }
    static std::pair<QColor, QColor> Sunken() { return {Shadow, Light}; }
    static std::pair<QColor, QColor> NoBevel() { return {Face, Face}; }

    QWidget window;
    TOvalButton* button = nullptr;
    int clicks = 0, dblClicks = 0;
};

} // namespace

// Glyph and caption corners {gx, gy, tx, ty} as planned.
std::array<int, 4> Corners(QSize b, QSize text, TL layout, int margin, bool sunken, QSize cell = {16, 16})
{
    const auto p = TOvalButton::PlanContents(b, cell, text, true, layout, margin, 4, sunken);
    return {p.Glyph.Left, p.Glyph.Top, p.Caption.Left, p.Caption.Top};
}

TEST(OvalButtonPlan, PlacesGlyphAndCaptionForEachLayout)
{
    using A = std::array<int, 4>;
    EXPECT_EQ(Corners({75, 44}, {24, 13}, TL::blGlyphTop, 0, false), (A{29, 5, 25, 25}));
    EXPECT_EQ(Corners({75, 44}, {24, 13}, TL::blGlyphTop, 0, true), (A{30, 6, 25, 27}));  // caption 2 lower
    EXPECT_EQ(Corners({93, 32}, {14, 13}, TL::blGlyphLeft, 0, false), (A{29, 8, 49, 9}));
    EXPECT_EQ(Corners({93, 32}, {14, 13}, TL::blGlyphLeft, 0, true), (A{30, 9, 50, 10}));
    EXPECT_EQ(Corners({75, 44}, {24, 13}, TL::blGlyphBottom, 0, false), (A{29, 22, 25, 5}));
    EXPECT_EQ(Corners({93, 32}, {14, 13}, TL::blGlyphRight, 3, false), (A{50, 8, 32, 9}));
    // An empty glyph still counts with its spacing.
    EXPECT_EQ(Corners({57, 28}, {40, 13}, TL::blGlyphLeft, 0, false, {0, 0}), (A{6, 14, 10, 7}));
    // Too wide: centred all the same (rounded down), overhanging on both sides.
    EXPECT_EQ(Corners({40, 20}, {50, 13}, TL::blGlyphLeft, 0, false)[0], -15);
    EXPECT_EQ(Corners({40, 20}, {50, 13}, TL::blGlyphLeft, 0, false)[2], 5);
    EXPECT_EQ(Corners({39, 20}, {50, 13}, TL::blGlyphLeft, 0, false)[0], -16);
    // No caption: the glyph is centred whatever layout, margin and spacing say.
    const auto alone = TOvalButton::PlanContents({75, 44}, {16, 16}, {}, false, TL::blGlyphBottom, 7, 9, false);
    EXPECT_EQ(alone.Glyph, (TRect{29, 14, 45, 30}));
    EXPECT_EQ(alone.Caption, TRect{});
}

struct Shift {
    int r, g, b, percent;
    int r2, g2, b2;
};

void PrintTo(const Shift& c, std::ostream* os)
{
    *os << "(" << c.r << ", " << c.g << ", " << c.b << ") " << c.percent << "%";
}

class ShiftColorTable : public ::testing::TestWithParam<Shift> {};

TEST_P(ShiftColorTable, ShadeWithOverflowSpilledOver)
{
    const Shift& c = GetParam();
    const TColor in = c.r | c.g << 8 | c.b << 16;
    const TColor out = TOvalButton::ShiftColor(in, c.percent, QGuiApplication::palette());
    EXPECT_EQ((std::array{out & 0xFF, out >> 8 & 0xFF, out >> 16 & 0xFF}), (std::array{c.r2, c.g2, c.b2}));
    EXPECT_EQ(out >> 24, 0) << "a direct colour";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OvalButtonColor, ShiftColorTable, ::testing::Values(
    Shift{192, 192, 192,  60,  255, 255, 255}, Shift{192, 192, 192, -50,   96,  96,  96},
    Shift{128, 128, 128,  60,  204, 204, 204}, Shift{128, 128, 128, -50,   64,  64,  64},
    Shift{255, 255, 255, -50,  128, 128, 128},
    Shift{  0,   0,   0,  60,    0,   0,   0}, Shift{  0,   0,   0, -50,    0,   0,   0},
    // Red spills into green and blue, green into blue and red, blue into red.
    Shift{200, 100,  50,  60,  255, 225, 145}, Shift{100, 200,  50,  60,  225, 255, 145},
    Shift{ 50, 100, 200,  60,  145, 160, 255}, Shift{255,   1,   0,  60,  255, 154, 153}),
    [](const auto& info) {
        const Shift& c = info.param;
        return "R" + std::to_string(c.r) + "G" + std::to_string(c.g) + "B" + std::to_string(c.b)
               + (c.percent < 0 ? "Minus" : "Plus") + std::to_string(std::abs(c.percent));
    });
// clang-format on

TEST(OvalButtonColor, SystemColoursResolveBeforeTheShift)
{
    EXPECT_EQ(TOvalButton::ShiftColor(clBtnFace, 60, QGuiApplication::palette()), clWhite);
    EXPECT_EQ(TOvalButton::ShiftColor(clBtnFace, -50, QGuiApplication::palette()), RGBColor(96, 96, 96));
}

TEST(OvalButtonAccel, FirstAmpersandMarksTheMnemonic)
{
    const QString ete = QString::fromUtf8("&\xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(TOvalButton::IsAccelChar('x', "E&xit") && TOvalButton::IsAccelChar('X', "E&xit"));
    EXPECT_FALSE(TOvalButton::IsAccelChar('e', "E&xit") || TOvalButton::IsAccelChar('x', "Exit"));
    EXPECT_FALSE(TOvalButton::IsAccelChar('t', "Exit&"));
    EXPECT_TRUE(TOvalButton::IsAccelChar('&', "&&Go"));
    EXPECT_FALSE(TOvalButton::IsAccelChar('g', "&&Go"));
    EXPECT_TRUE(TOvalButton::IsAccelChar(QChar(0xE9), ete));
    EXPECT_FALSE(TOvalButton::IsAccelChar(QChar(0xC9), ete));  // only a-z ignore case
}

TEST_F(OvalButtonTest, NewButtonIsRaisedOutlinedAndFilledWithTheFace)
{
    EXPECT_EQ(button->size(), QSize(100, 50));
    EXPECT_EQ(std::tuple(button->Color(), button->Spacing(), button->NumGlyphs(), button->Layout()),
              std::tuple(clBtnFace, 4, 1, TL::blGlyphLeft));
    EXPECT_EQ(std::tuple(button->TransparentColor(), button->StartColor(), button->EndColor(), button->FontColor()),
              std::tuple(clBlack, clBlack, clBlack, clWindowText));
    EXPECT_FALSE(button->Down() || button->Flat() || button->Transparent());
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

    const QImage img = Look();
    EXPECT_EQ(img.pixelColor(0, 24), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(50, 25), Face);
    EXPECT_EQ(img.pixelColor(0, 0), Teal);  // the container outside the ellipse
    EXPECT_EQ(img.pixelColor(99, 49), Teal);
    EXPECT_EQ(Bevel(img), Raised());

    // Bevel shades follow Color; StartColor and EndColor draw nothing.
    button->setColor(RGBColor(128, 128, 128));
    const QImage grey = Look();
    EXPECT_EQ(grey.pixelColor(1, 24), QColor(204, 204, 204));
    EXPECT_EQ(grey.pixelColor(97, 24), QColor(64, 64, 64));
    const int paints = button->FullPaintCount();
    button->setStartColor(clRed);
    button->setEndColor(clBlue);
    EXPECT_EQ(Look(), grey);
    EXPECT_GT(button->FullPaintCount(), paints);
}

TEST_F(OvalButtonTest, FlatButtonShowsItsBevelOnlyUnderThePointer)
{
    button->setFlat(true);
    QImage img = Look();
    EXPECT_EQ(img.pixelColor(0, 24), Face);  // no outline
    EXPECT_EQ(Bevel(img), NoBevel());

    Move(Middle());
    EXPECT_EQ(Bevel(Look()), Raised());
    Move({2, 2});  // a corner: in the rectangle, outside the ellipse
    EXPECT_EQ(Bevel(Look()), NoBevel());
    Move(Middle());
    EXPECT_EQ(Bevel(Look()), Raised());
    Move({-10, -10});  // out of the rectangle altogether
    EXPECT_EQ(Bevel(Look()), NoBevel());

    Move(Middle());
    Press(Middle());
    EXPECT_EQ(Bevel(Look()), Sunken());
    Release(Middle());
    EXPECT_EQ(Bevel(Look()), Raised());
    EXPECT_EQ(clicks, 1);
}

// Qt tells a widget of the pointer leaving only when the pointer moves; a
// modal window or a hidden window must not leave a hover look behind, on
// an oval button after its click or on a flat speed button.
TEST_F(OvalButtonTest, TheHoverLeavesWhenAWindowOpensOverItOrItsOwnHides)
{
    button->setFlat(true);
    auto* speed = new TSpeedButton(&window);
    speed->setFlat(true);
    speed->setGeometry(150, 20, 40, 40);
    speed->show();
    auto runModal = [this] {
        QDialog over(&window);
        test::WhenModal([](QWidget* modal) { modal->close(); });
        over.exec();
    };
    for (bool hides : {false, true}) {
        auto away = [&] {
            if (!hides)
                return runModal();
            window.hide();
            QCoreApplication::processEvents();
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        };
        // Untouched, with the pointer on it.
        Move({170 - button->x(), 40 - button->y()});
        ASSERT_TRUE(speed->underMouse()) << hides;
        bool underDuring = true;
        test::WhenModal([&](QWidget* modal) { underDuring = speed->underMouse(); modal->close(); });
        QDialog probe(&window);
        probe.exec();
        EXPECT_FALSE(underDuring) << hides;

        // Clicked, and the click opens a window or hides its own.
        QObject::disconnect(button, &TOvalButton::OnClick, nullptr, nullptr);
        QObject::connect(button, &TOvalButton::OnClick, away);
        Click(Middle());
        EXPECT_EQ(Bevel(Look()), NoBevel()) << hides;
        Move(Middle() + QPoint(1, 0));
        EXPECT_EQ(Bevel(Look()), Raised()) << hides;  // the pointer moving on it again
    }
}

TEST_F(OvalButtonTest, GlyphAndCaptionShiftWhenSunken)
{
    const QColor ink(Qt::black);
    button->resize(75, 44);
    button->setFlat(true);  // no black outline to confuse with the caption
    button->setCaption("Start");
    button->setGlyphImage(Strip({Qt::red}));
    button->setGlyphLayout(TL::blGlyphTop);
    QImage img = Look();
    EXPECT_EQ(Find(img, Magenta), QRect());  // the transparent colour shows the face
    EXPECT_EQ(Find(img, Qt::red), QRect(30, 6, 14, 14));  // cell at (29, 5)
    const QRect caption = Expected(button->ContentLayout(1).Caption);
    const QRect raisedInk = Find(img, ink);
    EXPECT_TRUE(caption.contains(raisedInk)) << caption.x() << "," << caption.y();

    Move(Middle());
    Press(Middle());
    img = Look();
    EXPECT_EQ(Find(img, Qt::red), QRect(31, 7, 14, 14));
    EXPECT_EQ(Find(img, ink), raisedInk.translated(0, 2));

    // Dragged off the ellipse: only the bevel changes, the contents stay shifted.
    Move({1, 1});
    img = Look();
    EXPECT_EQ(Bevel(img), Raised());
    EXPECT_EQ(Find(img, Qt::red), QRect(31, 7, 14, 14));
    Move(Middle());
    EXPECT_EQ(Bevel(Look()), Sunken());
    Release(Middle());
    img = Look();
    EXPECT_EQ(Find(img, Qt::red), QRect(30, 6, 14, 14));
    EXPECT_EQ(Find(img, ink), raisedInk);
    EXPECT_EQ(clicks, 1);

    // Beside the glyph the caption moves right with it.
    button->resize(93, 32);
    button->setGlyphLayout(TL::blGlyphLeft);
    button->setCaption("OK");
    const TOvalButton::TContentLayout plan = button->ContentLayout(1);
    img = Look();
    EXPECT_EQ(Find(img, Qt::red), Expected(plan.Glyph).adjusted(1, 1, -1, -1));
    const QRect leftInk = Find(img, ink);
    EXPECT_TRUE(Expected(plan.Caption).contains(leftInk));
    Move(Middle());
    Press(Middle());
    EXPECT_EQ(Find(Look(), ink), leftInk.translated(1, 1));
    Release(Middle());
}

TEST_F(OvalButtonTest, PressOutsideTheEllipseClicksWithoutChangingTheLook)
{
    const QImage before = Look();
    Move({1, 1});
    Press({1, 1});
    EXPECT_EQ(Look(), before);
    Move({98, 48});
    Release({98, 48});  // another corner, still in the rectangle
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Look(), before);

    Move({1, 1});
    Press({1, 1});
    Move({120, 60});
    Release({120, 60});  // outside the rectangle: the grab brought it here, no click
    EXPECT_EQ(clicks, 1);

    // Pressed inside and released outside the rectangle: no click, raised.
    Move(Middle());
    Press(Middle());
    Move({150, 25});
    EXPECT_EQ(Bevel(Look()), Raised());
    Release({150, 25});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());
}

TEST_F(OvalButtonTest, RightButtonSinksButDoesNotClick)
{
    Move(Middle());
    Look();
    const int paints = button->FullPaintCount();
    Press(Middle(), Qt::RightButton);
    EXPECT_EQ(Bevel(Look()), Sunken());
    Release(Middle(), Qt::RightButton);
    EXPECT_EQ(Bevel(Look()), Raised());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->FullPaintCount(), paints);  // drawn at once, over the face
}

TEST_F(OvalButtonTest, ToggleButtonFlipsDownOnEachCompletedClick)
{
    button->setGroupIndex(1);
    Click(Middle());
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(Bevel(Look()), Sunken());
    Move({150, 25});  // no hover or drag effect
    EXPECT_EQ(Bevel(Look()), Sunken());
    Click(Middle());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(Bevel(Look()), Raised());
    EXPECT_EQ(clicks, 2);

    // Released off the ellipse, the press leaves it down.
    Press(Middle());
    Move({2, 2});
    EXPECT_EQ(Bevel(Look()), Sunken());
    Release({2, 2});
    EXPECT_TRUE(button->Down());
}

TEST_F(OvalButtonTest, ClickRunsWhileDrawnSunkenAndItsHandlerReportsAnError)
{
    // The handler owns its error: it is reported before the click returns.
    QObject::connect(button, &TOvalButton::OnClick, [] {
        Guarded([] { throw std::runtime_error("Cannot open cool.avi"); });
    });
    QString reported;
    std::pair<QColor, QColor> whileReported;
    bool downWhileReported = false;
    test::WhenModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            reported = box->text();
        whileReported = Bevel(Look());
        downWhileReported = button->Down();
        modal->close();
    });
    Click(Middle());
    EXPECT_EQ(reported, "Cannot open cool.avi.");
    EXPECT_EQ(whileReported, Sunken());  // still pressed under the modal box
    EXPECT_TRUE(downWhileReported);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Bevel(Look()), Raised());
    EXPECT_FALSE(button->Down());
    Move({150, 25});  // not stuck in the pressed state
    EXPECT_EQ(Bevel(Look()), Raised());
}

TEST_F(OvalButtonTest, SecondPressOfADoubleClickRaisesOnlyOnDblClick)
{
    Move(Middle());
    QTest::mouseDClick(Win(), Qt::LeftButton, {}, At(Middle().x(), Middle().y()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dblClicks, 1);
    EXPECT_EQ(Bevel(Look()), Raised());
}

TEST_F(OvalButtonTest, DisabledButtonShowsImageTwoAndSwallowsItsMnemonic)
{
    button->setFlat(true);
    button->setCaption("&OK");
    button->setGlyphImage(Strip({Qt::red, Qt::green}));
    button->setNumGlyphs(2);
    EXPECT_FALSE(Find(Look(), Qt::red).isNull());
    EXPECT_TRUE(OfferDialogChar(&window, 'o'));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(OfferDialogChar(&window, 'k'));

    button->setEnabled(false);
    const QImage img = Look();
    EXPECT_TRUE(Find(img, Qt::red).isNull());
    EXPECT_FALSE(Find(img, Qt::green).isNull());
    EXPECT_FALSE(Find(img, Qt::black).isNull());  // caption keeps its colour
    EXPECT_TRUE(OfferDialogChar(&window, 'O'));
    Click(Middle());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Look(), img);
}

TEST_F(OvalButtonTest, ImageThreeShowsWhileDown)
{
    button->setGlyphImage(Strip({Qt::red, Qt::green, Qt::blue, Qt::yellow}));
    for (int n : {3, 4}) {
        button->setNumGlyphs(n);
        button->setEnabled(true);
        button->setDown(true);
        EXPECT_FALSE(Find(Look(), Qt::blue).isNull()) << n;
        button->setEnabled(false);
        EXPECT_FALSE(Find(Look(), Qt::blue).isNull()) << n;
        button->setDown(false);
        EXPECT_FALSE(Find(Look(), Qt::green).isNull()) << n;
    }
    button->setEnabled(true);
    EXPECT_FALSE(Find(Look(), Qt::red).isNull());
}

TEST_F(OvalButtonTest, DownThenFlatKeepsDownWithoutBevelInTheNormalPlace)
{
    button->setGlyphImage(Strip({Qt::red}));
    const QRect normal = Find(Look(), Qt::red);
    button->setDown(true);
    EXPECT_EQ(Find(Look(), Qt::red), normal.translated(1, 1));
    button->setFlat(true);
    EXPECT_TRUE(button->Down());
    const QImage img = Look();
    EXPECT_EQ(Bevel(img), NoBevel());
    EXPECT_EQ(Find(img, Qt::red), normal);
}

TEST_F(OvalButtonTest, GlyphPicksItsTransparentColorAndTransparentModeShowsTheContainer)
{
    QImage strip = Strip({Qt::red});
    strip.setPixelColor(0, 15, Qt::green);
    button->setGlyphImage(strip);
    EXPECT_EQ(button->TransparentColor(), RGBColor(0, 255, 0));
    button->setTransparentColor(QColorToColor(Magenta));
    EXPECT_EQ(Find(Look(), Qt::green), QRect(42, 32, 1, 1));  // glyph at (42, 17)

    button->setTransparent(true);
    const QImage img = Look();
    EXPECT_EQ(img.pixelColor(30, 25), Teal);
    EXPECT_EQ(img.pixelColor(42, 17), Teal);  // the glyph's frame is transparent
    EXPECT_EQ(img.pixelColor(50, 25), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(0, 24), QColor(Qt::black));
    Click(Middle());
    EXPECT_EQ(Look(), img);
}

TEST_F(OvalButtonTest, FontIsItsOwnAndCarriesAColour)
{
    button->setFlat(true);
    button->setCaption("Hello");
    const QImage before = Look();
    window.setFont(PixelFont("DejaVu Sans", 30));
    EXPECT_EQ(Look(), before);
    button->setFontColor(clRed);
    EXPECT_FALSE(Find(Look(), Qt::red).isNull());
    QFont big = button->Font();
    big.setPixelSize(20);
    button->setCaptionFont(big);
    EXPECT_GT(Find(Look(), Qt::red).height(), Find(before, Qt::black).height());
}

TEST_F(OvalButtonTest, HintIsTheTooltipWhenShown)
{
    button->setHint("Start Game");
    auto ask = [this] {
        QHelpEvent help(QEvent::ToolTip, Middle(), button->mapToGlobal(Middle()));
        QCoreApplication::sendEvent(button, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_FALSE(button->HintShown());
    window.setProperty("ShowHint", true);  // followed while ParentShowHint
    EXPECT_TRUE(button->HintShown());
    button->setShowHint(false);
    EXPECT_FALSE(button->ParentShowHint());
    EXPECT_EQ(ask(), QString());
    button->setShowHint(true);
    EXPECT_EQ(ask(), "Start Game");
    QToolTip::hideText();
}

TEST_F(OvalButtonTest, AssistiveTechnologySeesAPushButtonThatCanBePressed)
{
    button->setCaption("&Start");
    button->setHint("Start Game");
    QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(acc, nullptr);
    EXPECT_EQ(acc->role(), QAccessible::Button);
    EXPECT_EQ(acc->text(QAccessible::Name), "Start");
    EXPECT_EQ(acc->text(QAccessible::Description), "Start Game");
    QAccessibleActionInterface* actions = acc->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);  // the caller has its answer before the click runs
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    button->setCaption("Fish &&& Chips");
    EXPECT_EQ(acc->text(QAccessible::Name), "Fish & Chips");
    button->setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

namespace {
class TestForm : public QWidget, public Ui::OvalBtnForm {
    Q_OBJECT
public:
    TestForm()
    {
        setupUi(this);
        ApplyFontHeights(this);
    }
    int okClicks = 0;
public slots:
    void OKBtnClick() { ++okClicks; }
};
} // namespace

TEST(OvalButtonUi, LayoutPropertiesArriveInTheirStoredOrder)
{
    TestForm form;
    TOvalButton* ok = form.OvalButton1;
    EXPECT_EQ(ok->geometry(), QRect(5, 176, 93, 32));
    EXPECT_EQ(ok->Caption(), "&OK");
    EXPECT_EQ(ok->Color(), clBtnFace);
    EXPECT_TRUE(ok->Flat());
    EXPECT_EQ(ok->Font().family(), "MS Sans Serif");
    EXPECT_EQ(ok->Font().pixelSize(), 11);
    EXPECT_EQ(ok->GlyphImage().size(), QSize(32, 16));
    EXPECT_EQ(ok->Layout(), TL::blGlyphLeft);
    EXPECT_EQ(ok->NumGlyphs(), 2);
    EXPECT_EQ(ok->TransparentColor(), clPurple);  // replaces the colour picked from the glyph
    EXPECT_EQ(ok->Hint(), "Accept");
    EXPECT_TRUE(ok->HintShown());
    ok->Click();
    EXPECT_EQ(form.okClicks, 1);

    TOvalButton* exit = form.OvalButton2;
    EXPECT_FALSE(exit->isEnabled());
    EXPECT_EQ(exit->Layout(), TL::blGlyphTop);
    EXPECT_EQ(exit->Margin(), 3);
    EXPECT_EQ(exit->FontColor(), clNavy);

    // A flat button from a layout starts without a bevel; the glyph's frame
    // is purple, so nothing purple shows.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage img = GrabOnParent(ok);
    EXPECT_EQ(img.pixelColor(1, 15), Face);
    EXPECT_TRUE(Find(img, QColor(128, 0, 128)).isNull());
    EXPECT_FALSE(Find(img, Qt::red).isNull());
}

#include "OvalBtnTest.moc"
