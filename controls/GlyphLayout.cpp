#include "controls/GlyphLayout.h"

namespace quindle {

TGlyphPlan PlanGlyphAndCaption(QSize button, QSize cell, QSize text, bool hasCaption, TGlyphLayout::TLayout layout,
                               int margin, int spacing, bool sunken, const TGlyphRules& rules)
{
    auto half = [&rules](int v) { return rules.floorHalves && v < 0 ? -((1 - v) / 2) : v / 2; };
    const int W = button.width(), H = button.height();
    const int GW = cell.width(), GH = cell.height(), tw = text.width(), th = text.height(), M = margin;
    const int S = rules.spaceOnlyBetweenBoth && (text.isEmpty() || cell.isEmpty()) ? 0 : spacing;
    const bool beside = layout == TGlyphLayout::blGlyphLeft || layout == TGlyphLayout::blGlyphRight;

    TGlyphPlan plan;
    plan.glyph = QPoint(half(W - GW), half(H - GH));
    plan.caption = QPoint(half(W - tw), half(H - th));
    if (hasCaption) {
        // The block of glyph, spacing and caption is centred along the layout.
        if (beside) {
            const int left = half(W - (tw + S + GW));
            plan.glyph.rx() = layout == TGlyphLayout::blGlyphLeft ? left - M : left + tw + S + M;
            plan.caption.rx() = layout == TGlyphLayout::blGlyphLeft ? plan.glyph.x() + GW + S : plan.glyph.x() - tw - S;
        } else if (layout == TGlyphLayout::blGlyphTop || layout == TGlyphLayout::blGlyphBottom) {
            const int top = half(H - (th + GH + S));
            plan.glyph.ry() = layout == TGlyphLayout::blGlyphTop ? top - M : top + th + S + M;
            plan.caption.ry() = layout == TGlyphLayout::blGlyphTop ? plan.glyph.y() + GH + S : plan.glyph.y() - th - S;
        }
    }
    if (sunken) {
        plan.glyph += QPoint(1, 1);
        plan.caption += beside ? QPoint(1, 1) : rules.sunkenAboveBelow;
    }
    return plan;
}

} // namespace quindle
