#pragma once

// The game's oval push button. In .ui files "Layout" and "Font" need
// stdset="0" (QWidget has setters of those names), and TransparentColor goes
// after Glyph, which picks its own.

#include "paint/Canvas.h"
#include "controls/GlyphLayout.h"
#include "controls/GraphicControl.h"
#include "controls/PointerModel.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace quindle {

// The game's push button: an ellipse with a two-tone bevel, an optional glyph
// from a strip of up to four images, and a one-line caption. Windowless; the
// container shows through outside the ellipse. A non-zero GroupIndex makes
// it a toggle button.
class TOvalButton : public TGraphicControl {
    Q_OBJECT
public:
    using TLayout = TGlyphLayout::TLayout;
    using enum TGlyphLayout::TLayout;

private:
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(int EndColor READ EndColor WRITE setEndColor)
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
    Q_PROPERTY(QFont Font READ Font WRITE setCaptionFont)
    Q_PROPERTY(int FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
    Q_PROPERTY(quindle::TGlyphLayout::TLayout Layout READ Layout WRITE setGlyphLayout)
    Q_PROPERTY(int Margin READ Margin WRITE setMargin)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int StartColor READ StartColor WRITE setStartColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int TransparentColor READ TransparentColor WRITE setTransparentColor)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE setParentFont)

public:
    explicit TOvalButton(QWidget* parent = nullptr);

    // Where glyph and caption go for one look of the button. Caption is the
    // box the text is centred in (empty when there is no caption).
    struct TContentLayout {
        TRect Glyph;
        TRect Caption;
    };
    // tw x th is the caption's extent, cell the glyph cell's size.
    static TContentLayout PlanContents(QSize button, QSize cell, QSize text, bool hasCaption,
                                       TLayout layout, int margin, int spacing, bool sunken);
    // The plan for this button in the given bevel state (-1 sunken, 0, 1).
    TContentLayout ContentLayout(int bevelState) const;

    // A lighter (positive percent) or darker shade of the colour resolved
    // through the palette; overflow of one channel spills into the others.
    static TColor ShiftColor(TColor color, int percent, const QPalette& palette);
    // Whether the first "&" of caption marks ch (letters without regard to case).
    static bool IsAccelChar(QChar ch, const QString& caption);
    // Inside the ellipse of the full rectangle (0, 0)-(Width, Height).
    bool PtInOval(int x, int y) const;

    bool DialogChar(QChar c) override;
    // Raises OnClick if enabled, reporting an exception from the handler.
    void Click();

    QString Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    TColor Color() const { return FColor; }
    void setColor(TColor color);
    bool Down() const { return FDown; }
    void setDown(bool down);
    TColor EndColor() const { return FEndColor; }
    void setEndColor(TColor color);
    bool Flat() const { return FFlat; }
    void setFlat(bool flat);
    QFont Font() const { return FFont; }
    void setCaptionFont(const QFont& font);
    TColor FontColor() const { return FFontColor; }
    void setFontColor(TColor color);
    QPixmap Glyph() const { return QPixmap::fromImage(FGlyph); }
    const QImage& GlyphImage() const { return FGlyph; }
    void setGlyph(const QPixmap& glyph) { setGlyphImage(glyph.toImage()); }
    void setGlyphImage(const QImage& glyph);
    int GroupIndex() const { return FGroupIndex; }
    void setGroupIndex(int index) { FGroupIndex = index; }
    TLayout Layout() const { return FLayout; }
    void setGlyphLayout(TLayout layout);
    int Margin() const { return FMargin; }
    void setMargin(int margin);
    int NumGlyphs() const { return FNumGlyphs; }
    void setNumGlyphs(int count);
    int Spacing() const { return FSpacing; }
    void setSpacing(int spacing);
    TColor StartColor() const { return FStartColor; }
    void setStartColor(TColor color);
    bool Transparent() const { return FTransparent; }
    void setTransparent(bool transparent);
    TColor TransparentColor() const { return FTransparentColor; }
    void setTransparentColor(TColor color);

    QString Hint() const { return FHint; }
    void setHint(const QString& hint);
    // Setting ShowHint stops following the container's "ShowHint" property.
    bool ShowHint() const { return FShowHint; }
    void setShowHint(bool show);
    bool ParentShowHint() const { return FParentShowHint; }
    void setParentShowHint(bool follow) { FParentShowHint = follow; }
    // Stored only: the caption's font never follows the container.
    bool ParentFont() const { return FParentFont; }
    void setParentFont(bool follow) { FParentFont = follow; }
    // Whether the Hint is shown as a tooltip now.
    bool HintShown() const;

signals:
    void OnClick();
    void OnDblClick();

protected:
    void Paint() override;
    void PaletteChanged() override;
    void DrawBevel();
    void DrawContents();

    virtual void MouseDown(Qt::MouseButton button, int x, int y);
    virtual void MouseMove(int x, int y);
    virtual void MouseUp(Qt::MouseButton button, int x, int y);
    virtual void MouseLeave();

    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // The immediate redraws, over what the surface shows now.
    void RedrawContents();
    void RedrawBevel();
    void StoreDown(bool down);
    // The bevel's shades and the inked glyph, from the face, the glyph and
    // the palette.
    void DeriveColors();

    QString FCaption;
    TColor FColor = clBtnFace;
    bool FDown = false;
    TColor FEndColor = clBlack;
    bool FFlat = false;
    QFont FFont;
    TColor FFontColor = clWindowText;
    QImage FGlyph;
    // FGlyph as the palette's scheme draws it, made when either changes.
    QImage FInkedGlyph;
    int FGroupIndex = 0;
    TLayout FLayout = blGlyphLeft;
    int FMargin = 0;
    int FNumGlyphs = 1;
    int FSpacing = 4;
    TColor FStartColor = clBlack;
    bool FTransparent = false;
    TColor FTransparentColor = clBlack;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FParentFont = true;

    TColor FLightColor = clWhite;
    TColor FShadowColor = clBlack;
    int FBevelState = 1;
    bool FDownAtPress = false;
    bool FMousePressed = false;
    bool FMouseInside = false;
    bool FClickArmed = false;
    // Takes the hover away when the pointer leaves with no leave event.
    TPointerWatch FPointer{this, TPointerWatch::OnBlocked, [this] { MouseLeave(); }};
};

// Registers the oval button with the accessibility framework (once).
void InstallOvalButtonAccessibility();

} // namespace quindle
