// Drawing on an image of a finer grid than the logical one.
#include "paint/Canvas.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quindle;

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), Green(0, 255, 0);

QImage Target(QSize logical, double scale)
{
    QImage img = TCanvas::NewSurface(logical, scale, QImage::Format_ARGB32);
    img.fill(Green);
    return img;
}

// The device pixels of one row or column holding colour c.
std::vector<int> Matching(int count, const std::function<QColor(int)>& at, const QColor& c)
{
    std::vector<int> hits;
    for (int i = 0; i < count; ++i)
        if (at(i) == c)
            hits.push_back(i);
    return hits;
}
std::vector<int> Row(const QImage& img, int y, const QColor& c)
{
    return Matching(img.width(), [&](int x) { return img.pixelColor(x, y); }, c);
}
std::vector<int> Column(const QImage& img, int x, const QColor& c)
{
    return Matching(img.height(), [&](int y) { return img.pixelColor(x, y); }, c);
}

TEST(CanvasScale, FillsMeetWithoutGapOrOverlapAtOneAndAHalf)
{
    QImage img = Target({10, 4}, 1.5);
    ASSERT_EQ(img.size(), QSize(15, 6));
    TCanvas c(&img);
    c.Brush.Color = clRed;
    c.FillRect({0, 0, 3, 4});
    c.Brush.Color = clBlue;
    c.FillRect({3, 0, 5, 4});
    c.Brush.Color = clRed;
    c.FrameRect({5, 0, 10, 4});
    // Logical pixels take one or two device pixels, as their centres fall.
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(Row(img, y, Blue), (std::vector<int>{5, 6, 7})) << y;
        EXPECT_EQ(Row(img, y, Green).empty(), y <= 1 || y == 5) << y;  // the frame's top and bottom
    }
    EXPECT_EQ(Row(img, 3, Red), (std::vector<int>{0, 1, 2, 3, 4, 8, 14}));
}

TEST(CanvasFill, FillsEachPixelFormatWithinTheImage)
{
    for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32,
                                        QImage::Format_RGB16, QImage::Format_RGB888}) {
        QImage img(6, 5, format);
        img.fill(Green);
        TCanvas c(&img);
        c.Brush.Color = clRed;
        c.FillRect({-3, 3, 2, 9});  // hangs over the left and bottom edges
        c.FillRect({4, 0, 4, 5});   // empty
        for (int y = 0; y < 5; ++y)
            EXPECT_EQ(Row(img, y, Red), y >= 3 ? (std::vector<int>{0, 1}) : std::vector<int>{})
                << format << " row " << y;
    }
}

TEST(CanvasScale, LinesAreOneLogicalPixelWideOnTheFinerGrid)
{
    QImage img = Target({8, 8}, 2);
    TCanvas c(&img);
    c.Pen.Color = clRed;
    c.MoveTo(1, 1);
    c.LineTo(5, 1);  // right, end left out
    c.Pen.Color = clBlue;
    c.MoveTo(5, 3);
    c.LineTo(1, 3);  // left: pixels 5 down to 2
    EXPECT_EQ(Column(img, 2, Red), (std::vector<int>{2, 3}));
    EXPECT_EQ(Row(img, 2, Red), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Row(img, 7, Blue), (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_TRUE(Row(img, 1, Red).empty() && Row(img, 4, Red).empty() && Row(img, 5, Blue).empty());

    // A diagonal is a smooth band two pixels high, not a staircase of blocks.
    QImage diag = Target({8, 8}, 2), one(8, 8, QImage::Format_ARGB32);
    one.fill(Green);
    for (QImage* img : {&diag, &one}) {
        TCanvas d(img);
        d.Pen.Color = clRed;
        d.MoveTo(0, 7);
        d.LineTo(7, 0);
    }
    for (int x = 1; x < 13; ++x)
        EXPECT_EQ(Column(diag, x, Red).size(), 2u) << x;
    EXPECT_NE(diag, one.scaled(16, 16));
}

TEST(CanvasScale, EllipseOutlineIsOneLogicalPixelWide)
{
    QImage img = Target({20, 10}, 2);
    TCanvas c(&img);
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Ellipse(0, 0, 20, 10);
    EXPECT_EQ(Row(img, 10, Red), (std::vector<int>{0, 1, 38, 39}));
    EXPECT_EQ(Column(img, 20, Red), (std::vector<int>{0, 1, 18, 19}));
    EXPECT_EQ(Row(img, 10, Blue).size(), 36u);
}

TEST(CanvasScale, PicturesAreEnlargedSmoothlyWithTheirSeeThroughColour)
{
    // A red diagonal on a white key colour.
    QImage art(4, 4, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int i = 0; i < 4; ++i)
        art.setPixelColor(i, 3 - i, Red);
    for (double s : {1.5, 2.0}) {
        QImage img = Target({8, 8}, s);
        TCanvas c(&img);
        c.Brush.Style = TBrushStyle::bsClear;
        c.BrushCopy({2, 2, 6, 6}, art, {0, 0, 4, 4}, clWhite);
        const int from = TCanvas::ToDevice(2, s), to = TCanvas::ToDevice(6, s);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor p = img.pixelColor(x, y);
                const bool inside = x >= from && x < to && y >= from && y < to;
                if (!inside) {
                    ASSERT_EQ(p, Green) << s << ": " << x << "," << y;
                }
                ASSERT_EQ(p.blue(), 0) << "no white shows through: " << x << "," << y;
            }
        // The corners of the picture are see-through, its far corners red
        // (at 1.5 smoothed a little into the background).
        EXPECT_EQ(img.pixelColor(from, from), Green);
        for (QPoint corner : {QPoint(to - 1, from), QPoint(from, to - 1)}) {
            const QColor p = img.pixelColor(corner);
            EXPECT_TRUE(p.red() > 200 && p.green() < 40) << s;
        }
        if (s == 2.0) {
            // Scale2x: each step of the diagonal is filled in, so every row
            // of the band holds three pixels rather than two.
            for (int y = from + 1; y < to - 1; ++y)
                EXPECT_EQ(Row(img, y, Red).size(), 3u) << y;
        }

        c.Brush.Style = TBrushStyle::bsSolid;
        c.Brush.Color = clBlue;
        c.BrushCopy({2, 2, 6, 6}, art, {0, 0, 4, 4}, clWhite);
        EXPECT_EQ(img.pixelColor(from, from), Blue);
    }
}

} // namespace
