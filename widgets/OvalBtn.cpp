#include "widgets/OvalBtn.h"

#include "controls/StoreChanged.h"
#include "paint/GlyphKey.h"
#include "paint/Schemes.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>

#include <algorithm>

namespace quindle {

namespace {

int clampByte(int v) { return std::clamp(v, 0, 255); }

} // namespace

TOvalButton::TOvalButton(QWidget* parent) : TGraphicControl(parent)
{
    InstallOvalButtonAccessibility();
    setMouseTracking(true);  // a flat button lights up under the pointer
    resize(100, 50);
    DeriveColors();
}

TColor TOvalButton::ShiftColor(TColor color, int percent, const QPalette& palette)
{
    const TColor rgb = ColorToRGB(color, palette);
    const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
    int r2 = r + r * percent / 100;
    int carry = r2 > 255 ? r2 - 255 : 0;
    int g2 = g + g * percent / 100 + carry;
    if (g2 > 255) {
        carry = g2 - 255;
        r2 += carry;
    }
    const int b2 = b + b * percent / 100 + carry;
    if (b2 > 255 && g2 <= 255)
        r2 += b2 - 255;
    return RGBColor(clampByte(r2), clampByte(g2), clampByte(b2));
}

bool TOvalButton::IsAccelChar(QChar ch, const QString& caption) { return quindle::IsAccelChar(ch, caption); }

bool TOvalButton::PtInOval(int x, int y) const { return TCanvas::PtInEllipse(TRect{0, 0, width(), height()}, x, y); }

bool TOvalButton::DialogChar(QChar c)
{
    if (!IsAccelChar(c, FCaption))
        return false;
    Click();
    return true;  // swallowed also when disabled
}

void TOvalButton::Click()
{
    // Handlers report their own errors: nothing may unwind through Qt.
    if (isEnabled())
        emit OnClick();
}

// --- Properties ------------------------------------------------------------
// Each setter stores, then repaints, also when the value is unchanged.

void TOvalButton::setCaption(const QString& caption)
{
    FCaption = caption;
    Invalidate();
    QAccessibleEvent ev(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ev);
}

void TOvalButton::setColor(TColor color)
{
    FColor = color;
    DeriveColors();
    Invalidate();
}

void TOvalButton::DeriveColors()
{
    const QPalette pal = palette();
    FLightColor = ShiftColor(FColor, 60, pal);
    FShadowColor = ShiftColor(FColor, -50, pal);
    if (IsSystemColor(FColor) && SchemeOf(pal) != TScheme::Classic) {
        // Shifted, a black face would give black bevels.
        FLightColor = ColorToRGB(clBtnHighlight, pal);
        FShadowColor = ColorToRGB(clBtnShadow, pal);
    }
    FInkedGlyph = InkedGlyph(FGlyph, pal, ColorToQColor(FColor, pal), ColorToQColor(FTransparentColor, pal).rgb());
}

void TOvalButton::PaletteChanged() { DeriveColors(); }

void TOvalButton::StoreDown(bool down)
{
    if (!StoreChanged(FDown, down))
        return;
    QAccessible::State changed;
    changed.pressed = true;
    changed.checked = true;
    QAccessibleStateChangeEvent ev(this, changed);
    QAccessible::updateAccessibility(&ev);
}

void TOvalButton::setDown(bool down)
{
    StoreDown(down);
    FBevelState = down ? -1 : (FFlat ? 0 : 1);
    Invalidate();
}

void TOvalButton::setEndColor(TColor color)
{
    FEndColor = color;
    Invalidate();
}

void TOvalButton::setFlat(bool flat)
{
    FFlat = flat;
    FBevelState = flat ? 0 : 1;
    Invalidate();
}

void TOvalButton::setCaptionFont(const QFont& font)
{
    FFont = font;
    Invalidate();
}

void TOvalButton::setFontColor(TColor color)
{
    FFontColor = color;
    Invalidate();
}

void TOvalButton::setGlyphImage(const QImage& glyph)
{
    FGlyph = glyph.convertToFormat(QImage::Format_RGB32);
    if (!FGlyph.isNull())
        FTransparentColor = QColorToColor(GlyphKeyColor(FGlyph));
    DeriveColors();
    Invalidate();
}

void TOvalButton::setGlyphLayout(TLayout layout)
{
    FLayout = layout;
    Invalidate();
}

void TOvalButton::setMargin(int margin)
{
    FMargin = margin;
    Invalidate();
}

// The cell width divides by the count.
void TOvalButton::setNumGlyphs(int count)
{
    FNumGlyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TOvalButton::setSpacing(int spacing)
{
    FSpacing = spacing;
    Invalidate();
}

void TOvalButton::setStartColor(TColor color)
{
    FStartColor = color;
    Invalidate();
}

void TOvalButton::setTransparent(bool transparent)
{
    FTransparent = transparent;
    Invalidate();
}

void TOvalButton::setTransparentColor(TColor color)
{
    FTransparentColor = color;
    DeriveColors();
    Invalidate();
}

void TOvalButton::setHint(const QString& hint)
{
    FHint = hint;
    QAccessibleEvent ev(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&ev);
}

void TOvalButton::setShowHint(bool show)
{
    FShowHint = show;
    FParentShowHint = false;
}

bool TOvalButton::HintShown() const { return EffectiveShowHint(FShowHint, FParentShowHint); }

// --- Drawing ---------------------------------------------------------------

TOvalButton::TContentLayout TOvalButton::PlanContents(QSize button, QSize cell, QSize text, bool hasCaption,
                                                      TLayout layout, int margin, int spacing, bool sunken)
{
    static constexpr TGlyphRules kOval{.floorHalves = true, .spaceOnlyBetweenBoth = false, .sunkenAboveBelow = {0, 2}};
    const TGlyphPlan p = PlanGlyphAndCaption(button, cell, text, hasCaption, layout, margin, spacing, sunken, kOval);
    TContentLayout plan;
    plan.Glyph = TRect{p.glyph.x(), p.glyph.y(), p.glyph.x() + cell.width(), p.glyph.y() + cell.height()};
    if (hasCaption)
        plan.Caption = TRect{p.caption.x(), p.caption.y(), p.caption.x() + text.width(), p.caption.y() + text.height()};
    return plan;
}

TOvalButton::TContentLayout TOvalButton::ContentLayout(int bevelState) const
{
    TCanvas measure;
    measure.Font = FFont;
    const QSize cell(FGlyph.width() / FNumGlyphs, FGlyph.height());
    return PlanContents(size(), cell, measure.TextExtent(FCaption), !FCaption.isEmpty(), FLayout, FMargin,
                        FSpacing, bevelState == -1);
}

void TOvalButton::Paint()
{
    TCanvas* c = Canvas();
    c->Brush.Style = FTransparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    c->Brush.Color = FColor;
    c->Pen.Style = FFlat ? TPenStyle::psClear : TPenStyle::psSolid;
    c->Pen.Color = QColorToColor(Ink(QColor(0, 0, 0), palette()));
    c->Pen.Width = 1;
    c->Ellipse(0, 0, Width() - 1, Height() - 1);
    DrawContents();
}

void TOvalButton::DrawBevel()
{
    TCanvas* c = Canvas();
    const int W = Width(), H = Height();
    const int x3 = 4 * (W / 5), y3 = H / 5, x4 = W / 5, y4 = 4 * (H / 5);
    c->Pen.Width = 1;
    c->Pen.Style = FBevelState == 0 ? TPenStyle::psClear : TPenStyle::psSolid;
    c->Pen.Color = FBevelState == -1 ? FShadowColor : FLightColor;
    c->Arc(1, 1, W - 2, H - 2, x3, y3, x4, y4);
    c->Pen.Color = FBevelState == -1 ? FLightColor : FShadowColor;
    c->Arc(1, 1, W - 2, H - 2, x4, y4, x3, y3);
    c->Pen.Style = TPenStyle::psSolid;
}

void TOvalButton::DrawContents()
{
    TCanvas* c = Canvas();
    // Set here, as every drawing of the contents needs them: the caption is
    // measured in this font too.
    c->Font = FFont;
    c->FontColor = ReadableOn(FFontColor, FTransparent ? ContainerColor() : FColor, FFont, palette());
    const int k = FGlyph.width() / FNumGlyphs;
    TRect source{0, 0, k, FGlyph.height()};
    DrawBevel();
    if (!isEnabled() && FNumGlyphs > 1)
        source = TRect{k, 0, 2 * k, FGlyph.height()};

    const bool sunken = FBevelState == -1;
    const TContentLayout plan = PlanContents(size(), QSize(source.Width(), source.Height()),
                                             c->TextExtent(FCaption), !FCaption.isEmpty(), FLayout, FMargin,
                                             FSpacing, sunken);
    const TRect& g = plan.Glyph;

    // Paint over the column and row the glyph covered in its other position.
    c->Pen.Width = 1;
    c->Pen.Color = FColor;
    c->Pen.Style = FTransparent ? TPenStyle::psClear : TPenStyle::psSolid;
    if (sunken) {
        c->MoveTo(g.Left - 1, g.Bottom);
        c->LineTo(g.Left - 1, g.Top - 1);
        c->LineTo(g.Right, g.Top - 1);
    } else {
        c->MoveTo(g.Right, g.Top);
        c->LineTo(g.Right, g.Bottom);
        c->LineTo(g.Left, g.Bottom);
    }
    c->Pen.Style = TPenStyle::psSolid;

    if (sunken && FNumGlyphs > 2)
        source = TRect{2 * k, 0, 3 * k, FGlyph.height()};
    c->Brush.Style = FTransparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid;
    c->Brush.Color = FColor;
    c->BrushCopy(g, FInkedGlyph, source, FTransparentColor);

    if (FCaption.isEmpty())
        return;
    const TRect& t = plan.Caption;
    if (sunken)
        c->FillRect(t);
    else
        c->FillRect(TRect{t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1});
    c->TextRectCentered(t, FCaption);
}

void TOvalButton::RedrawContents()
{
    if (FTransparent) {
        Invalidate();  // nothing underneath to draw over
        return;
    }
    PrepareSurface();
    if (FBevelState == -1 && !FCaption.isEmpty()) {
        // Pressing moves the caption one pixel right and down, and its own
        // background leaves the raised caption's first column and row; at
        // finer resolutions the text has ink there.
        TCanvas* c = Canvas();
        c->Brush.Style = TBrushStyle::bsSolid;
        c->Brush.Color = FColor;
        c->FillRect(ContentLayout(1).Caption);
    }
    DrawContents();
    Flush();
}

void TOvalButton::RedrawBevel()
{
    PrepareSurface();
    DrawBevel();
    Flush();
}

// --- Pointer ---------------------------------------------------------------

void TOvalButton::MouseDown(Qt::MouseButton, int x, int y)
{
    if (isEnabled() && PtInOval(x, y)) {
        FDownAtPress = FDown;
        StoreDown(true);
        FBevelState = -1;
        RedrawContents();
    }
    FMousePressed = true;
}

void TOvalButton::MouseUp(Qt::MouseButton, int x, int y)
{
    if (isEnabled() && PtInOval(x, y)) {
        FMouseInside = true;  // so that the pointer leaving takes the bevel away
        if (FGroupIndex == 0) {
            StoreDown(false);
            FBevelState = 1;
            RedrawContents();
        } else {
            setDown(!FDownAtPress);
        }
    }
    FMousePressed = false;
}

void TOvalButton::MouseMove(int x, int y)
{
    const bool inside = PtInOval(x, y);
    if (FMousePressed) {
        if (!inside) {
            if (FBevelState == -1 && FGroupIndex == 0 && FMouseInside) {
                StoreDown(false);
                FBevelState = 1;
                RedrawBevel();
            }
            FMouseInside = false;
        } else if (FBevelState == 1 && FGroupIndex == 0) {
            FMouseInside = true;
            StoreDown(true);
            FBevelState = -1;
            RedrawBevel();
        }
    } else if (FFlat && !FDown) {
        if (inside) {
            FMouseInside = true;
            FBevelState = 1;
            RedrawBevel();
        } else if (FMouseInside) {
            FMouseInside = false;
            FBevelState = 0;
            Invalidate();
        }
    } else {
        FMouseInside = inside;
    }
}

void TOvalButton::MouseLeave()
{
    if (!FMouseInside || !isEnabled())
        return;
    FMouseInside = false;
    FPointer.Disarm();
    if (FFlat && !FDown) {
        FBevelState = 0;
        Invalidate();
    }
}

void TOvalButton::mousePressEvent(QMouseEvent* e)
{
    FPointer.Arm();
    // Qt's implicit grab brings every move and the release to us until the
    // button comes up, inside the rectangle or not.
    if (e->button() == Qt::LeftButton)
        FClickArmed = true;
    const QPoint p = e->position().toPoint();
    MouseDown(e->button(), p.x(), p.y());
}

void TOvalButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click: OnDblClick, and no OnClick on its release.
    if (e->button() == Qt::LeftButton) {
        FClickArmed = false;
        if (isEnabled())
            emit OnDblClick();
    }
    const QPoint p = e->position().toPoint();
    MouseDown(e->button(), p.x(), p.y());
}

void TOvalButton::mouseMoveEvent(QMouseEvent* e)
{
    FPointer.Arm();
    const QPoint p = e->position().toPoint();
    MouseMove(p.x(), p.y());
}

void TOvalButton::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton && FClickArmed) {
        FClickArmed = false;
        // Before our own release handling: the button stays drawn pressed
        // while the handler runs, e.g. for the life of a modal dialog.
        if (rect().contains(p))
            Click();
    }
    MouseUp(e->button(), p.x(), p.y());
    // The click may have opened and closed a window or hidden this one: the
    // pointer may be elsewhere by now, with no leave on the way.
    if (FMouseInside)
        FPointer.Recheck();
}

void TOvalButton::leaveEvent(QEvent* e)
{
    TGraphicControl::leaveEvent(e);
    MouseLeave();
}

// --- Other events ----------------------------------------------------------

bool TOvalButton::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        AnswerToolTip(*static_cast<QHelpEvent*>(e), FHint, HintShown(), rect());
        return true;
    }
    return TGraphicControl::event(e);
}

void TOvalButton::changeEvent(QEvent* e)
{
    TGraphicControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        Invalidate();
}

} // namespace quindle
