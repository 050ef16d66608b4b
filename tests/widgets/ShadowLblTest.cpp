// The shadow label: fitting, painting, partner, hover and repaint cost.
#include "widgets/ShadowLbl.h"

#include "platform/Look.h"
#include "tests/support/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>

// Readable failures.
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
void PrintTo(const QRect& r, std::ostream* os) { *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height(); }
void PrintTo(const QImage& i, std::ostream* os) { *os << "image " << i.width() << "x" << i.height(); }

using quindle::PixelFont;
using L = TCustomShadowLabel;

namespace {

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

struct ShadowLabel : ::testing::Test {
    QWidget host;
    CountingLabel* label = new CountingLabel(&host);
    QFont sans = PixelFont("MS Sans Serif", 11);

    ShadowLabel()
    {
        host.resize(200, 120);
        label->move(10, 20);
        label->setFont(sans);
    }
    void Show()
    {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QApplication::processEvents();
    }
    QSize Text(const QString& s) const
    {
        TCanvas c;
        c.Font = sans;
        TRect r{0, 0, 1000, 1000};
        c.DrawText(s, r, tfCalcRect | tfExpandTabs);
        return {r.Width(), r.Height()};
    }
    // What the label should look like: the container's colour, shadow, text.
    QImage Expected(TRect text, QPoint shadowOffset, TColor textColor, TColor shadowColor,
                    unsigned flags = tfExpandTabs) const
    {
        QImage img(label->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(ColorToQColor(clBtnFace));
        TCanvas c(&img);
        c.Font = sans;
        TRect s{text.Left + shadowOffset.x(), text.Top + shadowOffset.y(), text.Right + shadowOffset.x(),
                text.Bottom + shadowOffset.y()};
        c.FontColor = shadowColor;
        c.DrawText(label->Caption(), s, flags);
        c.FontColor = textColor;
        c.DrawText(label->Caption(), text, flags);
        return img.convertToFormat(QImage::Format_RGB32);
    }
    QImage Shown() const { return quindle::test::GrabOnParent(label); }
};

TEST_F(ShadowLabel, StartsWithItsDefaultsAndUnfitted)
{
    TShadowLabel fresh(&host);
    EXPECT_EQ(fresh.size(), QSize(65, 17));
    EXPECT_TRUE(!fresh.Transparent() && fresh.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(fresh.Color(), QColorToColor(ColorToQColor(clBtnFace)));  // the container's
    fresh.setTransparent(true);
    EXPECT_FALSE(fresh.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(ShadowLabel, EmptyAndLoneAmpersandFitOneBlank)
{
    const QSize blank(Text(" ").width() + 2, 13);
    label->setCaption("x");
    label->setCaption("");
    EXPECT_EQ(label->size(), blank);
    label->setCaption("&");
    EXPECT_EQ(label->size(), blank);
    label->setShowAccelChar(false);
    EXPECT_EQ(label->size(), blank);  // not re-fitted by ShowAccelChar
    label->FitToText();
    EXPECT_EQ(label->size(), QSize(Text("&&").width() + 2, 13));
}

TEST_F(ShadowLabel, ShadowGrowsTheFitOnlyRightAndDown)
{
    label->setCaption("Moves :12");
    const QSize text = Text("Moves :12");
    EXPECT_EQ(label->size(), QSize(text.width() + 2, text.height()));
    const struct { L::TShadowPosition pos; int dw, dh; } cases[] = {
        {L::spLeftTop, 0, 0}, {L::spLeftBottom, 0, 3}, {L::spRightBottom, 3, 3}, {L::spRightTop, 3, 0}};
    for (const auto& c : cases) {
        label->setShadowSize(1);
        label->setShadowPos(c.pos);
        label->setShadowSize(3);
        EXPECT_EQ(label->size(), QSize(text.width() + 2 + c.dw, text.height() + c.dh)) << int(c.pos);
        label->setShadowPos(c.pos == L::spLeftTop ? L::spRightBottom : L::spLeftTop);
        EXPECT_EQ(label->size(), QSize(text.width() + 2 + c.dw, text.height() + c.dh));
    }
}

TEST_F(ShadowLabel, RightAlignedGrowthKeepsTheRightEdge)
{
    label->setCaption("ab");
    label->setAlignment(L::taRightJustify);
    const int right = label->geometry().right();
    label->setCaption("abWWW");
    EXPECT_EQ(label->geometry().right(), right);
    EXPECT_EQ(label->width(), Text("abWWW").width() + 2);
    label->setAlignment(L::taCenter);
    const int left = label->x();
    label->setCaption("ab");
    EXPECT_EQ(label->x(), left);
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
    label->setCaption("Hi &there\r\n\tok");
    Show();
    label->Invalidate();
    label->Renders = 0;
    const QImage shown = Shown();
    EXPECT_EQ(label->Renders, 1);  // no measuring with the top layout
    EXPECT_EQ(shown, Expected({1, 0, label->width() - 1, label->height()}, {-1, -1}, clWindowText, clBtnHighlight));
    EXPECT_EQ(shown.pixelColor(0, label->height() - 1), ColorToQColor(clBtnFace));

    label->setShadowColor(clRed);
    label->setShadowPos(L::spRightBottom);
    label->setFontColor(clNavy);
    EXPECT_EQ(Shown(), Expected({1, 0, label->width() - 1, label->height()}, {1, 1}, clNavy, clRed));
}

TEST_F(ShadowLabel, DisabledUsesGrayTextAndHighlightShadow)
{
    label->setCaption("Disabled");
    label->setShadowColor(clRed);
    const QSize fitted = label->size();
    label->setEnabled(false);
    Show();
    EXPECT_EQ(label->size(), fitted);
    const TRect text{1, 0, label->width() - 1, label->height()};
    EXPECT_EQ(Shown(), Expected(text, {-1, -1}, clGrayText, clBtnHighlight));
    label->setShadowSize(0);
    EXPECT_EQ(Shown(), Expected(text, {1, 1}, clGrayText, clBtnHighlight));
    label->setEnabled(true);
    EXPECT_EQ(Shown(), Expected(text, {0, 0}, clWindowText, clRed));
}

TEST_F(ShadowLabel, FiveLinesAreFiveLineHeights)
{
    label->setCaption("1    2  3   4\r\n5    6  7   8\r\n9   10 11 12\r\n13 14 15\r\nHorizontal");
    EXPECT_EQ(label->height(), 65);
}

TEST_F(ShadowLabel, BottomLayoutEndsOnePixelAboveTheEdge)
{
    label->setCaption("Ab\r\ncd");
    label->setAutoSize(false);
    label->resize(50, 40);
    label->setTextLayout(L::tlBottom);
    Show();
    label->Invalidate();
    label->Renders = 0;
    EXPECT_EQ(Shown(), Expected({0, 40 - 26 - 1, 50, 40}, {-1, -1}, clWindowText, clBtnHighlight));
    EXPECT_EQ(label->Renders, 2);  // measured, then drawn
}

TEST_F(ShadowLabel, WordWrapShrinksToTheWidestLine)
{
    label->setAutoSize(false);
    label->resize(Text("one two").width() + 2 + 3, 17);
    label->setCaption("one two three");
    label->setWordWrap(true);
    label->setAutoSize(true);
    EXPECT_EQ(label->size(), QSize(std::max(Text("one two").width(), Text("three").width()) + 2, 26));
}

TEST_F(ShadowLabel, FocusRectangleFollowsThePartnerUntilItIsDestroyed)
{
    auto* other = new QLineEdit(&host);
    other->move(100, 60);
    auto* partner = new QLineEdit(&host);
    partner->move(100, 20);
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

TEST_F(ShadowLabel, CaptionChangeRepaintsOnlyItsOwnRectangle)
{
    for (bool transparent : {false, true}) {
        label->setTransparent(transparent);
        label->setCaption("12:00:00");
        Show();
        PaintRecorder recorder;
        host.installEventFilter(&recorder);
        label->setCaption("12:00:01");
        QApplication::processEvents();
        host.removeEventFilter(&recorder);
        EXPECT_TRUE((recorder.painted - QRegion(label->geometry())).isEmpty()) << transparent;
        EXPECT_EQ(transparent, !recorder.painted.isEmpty());  // opaque: the host paints nothing
    }
}

TEST_F(ShadowLabel, ContainerFontChangesRefit)
{
    TShadowLabel inherits(&host);
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
