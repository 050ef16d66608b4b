// The multi-line text operation, on a bare canvas.
#include "paint/Canvas.h"
#include "paint/Look.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace quindle;

namespace {

struct TextCanvas : ::testing::Test {
    QImage image{80, 60, QImage::Format_ARGB32_Premultiplied};
    TCanvas canvas{&image};
    QFontMetrics fm{TCanvas::DrawingFont(PixelFont("MS Sans Serif", 11))};

    TextCanvas()
    {
        canvas.Font = PixelFont("MS Sans Serif", 11);
        canvas.FontColor = clBlack;
        image.fill(Qt::white);
    }
    TRect Measure(const QString& text, unsigned flags = 0, TRect r = {3, 4, 53, 50})
    {
        canvas.DrawText(text, r, flags | tfCalcRect);
        return r;
    }
    int W(const QString& s) const { return fm.horizontalAdvance(s); }
    // The columns and rows holding dark pixels, as a rectangle.
    TRect Ink() const
    {
        TRect ink{image.width(), image.height(), -1, -1};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                           std::max(ink.Bottom, y + 1)};
        return ink;
    }
};

TEST_F(TextCanvas, LinesBreakAtCrLfLfAndCrEachOneLineHeight)
{
    ASSERT_EQ(fm.ascent() + fm.descent(), 13);  // the line the layouts assume
    EXPECT_EQ(Measure("ab\r\ncdef\ngh\rij"), (TRect{3, 4, 3 + W("cdef"), 4 + 4 * 13}));
    EXPECT_EQ(Measure("ab\r\n").Height(), 2 * 13);
    EXPECT_EQ(Measure(""), (TRect{3, 4, 3, 4}));
    TRect r{0, 0, 10, 10};
    EXPECT_EQ(canvas.DrawText("a\r\nb\r\nc", r, 0), 3 * 13);
}

TEST_F(TextCanvas, TabsAdvanceToMultiplesOfEightAverageWidths)
{
    const int tab = 8 * fm.averageCharWidth();
    EXPECT_EQ(Measure("a\tb", tfExpandTabs).Width(), tab + W("b"));
    EXPECT_EQ(Measure("\t\tb", tfExpandTabs).Width(), 2 * tab + W("b"));
    EXPECT_EQ(Measure("a\tb").Width(), W("a b"));
}

TEST_F(TextCanvas, PrefixUnderlinesUnlessSwitchedOff)
{
    EXPECT_EQ(Measure("&File").Width(), W("File"));
    EXPECT_EQ(Measure("a&&b").Width(), W("a&b"));
    EXPECT_EQ(Measure("&File", tfNoPrefix).Width(), W("&File"));

    TRect r{0, 0, 80, 20};
    canvas.DrawText("&W", r, 0);
    const TRect underlined = Ink();
    image.fill(Qt::white);
    canvas.DrawText("W", r, 0);
    const TRect plain = Ink();
    EXPECT_GT(underlined.Bottom, plain.Bottom);  // the underline below the glyph
    EXPECT_EQ(underlined.Left, plain.Left);
    image.fill(Qt::white);
    canvas.DrawText("&W", r, tfNoPrefix);
    EXPECT_GT(Ink().Right, plain.Right);  // "&" drawn as a character
}

TEST_F(TextCanvas, WordBreakKeepsLongWordsWhole)
{
    const TRect r{0, 0, W("aaa bbb") + 2, 50};
    EXPECT_EQ(Measure("aaa bbb ccc", tfWordBreak, r), (TRect{0, 0, W("aaa bbb"), 2 * 13}));
    EXPECT_EQ(Measure("aaa bbb ccc", 0, r).Height(), 13);
    EXPECT_EQ(Measure("x abcdefghijklmnopqrstuvwxyz y", tfWordBreak, {0, 0, 20, 50}),
              (TRect{0, 0, W("abcdefghijklmnopqrstuvwxyz"), 3 * 13}));
    // Hard breaks still count inside each wrapped paragraph.
    EXPECT_EQ(Measure("aaa bbb\r\nccc", tfWordBreak, r).Height(), 2 * 13);
}

TEST_F(TextCanvas, AlignsEachLineAndClipsToTheRectangle)
{
    const int w = W("II");
    auto drawnLeft = [&](unsigned flags) {
        image.fill(Qt::white);
        TRect r{10, 5, 70, 30};
        canvas.DrawText("II", r, flags);
        return Ink().Left;
    };
    const int left = drawnLeft(tfLeft);
    EXPECT_GE(left, 10);
    EXPECT_EQ(drawnLeft(tfRight) - left, 60 - w);
    EXPECT_EQ(drawnLeft(tfCenter) - left, (80 - w) / 2 - 10);

    image.fill(Qt::white);
    TRect small{5, 5, 12, 10};
    canvas.DrawText("WWWW\r\nWWWW", small, 0);
    const TRect ink = Ink();
    EXPECT_GE(ink.Left, 5);
    EXPECT_LE(ink.Right, 12);
    EXPECT_LE(ink.Bottom, 10);
}

TEST_F(TextCanvas, TextAfterATabStartsAtTheTabStopFromEitherSide)
{
    const int tab = 8 * fm.averageCharWidth();
    auto ink = [&](const QString& text, unsigned flags) {
        image.fill(Qt::white);
        TRect r{4, 5, 76, 30};
        canvas.DrawText(text, r, flags);
        return Ink();
    };
    EXPECT_EQ(ink("\tII", tfExpandTabs).Left - ink("II", tfLeft).Left, tab);
    EXPECT_EQ(ink("\tII", tfExpandTabs | tfRight).Right, ink("II", tfRight).Right);
    EXPECT_EQ(ink("a\tII", tfExpandTabs).Right, ink("\tII", tfExpandTabs).Right);
    // Unexpanded, a tab is one blank after what precedes it.
    EXPECT_EQ(ink("Wa\tII", tfLeft).Right - ink("II", tfLeft).Right, W("Wa") + W(" "));
}

TEST_F(TextCanvas, MeasuringDrawsNothingAndNeedsNoImage)
{
    Measure("Hello\r\nworld", tfCenter);
    EXPECT_EQ(Ink().Right, -1);
    TCanvas bare;
    bare.Font = canvas.Font;
    TRect r{7, 9, 8, 10};
    bare.DrawText("Hello", r, tfCalcRect | tfRight);
    EXPECT_EQ(r, (TRect{7, 9, 7 + W("Hello"), 9 + 13}));
    r = {0, 0, 50, 50};
    bare.DrawText("Hello", r, 0);  // no image: nothing to draw on, no crash
}

} // namespace
