#pragma once

// Where a button's glyph and caption go: the plan both buttons draw from.

#include <QObject>
#include <QPoint>
#include <QSize>

namespace quindle {

// The glyph's side of the caption; a property type of the buttons.
struct TGlyphLayout {
    Q_GADGET
public:
    enum TLayout : quint8 { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TLayout)
};

// Where the two buttons' rules part.
struct TGlyphRules {
    // Halving a negative difference: true rounds down (the oval button),
    // false toward zero (the speed button).
    bool floorHalves;
    // True: the spacing counts only when glyph and caption are both there
    // (the speed button); false: whenever there is a caption, an empty glyph
    // included (the oval button).
    bool spaceOnlyBetweenBoth;
    // How far a sunken caption moves when it is above or below the glyph:
    // (0, 2) on the oval button, (1, 1) on the speed button. Beside the
    // glyph it moves (1, 1) on both, and the glyph always moves (1, 1).
    QPoint sunkenAboveBelow;
};

// The top-left corners of the glyph and the caption.
struct TGlyphPlan {
    QPoint glyph;
    QPoint caption;
};

// Plans a glyph of size cell and a caption of size text on a button. The
// margin keeps the glyph that much further from the centre. With hasCaption
// false the glyph is centred whatever the layout says (the oval button); the
// speed button always plans both, measuring a missing one as QSize(), which
// is -1 x -1 and moves the other by a pixel.
TGlyphPlan PlanGlyphAndCaption(QSize button, QSize cell, QSize text, bool hasCaption, TGlyphLayout::TLayout layout,
                               int margin, int spacing, bool sunken, const TGlyphRules& rules);

} // namespace quindle
