// The custom controls in a window on a dense screen (the test runs with
// QT_SCALE_FACTOR set): their surfaces follow the window, and the redraws
// that go straight to the surface keep working.
#include "widgets/NumSpin.h"
#include "widgets/OvalBtn.h"
#include "widgets/ShadowLbl.h"

#include "paint/Look.h"
#include "controls/SpeedButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace quindle;


namespace {

bool Any(int, int) { return true; }

class SCALE_SUITE : public ::testing::Test {
protected:
    void SetUp() override
    {
        Host.resize(300, 200);
        Scale = Host.devicePixelRatioF();
        ASSERT_GT(Scale, 1.0) << "run with QT_SCALE_FACTOR above 1";
    }

    void Show()
    {
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    }

    // What the window shows over the control, in device pixels, less the
    // last row and column, which a fractional scale may share with the
    // neighbour.
    QImage Shown(QWidget* w)
    {
        const QImage all = Host.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(all.devicePixelRatio(), Scale);
        const QPoint at = w->mapTo(&Host, QPoint(0, 0));
        return all.copy(qRound(at.x() * Scale), qRound(at.y() * Scale), int(w->width() * Scale) - 1,
                        int(w->height() * Scale) - 1);
    }

    static void Send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    // The control painted on its own (the field clips the spin button).
    QImage Alone(QWidget* w)
    {
        const QImage img = w->grab().toImage();
        EXPECT_EQ(img.devicePixelRatio(), Scale);
        return img;
    }

    // Compares a and b at the device pixels where keep(x, y) holds.
    static int Mismatches(const QImage& a, const QImage& b, const std::function<bool(int, int)>& keep)
    {
        const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
        int n = 0;
        for (int j = 0; j < std::min(x.height(), y.height()); ++j)
            for (int i = 0; i < std::min(x.width(), y.width()); ++i)
                n += keep(i, j) && x.pixel(i, j) != y.pixel(i, j);
        return n;
    }

    QWidget Host;
    double Scale = 1;
};

TEST_F(SCALE_SUITE, LabelIsDrawnAtTheWindowsResolution)
{
    TShadowLabel label(&Host);
    label.move(10, 10);
    label.setFont(PixelFont("MS Sans Serif", 11));
    label.setCaption("1    2  3   4\r\nHorizontal");
    Show();
    const QImage text = label.PaintToImage(Scale);
    EXPECT_EQ(text.size(), TCanvas::DeviceSize(label.size(), Scale));
    EXPECT_EQ(Mismatches(Shown(&label), text, Any), 0);
}

TEST_F(SCALE_SUITE, OvalButtonKeepsItsShiftedContentsWhenOnlyTheBevelChanges)
{
    TOvalButton b(&Host);
    b.setGeometry(20, 20, 113, 39);
    b.setCaption("OK");
    b.setCaptionFont(PixelFont("MS Sans Serif", 11));
    b.setGlyphImage(QImage(":/glyphs/ok.bmp"));
    b.setNumGlyphs(2);
    Show();
    const QPoint centre(56, 19), away(200, 19);

    Send(&b, QEvent::MouseMove, centre, Qt::NoButton);
    Send(&b, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    const QImage sunken = b.PaintToImage(Scale);
    auto drawn = [&](int x, int y) { return sunken.pixelColor(x, y).alpha() == 255; };
    EXPECT_EQ(Mismatches(Shown(&b), sunken, drawn), 0);

    // Dragged off: the bevel comes up at once, the glyph and caption stay
    // down until the next full paint.
    const int fullPaints = b.FullPaintCount();
    Send(&b, QEvent::MouseMove, away, Qt::LeftButton);
    const QImage shown = Shown(&b), raised = b.PaintToImage(Scale);
    EXPECT_EQ(b.FullPaintCount(), fullPaints);
    const double s = Scale;
    auto inside = [s](const TRect& r, int x, int y) {
        const double dx = (x + 0.5 - (r.Left + r.Right) * s / 2) / (r.Width() * s / 2);
        const double dy = (y + 0.5 - (r.Top + r.Bottom) * s / 2) / (r.Height() * s / 2);
        return dx * dx + dy * dy <= 1.0;
    };
    const TRect outer{0, 0, 112, 38}, contents{3, 3, 109, 35};
    auto ring = [&](int x, int y) { return inside(outer, x, y) && !inside(contents, x, y); };
    auto middle = [&](int x, int y) { return inside(contents, x, y); };
    EXPECT_GT(Mismatches(sunken, raised, ring), 0);
    EXPECT_GT(Mismatches(sunken, raised, middle), 0);
    EXPECT_EQ(Mismatches(shown, raised, ring), 0);
    EXPECT_EQ(Mismatches(shown, sunken, middle), 0);
    Send(&b, QEvent::MouseButtonRelease, away, Qt::NoButton);
}

TEST_F(SCALE_SUITE, SpinButtonShowsAPressAtOnce)
{
    auto* edit = new TNumSpinEdit(&Host);
    edit->setGeometry(10, 10, 39, 21);
    edit->setMaxValue(14);
    Show();
    TNumSpinButton* button = edit->SpinButton();
    Send(button, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    button->AutoRepeat()->stop();
    const QImage top = button->StateImage(TSpinHalf::Top);
    EXPECT_EQ(top.size(), TCanvas::DeviceSize(button->size(), Scale));
    EXPECT_EQ(top.devicePixelRatio(), Scale);
    EXPECT_NE(top, button->StateImage(TSpinHalf::None));
    EXPECT_EQ(Mismatches(Alone(button), top, Any), 0);
    Send(button, QEvent::MouseButtonRelease, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(Mismatches(Alone(button), button->StateImage(TSpinHalf::None), Any), 0);
}

TEST_F(SCALE_SUITE, SpeedButtonGlyphIsNotEnlargedBlockByBlock)
{
    // A diagonal on a white background.
    QImage art(8, 8, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int i = 0; i < 8; ++i)
        art.setPixelColor(i, i, Qt::red);
    TSpeedButton b(&Host);
    b.setGeometry(10, 10, 40, 40);
    b.setGlyph(QPixmap::fromImage(art));
    Show();
    const TSpeedButton::Placement p = b.Place(false);
    const QImage shown = Alone(&b).copy(QRect(p.glyph.topLeft() * Scale, p.glyph.size() * Scale));
    const QImage blocky = art.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int red = 0, differ = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60;
            differ += c.rgb() != blocky.pixel(x, y);
        }
    EXPECT_GE(red, 8);
    EXPECT_GT(differ, 8);
}

} // namespace
