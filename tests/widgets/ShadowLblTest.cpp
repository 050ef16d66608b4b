// The shadow label: fitting, size hint, painting, partner, hover and repaint
// cost. Expected pictures are painted here by hand from the label's rules.
#include "widgets/ShadowLbl.h"

#include "paint/Look.h"
#include "tests/support/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <utility>

// Readable failures.
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
void PrintTo(const QRect& r, std::ostream* os) { *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height(); }
void PrintTo(const QImage& i, std::ostream* os) { *os << "image " << i.width() << "x" << i.height(); }

using namespace quindle;
using L = TCustomShadowLabel;

namespace {

// The classic palette the tests run with, written out.
const QColor Face(192, 192, 192), Highlight(255, 255, 255), GrayText(128, 128, 128), WindowText(0, 0, 0),
    Red(255, 0, 0), Navy(0, 0, 128);
constexpr int LineHeight = 13;  // of the 11-pixel "MS Sans Serif"

// Counts the passes of painting through the caption it hands out.
class CountingLabel : public TShadowLabel {
public:
    using TShadowLabel::TShadowLabel;
    mutable int Renders = 0;

protected:
    QString CaptionToDraw() const override
    {
        ++Renders;
        return TShadowLabel::CaptionToDraw();
    }
};

// Records what the container repaints.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

// Small text is drawn unsmoothed, so every pixel is ink or background.
QFont Unsmoothed(QFont f)
{
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

struct ShadowLabel : ::testing::Test {
    QWidget host;
    CountingLabel* label = new CountingLabel(&host);
    QFont sans = PixelFont("MS Sans Serif", 11);
    QFontMetrics fm{Unsmoothed(sans)};

    ShadowLabel()
    {
        host.resize(200, 120);
        host.show();  // a hidden label waits to fit until it shows
        label->move(10, 20);
        label->setFont(sans);
    }
    void Show()
    {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QApplication::processEvents();
    }
    // Width of one line without tabs or "&".
    int W(const QString& s) const { return fm.horizontalAdvance(s); }

    // The label as painted by hand: the container's face, then every line in
    // the shadow colour shifted by `offset`, then in the text colour. Line i
    // starts at box's top-left plus i line heights; a tab advances to the
    // next multiple of eight average character widths; each copy is clipped
    // to its own box.
    QImage Expected(const QStringList& lines, QRect box, QPoint offset, QColor text, QColor shadow) const
    {
        QImage img(label->size(), QImage::Format_RGB32);
        img.fill(Face);
        QPainter p(&img);
        p.setFont(Unsmoothed(sans));
        const int tab = 8 * fm.averageCharWidth();
        for (const auto& [color, at] : {std::pair{shadow, offset}, std::pair{text, QPoint()}}) {
            p.setPen(color);
            p.setClipRect(box.translated(at));
            for (int i = 0; i < lines.size(); ++i) {
                int x = 0;
                const QStringList runs = lines[i].split('\t');
                for (int k = 0; k < runs.size(); ++k) {
                    if (k > 0)
                        x = (x / tab + 1) * tab;
                    p.drawText(box.left() + at.x() + x, box.top() + at.y() + i * LineHeight + fm.ascent(), runs[k]);
                    x += W(runs[k]);
                }
            }
        }
        return img;
    }
    QImage Shown() const { return test::GrabOnParent(label); }
};

// How many pixels of the picture have colour c.
int Count(const QImage& img, QColor c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

TEST_F(ShadowLabel, StartsWithItsDefaultsAndUnfitted)
{
    TShadowLabel fresh(&host);
    EXPECT_EQ(fresh.size(), QSize(65, 17));
    EXPECT_TRUE(!fresh.Transparent() && fresh.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(ColorToQColor(fresh.Color(), fresh.palette()), Face);  // the container's
    fresh.setTransparent(true);
    EXPECT_FALSE(fresh.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(ShadowLabel, EmptyAndLoneAmpersandFitOneBlank)
{
    const QSize blank(W(" ") + 2, LineHeight);
    label->setCaption("x");
    label->setCaption("");
    EXPECT_EQ(label->size(), blank);
    label->setCaption("&");
    EXPECT_EQ(label->size(), blank);
    label->setShowAccelChar(false);
    EXPECT_EQ(label->size(), blank);  // not re-fitted by ShowAccelChar
    label->FitToText();
    EXPECT_EQ(label->size(), QSize(W("&") + 2, LineHeight));
    label->setCaption("a&&b &Name");
    EXPECT_EQ(label->width(), W("a&&b &Name") + 2);
    label->setShowAccelChar(true);
    label->FitToText();
    EXPECT_EQ(label->width(), W("a&b Name") + 2);
}

// A shadow position, the offset it draws the shadow at for size 3, and what
// that adds to the fitted size.
struct ShadowCase {
    L::TShadowPosition pos;
    QPoint offset;
    QSize growth;
};
void PrintTo(const ShadowCase& c, std::ostream* os) { *os << "ShadowPos " << int(c.pos); }

struct ShadowPosition : ShadowLabel, ::testing::WithParamInterface<ShadowCase> {};

TEST_P(ShadowPosition, ShiftsTheShadowAndGrowsTheFitOnlyRightAndDown)
{
    const ShadowCase c = GetParam();
    label->setCaption("Moves :12");
    const QSize text(W("Moves :12") + 2, LineHeight);
    EXPECT_EQ(label->size(), text);
    label->setShadowPos(c.pos);
    EXPECT_EQ(label->size(), text);  // the position alone does not fit
    label->setShadowSize(3);
    EXPECT_EQ(label->size(), text + c.growth);
    EXPECT_EQ(label->sizeHint(), label->size());
    label->setShadowPos(c.pos == L::spLeftTop ? L::spRightBottom : L::spLeftTop);
    EXPECT_EQ(label->size(), text + c.growth);
    label->setShadowPos(c.pos);

    label->setShadowColor(clRed);
    label->setFontColor(clNavy);
    Show();
    const QImage expected = Expected({"Moves :12"}, QRect(1, 0, label->width() - 2, label->height()), c.offset, Navy, Red);
    ASSERT_GT(Count(expected, Red), 0);
    ASSERT_GT(Count(expected, Navy), 0);
    EXPECT_EQ(Shown(), expected);
}

INSTANTIATE_TEST_SUITE_P(All, ShadowPosition,
                         ::testing::Values(ShadowCase{L::spLeftTop, {-3, -3}, {0, 0}},
                                           ShadowCase{L::spLeftBottom, {-3, 3}, {0, 3}},
                                           ShadowCase{L::spRightBottom, {3, 3}, {3, 3}},
                                           ShadowCase{L::spRightTop, {3, -3}, {3, 0}}));

TEST_F(ShadowLabel, RightAlignedGrowthKeepsTheRightEdge)
{
    label->setCaption("ab");
    label->setAlignment(L::taRightJustify);
    const int right = label->geometry().right();
    label->setCaption("abWWW");
    EXPECT_EQ(label->geometry().right(), right);
    EXPECT_EQ(label->width(), W("abWWW") + 2);
    label->setAlignment(L::taCenter);
    const int left = label->x();
    label->setCaption("ab");
    EXPECT_EQ(label->x(), left);
}

TEST_F(ShadowLabel, SizeHintIsTheFitAndFollowsTheTextWithoutAutoSize)
{
    label->setCaption("Moves :12");
    EXPECT_EQ(label->sizeHint(), QSize(W("Moves :12") + 2, LineHeight));
    EXPECT_EQ(label->minimumSizeHint(), label->sizeHint());
    label->setAutoSize(false);
    label->setCaption("Moves :1234");
    EXPECT_EQ(label->size(), QSize(W("Moves :12") + 2, LineHeight));  // its bounds stay
    EXPECT_EQ(label->sizeHint(), QSize(W("Moves :1234") + 2, LineHeight));

    // In a layout the hint is what sizes it, and a new caption is noticed.
    QWidget box;
    auto* row = new QHBoxLayout(&box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* inLayout = new TShadowLabel;
    inLayout->setFont(sans);
    inLayout->setAutoSize(false);
    row->addWidget(inLayout);
    inLayout->setCaption("ab");
    EXPECT_EQ(box.sizeHint().width(), W("ab") + 2);
    inLayout->setCaption("abWWW");
    EXPECT_EQ(box.sizeHint().width(), W("abWWW") + 2);
    inLayout->setShadowPos(L::spRightTop);
    EXPECT_EQ(box.sizeHint().width(), W("abWWW") + 2 + 1);
}

TEST_F(ShadowLabel, SameCaptionNeitherRepaintsNorFits)
{
    label->setCaption("12:00:00");
    Show();
    label->setAutoSize(false);
    label->setAutoSize(true);
    label->resize(120, 40);
    QApplication::processEvents();
    const int paints = label->FullPaintCount();
    label->setCaption("12:00:00");
    QApplication::processEvents();
    EXPECT_EQ(label->FullPaintCount(), paints);
    EXPECT_EQ(label->size(), QSize(120, 40));
}

TEST_F(ShadowLabel, DrawsShadowUpLeftThenTextInOnePassEach)
{
    label->setCaption("Hi there\r\n\tok");
    EXPECT_EQ(label->size(), QSize(std::max(W("Hi there"), 8 * fm.averageCharWidth() + W("ok")) + 2, 2 * LineHeight));
    Show();
    label->Invalidate();
    label->Renders = 0;
    const QImage shown = Shown();
    EXPECT_EQ(label->Renders, 1);  // no measuring with the top layout
    const QImage expected =
        Expected({"Hi there", "\tok"}, QRect(1, 0, label->width() - 2, label->height()), {-1, -1}, WindowText, Highlight);
    ASSERT_GT(Count(expected, Highlight), 0);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shown.pixelColor(0, label->height() - 1), Face);
}

TEST_F(ShadowLabel, DisabledUsesGrayTextAndHighlightShadow)
{
    label->setCaption("Disabled");
    label->setShadowColor(clRed);
    const QSize fitted = label->size();
    label->setEnabled(false);
    Show();
    EXPECT_EQ(label->size(), fitted);
    const QRect text(1, 0, label->width() - 2, label->height());
    EXPECT_EQ(Shown(), Expected({"Disabled"}, text, {-1, -1}, GrayText, Highlight));
    label->setShadowSize(0);
    EXPECT_EQ(Shown(), Expected({"Disabled"}, text, {1, 1}, GrayText, Highlight));
    label->setEnabled(true);
    const QImage plain = Expected({"Disabled"}, text, {0, 0}, WindowText, Red);
    EXPECT_EQ(Count(plain, Red), 0);
    EXPECT_EQ(Shown(), plain);
}

TEST_F(ShadowLabel, FiveLinesAreFiveLineHeights)
{
    label->setCaption("1    2  3   4\r\n5    6  7   8\r\n9   10 11 12\r\n13 14 15\r\nHorizontal");
    EXPECT_EQ(label->height(), 65);
}

// A layout in a 50-pixel-wide label of the given height, with where it puts
// the two-line text block (26 pixels, 27 with the shadow above it) and how
// many passes through the caption painting takes.
struct LayoutCase {
    L::TTextLayout layout;
    int height;
    QRect box;
    int renders;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << "Layout " << int(c.layout) << " in " << c.height; }

struct TextLayout : ShadowLabel, ::testing::WithParamInterface<LayoutCase> {};

TEST_P(TextLayout, PlacesTheBlock)
{
    const LayoutCase c = GetParam();
    label->setCaption("Ab\r\ncd");
    label->setAutoSize(false);
    label->resize(50, c.height);
    label->setTextLayout(c.layout);
    Show();
    label->Invalidate();
    label->Renders = 0;
    EXPECT_EQ(Shown(), Expected({"Ab", "cd"}, c.box, {-1, -1}, WindowText, Highlight));
    EXPECT_EQ(label->Renders, c.renders);
}

INSTANTIATE_TEST_SUITE_P(All, TextLayout,
                         ::testing::Values(LayoutCase{L::tlTop, 40, {1, 0, 48, 40}, 1},
                                           // measured, then drawn; the last line ends 1 pixel above the edge
                                           LayoutCase{L::tlBottom, 40, {0, 13, 50, 27}, 2},
                                           LayoutCase{L::tlCenter, 40, {0, 6, 50, 27}, 2},
                                           // taller than the label: (19 - 26) / 2 = -3, not -4
                                           LayoutCase{L::tlCenter, 19, {0, -4, 50, 27}, 2}));

TEST_F(ShadowLabel, WordWrapShrinksToTheWidestLine)
{
    label->setAutoSize(false);
    label->resize(W("one two") + 2 + 3, 17);
    label->setCaption("one two three");
    label->setWordWrap(true);
    label->setAutoSize(true);
    EXPECT_EQ(label->size(), QSize(std::max(W("one two"), W("three")) + 2, 2 * LineHeight));
}

TEST_F(ShadowLabel, FocusRectangleFollowsThePartnerUntilItIsDestroyed)
{
    auto* other = new QLineEdit(&host);
    other->move(100, 60);
    auto* partner = new QLineEdit(&host);
    partner->move(100, 20);
    other->show();
    partner->show();
    label->setCaption("&Name");
    label->setShowFocus(true);
    label->setFocusControl(partner);
    Show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    other->setFocus();
    EXPECT_FALSE(label->PartnerFocused());
    const QImage unfocused = Shown();

    EXPECT_TRUE(OfferDialogChar(&host, QChar('n')));  // the accelerator
    EXPECT_TRUE(partner->hasFocus());
    EXPECT_TRUE(label->PartnerFocused());
    EXPECT_NE(Shown(), unfocused);

    delete partner;
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(Shown(), unfocused);
    EXPECT_FALSE(label->DialogChar(QChar('n')));

    // The character after the first "&" is the accelerator, even when it
    // is a second "&"; a lone "&" at the end marks nothing.
    partner = new QLineEdit(&host);
    partner->show();
    label->setFocusControl(partner);
    EXPECT_FALSE(label->PartnerFocused());  // not the focus of the partner before it
    label->setCaption("a&&b &Name");
    EXPECT_FALSE(label->DialogChar(QChar('N')));
    EXPECT_TRUE(label->DialogChar(QChar('&')));
    EXPECT_TRUE(partner->hasFocus());
    label->setCaption("Name&");
    EXPECT_FALSE(label->DialogChar(QChar('&')));
    label->setCaption("&Name");
    EXPECT_TRUE(label->DialogChar(QChar('N')));
    label->setShowAccelChar(false);
    EXPECT_FALSE(label->DialogChar(QChar('n')));
}

struct OpaqueOrNot : ShadowLabel, ::testing::WithParamInterface<bool> {};

TEST_P(OpaqueOrNot, CaptionChangeRepaintsOnlyItsOwnRectangle)
{
    const bool transparent = GetParam();
    label->setTransparent(transparent);
    label->setCaption("12:00:00");
    Show();
    PaintRecorder recorder;
    host.installEventFilter(&recorder);
    label->setCaption("12:00:01");
    QApplication::processEvents();
    host.removeEventFilter(&recorder);
    EXPECT_TRUE((recorder.painted - QRegion(label->geometry())).isEmpty());
    EXPECT_EQ(transparent, !recorder.painted.isEmpty());  // opaque: the host paints nothing
}

INSTANTIATE_TEST_SUITE_P(All, OpaqueOrNot, ::testing::Bool());

TEST_F(ShadowLabel, TransparentShowsTheContainerAroundTheGlyphs)
{
    host.setAutoFillBackground(true);
    QPalette navy = host.palette();
    navy.setColor(QPalette::Window, Navy);
    host.setPalette(navy);
    label->setCaption("Hi");
    label->setTransparent(true);
    label->setColor(clRed);  // not filled while transparent
    Show();
    const QImage shown = Shown();
    EXPECT_EQ(Count(shown, Red), 0);
    EXPECT_GT(Count(shown, Navy), label->width() * label->height() / 2);
    EXPECT_GT(Count(shown, WindowText), 0);
}

TEST_F(ShadowLabel, ContainerFontChangesRefit)
{
    TShadowLabel inherits(&host);
    inherits.show();
    inherits.setCaption("Text");
    EXPECT_TRUE(inherits.ParentFont());
    host.setFont(PixelFont("MS Sans Serif", 24));
    EXPECT_GT(inherits.height(), 20);
    EXPECT_EQ(label->height(), 13);  // its own font
    EXPECT_FALSE(label->ParentFont());
    label->setParentFont(true);
    EXPECT_EQ(label->height(), inherits.height());
}

TEST_F(ShadowLabel, HoverRaisesEnterAndLeave)
{
    label->setCaption("Hover");
    Show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QSignalSpy entered(label, &TShadowLabel::OnMouseEnter), left(label, &TShadowLabel::OnMouseLeave);
    const QPointF inside(2, 2), global = label->mapToGlobal(inside);
    QEnterEvent enter(inside, inside, global);
    QApplication::sendEvent(label, &enter);
    EXPECT_TRUE(label->Hovered());
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(label, &press);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_TRUE(label->Hovered());  // a held button keeps the hover
    QCursor::setPos(host.mapToGlobal(QPoint(150, 100)));
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, {}, {});
    QApplication::sendEvent(label, &release);
    EXPECT_FALSE(label->Hovered());
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

// Qt sends no leave where it never saw the enter; a modal window opening
// over the label ends the hover all the same.
TEST_F(ShadowLabel, AModalWindowEndsTheHover)
{
    label->setCaption("Hover");
    Show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QSignalSpy left(label, &TShadowLabel::OnMouseLeave);
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, label->mapToGlobal(inside));
    QApplication::sendEvent(label, &enter);
    ASSERT_TRUE(label->Hovered());
    bool hoveredDuring = true;
    test::WhenModal([&](QWidget* modal) {
        hoveredDuring = label->Hovered();
        modal->close();
    });
    QDialog over(&host);
    over.exec();
    EXPECT_FALSE(hoveredDuring);
    EXPECT_EQ(left.count(), 1);
}

TEST_F(ShadowLabel, IsStaticTextNamedByItsShownCaption)
{
    label->setCaption("a&&b &Name");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Name), QString("a&b Name"));
    EXPECT_TRUE(a->actionInterface() == nullptr || a->actionInterface()->actionNames().isEmpty());
    label->setShowAccelChar(false);
    EXPECT_EQ(a->text(QAccessible::Name), QString("a&&b &Name"));
}

} // namespace

// A hidden label fits once, when it is first shown or its size is asked
// for, and ends up exactly where a label fitted along the way does.
TEST_F(ShadowLabel, AHiddenLabelFitsOnItsFirstShowingAsIfFittedAlongTheWay)
{
    auto build = [&](TShadowLabel& l) {
        l.setGeometry(30, 40, 65, 17);
        l.setCaption("First");
        l.setFont(PixelFont("MS Sans Serif", 24));
        l.setCaption("Second\tcaption");
        l.setShadowSize(3);
    };
    Show();
    TShadowLabel direct(&host);
    direct.show();
    build(direct);
    EXPECT_NE(direct.size(), QSize(65, 17));

    TShadowLabel shown(&host), asked(&host);
    for (TShadowLabel* hidden : {&shown, &asked}) {
        build(*hidden);
        EXPECT_EQ(hidden->geometry(), QRect(30, 40, 65, 17));
    }
    shown.show();
    asked.EnsureFitted();
    EXPECT_EQ(shown.geometry(), direct.geometry());
    EXPECT_EQ(asked.geometry(), direct.geometry());
    asked.setCaption("Fits again");  // still hidden: waits again
    EXPECT_EQ(asked.geometry(), direct.geometry());
}
