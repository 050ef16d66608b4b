#pragma once

// The classic flat tool button; the board's tiles are made of it.

#include "controls/GlyphLayout.h"
#include "controls/PointerModel.h"

#include <QPixmap>
#include <QToolButton>

namespace quindle {

// The classic tool button: a caption and an optional glyph laid out beside,
// above or below it, flat (the bevel only under the pointer) or raised. It
// never takes the keyboard focus. The glyph's bottom-left pixel colour is
// its background and is not drawn; the rest is inked as the palette's
// scheme asks.
class TSpeedButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(int Layout READ Layout WRITE setGlyphLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
public:
    using enum TGlyphLayout::TLayout;

    explicit TSpeedButton(QWidget* parent = nullptr);

    QPixmap Glyph() const { return FGlyph; }
    void setGlyph(const QPixmap& glyph);
    int Layout() const { return FLayout; }
    void setGlyphLayout(int layout);
    int Spacing() const { return FSpacing; }
    void setSpacing(int spacing);
    bool Flat() const { return autoRaise(); }
    void setFlat(bool flat) { setAutoRaise(flat); }

    // Where glyph and caption go for the current size, font and state.
    struct Placement {
        QRect glyph;
        QRect caption;
    };
    Placement Place(bool sunken) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    // The glyph as drawn at that scale in the palette's scheme, made when
    // first drawn so.
    const QImage& GlyphAt(qreal ratio);

    QPixmap FGlyph;
    QRgb FGlyphKey = 0;
    QImage FFineGlyph;
    qint64 FFinePalette = 0;
    int FLayout = blGlyphLeft;
    int FSpacing = 4;
    // Repaints without the hover when a modal window takes the pointer.
    TPointerWatch FPointer{this, TPointerWatch::OnBlocked, [this] { update(); }};
};

// Registers the tool button with the accessibility framework (once).
void InstallSpeedButtonAccessibility();

} // namespace quindle
