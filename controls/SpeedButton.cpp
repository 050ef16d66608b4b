#include "controls/SpeedButton.h"

#include "paint/Canvas.h"
#include "paint/GlyphKey.h"
#include "paint/PixelArtScale.h"
#include "paint/Schemes.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace quindle {

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    InstallSpeedButtonAccessibility();
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::setGlyph(const QPixmap& glyph)
{
    FGlyph = glyph;
    if (!FGlyph.isNull()) {
        const QImage img = FGlyph.toImage();
        FGlyphKey = GlyphKeyColor(img).rgb();
        FGlyph.setMask(QBitmap::fromImage(img.createMaskFromColor(FGlyphKey, Qt::MaskInColor)));
    }
    FFineGlyph = QImage();
    update();
}

const QImage& TSpeedButton::GlyphAt(qreal ratio)
{
    const QPalette pal = palette();
    if (FFineGlyph.isNull() || FFineGlyph.devicePixelRatio() != ratio || FFinePalette != pal.cacheKey()) {
        FFineGlyph = InkedGlyph(FGlyph.toImage(), pal, pal.color(QPalette::Button), FGlyphKey);
        if (ratio != 1.0) {
            FFineGlyph = ScalePixelArt(FFineGlyph, TCanvas::DeviceSize(FGlyph.size(), ratio));
            FFineGlyph.setDevicePixelRatio(ratio);
        }
        FFinePalette = pal.cacheKey();
    }
    return FFineGlyph;
}

void TSpeedButton::setGlyphLayout(int layout)
{
    FLayout = layout;
    update();
}

void TSpeedButton::setSpacing(int spacing)
{
    FSpacing = spacing;
    update();
}

TSpeedButton::Placement TSpeedButton::Place(bool sunken) const
{
    static constexpr TGlyphRules kSpeed{.floorHalves = false, .spaceOnlyBetweenBoth = true, .sunkenAboveBelow = {1, 1}};
    const QFontMetrics fm(font());
    const QString caption = text();
    const QSize t = caption.isEmpty() ? QSize() : QSize(fm.horizontalAdvance(caption), fm.height());
    const QSize g = FGlyph.isNull() ? QSize() : FGlyph.size();
    // Any other number puts the glyph on the right.
    const bool known = FLayout == blGlyphLeft || FLayout == blGlyphTop || FLayout == blGlyphBottom;
    const auto layout = known ? TGlyphLayout::TLayout(FLayout) : blGlyphRight;
    const TGlyphPlan plan = PlanGlyphAndCaption(size(), g, t, true, layout, 0, FSpacing, sunken, kSpeed);
    return {QRect(plan.glyph, g), QRect(plan.caption, t)};
}

void TSpeedButton::enterEvent(QEnterEvent* event)
{
    QToolButton::enterEvent(event);
    FPointer.Arm();
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    const bool sunken = opt.state & (QStyle::State_Sunken | QStyle::State_On);
    // Qt's last enter may be stale: a modal window may have taken the pointer.
    const bool staleHover = (opt.state & QStyle::State_MouseOver) && !PointerOver(this);
    if (staleHover)
        opt.state &= ~QStyle::State_MouseOver;
    // The style draws the panel only; glyph and caption are placed here.
    opt.text.clear();
    opt.icon = QIcon();
    opt.toolButtonStyle = Qt::ToolButtonIconOnly;
    if (autoRaise()) {
        painter.drawComplexControl(QStyle::CC_ToolButton, opt);
    } else {
        // A raised push-button bevel, sunken while pressed.
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (staleHover)
            panel.state &= ~QStyle::State_MouseOver;
        painter.drawPrimitive(QStyle::PE_PanelButtonCommand, panel);
    }
    const Placement p = Place(sunken);
    if (!FGlyph.isNull()) {
        // On a denser screen the painter would enlarge it block by block.
        const qreal ratio = devicePixelRatioF();
        if (ratio == 1.0 && SchemeOf(palette()) == TScheme::Classic)
            painter.drawPixmap(p.glyph.topLeft(), FGlyph);
        else
            painter.drawImage(p.glyph.topLeft(), GlyphAt(ratio));
    }
    if (!text().isEmpty()) {
        const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
        painter.setPen(ReadableOn(ink, palette().color(QPalette::Button), IsLargeText(font()), SchemeOf(palette())));
        painter.drawText(p.caption, Qt::AlignCenter | Qt::TextSingleLine, text());
    }
}

} // namespace quindle
