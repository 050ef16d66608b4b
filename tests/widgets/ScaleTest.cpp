// The custom controls drawn for denser screens: each is redrawn at the
// finer resolution rather than enlarged, and keeps its 1x geometry.
#include "widgets/NumSpin.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include "paint/Look.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace quindle;


namespace {

// Pixels that differ from what an enlargement of the 1x picture shows.
int DiffersFromEnlargement(const QImage& one, const QImage& scaled)
{
    const QImage blocky = one.scaled(scaled.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    const QImage fine = scaled.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < fine.height(); ++y)
        for (int x = 0; x < fine.width(); ++x)
            n += fine.pixel(x, y) != blocky.pixel(x, y);
    return n;
}

// The box around the pixels that differ from the background, in logical
// pixels (device pixels divided by the image's ratio).
QRectF Ink(const QImage& image, QRgb background)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const qreal r = image.devicePixelRatio();
    return QRectF(left / r, top / r, (right + 1 - left) / r, (bottom + 1 - top) / r);
}

class Scale : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override { Host.resize(400, 300); }
    QWidget Host;
};

TEST_P(Scale, OvalButtonIsRedrawnInsideItsScaledEllipse)
{
    const double s = GetParam();
    TOvalButton b(&Host);
    b.resize(93, 32);
    b.setCaption("&Cancel");
    b.setCaptionFont(PixelFont("MS Sans Serif", 11));
    b.setGlyphImage(QImage(":/glyphs/cancel.bmp"));
    const QColor light = ColorToQColor(TOvalButton::ShiftColor(b.Color(), 60, b.palette()), b.palette());
    for (bool down : {false, true}) {
        b.setDown(down);
        const QImage one = b.PaintToImage(1), fine = b.PaintToImage(s);
        ASSERT_EQ(fine.size(), QSize(qRound(93 * s), qRound(32 * s)));
        EXPECT_GT(DiffersFromEnlargement(one, fine), fine.width() * fine.height() / 50) << "down " << down;

        // The outline reaches the edges of the scaled box and nothing is
        // drawn outside it; the light half of the bevel keeps to its inner box.
        const TRect outer{0, 0, 92, 32 - 1}, inner{1, 1, 91, 30};
        int lightPixels = 0;
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x) {
                const QColor c = fine.pixelColor(x, y);
                if (c.alpha() == 0)
                    continue;
                const auto inside = [&](const TRect& r) {
                    const double dx = (x + 0.5 - (r.Left + r.Right) * s / 2) / (r.Width() * s / 2);
                    const double dy = (y + 0.5 - (r.Top + r.Bottom) * s / 2) / (r.Height() * s / 2);
                    return dx * dx + dy * dy <= 1.0;
                };
                ASSERT_TRUE(inside(outer)) << x << "," << y;
                if (c == light) {
                    ++lightPixels;
                    ASSERT_TRUE(inside(inner)) << x << "," << y;
                }
            }
        EXPECT_GT(lightPixels, 100 * s);
        const QRectF drawn = Ink(fine, 0);
        EXPECT_LE(drawn.left(), 0.0);
        EXPECT_GE(drawn.right(), 92 - 1.0);
    }
}

TEST_P(Scale, ShadowLabelTextCoversItsOneToOneExtent)
{
    const double s = GetParam();
    struct Case {
        const char* caption;
        QFont font;
    } cases[] = {
        {"1    2  3   4\r\n5    6  7   8\r\n9   10 11 12\r\n13 14 15\r\nHorizontal", PixelFont("MS Sans Serif", 11)},
        {"Secons :125", PixelFont("Comic Sans MS", 11)},
        {"Escalonada Abajo-H", PixelFont("Comic Sans MS", 37)},
    };
    for (const Case& c : cases) {
        TShadowLabel l(&Host);
        l.setFont(c.font);
        l.setCaption(c.caption);
        l.setColor(clWhite);
        const QImage one = l.PaintToImage(1), fine = l.PaintToImage(s);
        EXPECT_GT(DiffersFromEnlargement(one, fine), 0) << c.caption;
        const QRectF a = Ink(one, qRgb(255, 255, 255)), b = Ink(fine, qRgb(255, 255, 255));
        // Within a logical pixel at each side.
        EXPECT_NEAR(b.left(), a.left(), 1) << c.caption;
        EXPECT_NEAR(b.right(), a.right(), 1) << c.caption;
        EXPECT_NEAR(b.top(), a.top(), 1) << c.caption;
        EXPECT_NEAR(b.bottom(), a.bottom(), 1) << c.caption;
    }
}

TEST_P(Scale, SpinButtonStatesAreRenderedAtDeviceSize)
{
    const double s = GetParam();
    TNumSpinEdit edit(&Host);
    edit.setGeometry(10, 10, 39, 21);
    TNumSpinButton* b = edit.SpinButton();
    const QImage one = b->PaintToImage(1), fine = b->PaintToImage(s);
    EXPECT_EQ(fine.size(), TCanvas::DeviceSize(b->size(), s));
    EXPECT_GT(DiffersFromEnlargement(one, fine), fine.width() * fine.height() / 50);
    // The frame runs round the whole device box.
    const QRgb frame = one.pixel(0, 0);
    for (int x = 0; x < fine.width(); ++x)
        ASSERT_TRUE(fine.pixel(x, 0) == frame && fine.pixel(x, fine.height() - 1) == frame) << x;
    for (int y = 0; y < fine.height(); ++y)
        ASSERT_TRUE(fine.pixel(0, y) == frame && fine.pixel(fine.width() - 1, y) == frame) << y;
    // Each pressed look differs, and the cached looks follow the ratio.
    EXPECT_NE(b->StateImage(TSpinHalf::Top), b->StateImage(TSpinHalf::Bottom));
    EXPECT_EQ(b->StateImage(TSpinHalf::None).devicePixelRatio(), b->devicePixelRatioF());
}

INSTANTIATE_TEST_SUITE_P(Dense, Scale, ::testing::Values(1.5, 2.0));

} // namespace
