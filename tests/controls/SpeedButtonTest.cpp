#include "controls/SpeedButton.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using quindle::TSpeedButton;

struct PlaceCase {
    QSize button;
    QSize glyph;  // empty: none
    bool caption;
    int layout;
    bool sunken;
    QPoint glyphAt;
};

// A missing glyph or caption counts as -1 x -1 and no spacing, which moves
// the other part a pixel off centre: the board's captions sit there. Halves
// of negative differences go toward zero.
TEST(SpeedButtonPlace, MissingPartsCountAsMinusOneAndSunkenMovesBoth)
{
    const PlaceCase cases[] = {
        {{41, 41}, {8, 8}, false, TSpeedButton::blGlyphLeft, false, {17, 16}},
        {{41, 41}, {8, 8}, false, TSpeedButton::blGlyphTop, false, {16, 17}},
        {{41, 41}, {8, 8}, false, TSpeedButton::blGlyphTop, true, {17, 18}},
        {{4, 41}, {8, 8}, false, TSpeedButton::blGlyphLeft, false, {-1, 16}},  // halves toward zero
        {{41, 30}, {}, true, TSpeedButton::blGlyphLeft, false, {}},
    };
    for (const PlaceCase& c : cases) {
        TSpeedButton b;
        b.resize(c.button);
        if (!c.glyph.isEmpty()) {
            QPixmap glyph(c.glyph);
            glyph.fill(Qt::red);
            b.setGlyph(glyph);
        }
        if (c.caption)
            b.setText("12");
        b.setGlyphLayout(c.layout);
        const TSpeedButton::Placement p = b.Place(c.sunken);
        if (!c.glyph.isEmpty()) {
            EXPECT_EQ(p.glyph.topLeft(), c.glyphAt) << c.layout;
        } else {
            // Centred but for the missing glyph's pixel.
            const QFontMetrics fm(b.font());
            const int tw = fm.horizontalAdvance("12"), th = fm.height();
            EXPECT_EQ(p.caption.topLeft(), QPoint((c.button.width() - tw + 1) / 2 - 1, (c.button.height() - th) / 2));
        }
    }
}

} // namespace
