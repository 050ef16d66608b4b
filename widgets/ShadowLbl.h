#pragma once

// A label whose caption is drawn over a shifted copy of itself in a shadow
// colour. In .ui files "Layout" needs stdset="0" (setLayout is QWidget's),
// and the geometry goes before the caption, which refits it.

#include "controls/GraphicControl.h"
#include "controls/PointerModel.h"

#include <QMetaObject>
#include <QPointer>

namespace quindle {

// A windowless label drawing its caption over a shifted copy in a shadow
// colour, and sizing itself to the text.
class TCustomShadowLabel : public TGraphicControl {
    Q_OBJECT
public:
    enum TAlignment : quint8 { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TTextLayout : quint8 { tlTop, tlCenter, tlBottom };
    Q_ENUM(TTextLayout)
    enum TShadowPosition : quint8 { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
    Q_ENUM(TShadowPosition)

    explicit TCustomShadowLabel(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    TAlignment Alignment() const { return FAlignment; }
    void setAlignment(TAlignment alignment);
    bool AutoSize() const { return FAutoSize; }
    void setAutoSize(bool autoSize);
    TTextLayout Layout() const { return FLayout; }
    void setTextLayout(TTextLayout layout);
    TColor ShadowColor() const { return FShadowColor; }
    void setShadowColor(TColor color);
    int ShadowSize() const { return FShadowSize; }
    // 0 to 255 pixels.
    void setShadowSize(int size);
    TShadowPosition ShadowPos() const { return FShadowPos; }
    void setShadowPos(TShadowPosition pos);
    bool WordWrap() const { return FWordWrap; }
    void setWordWrap(bool wordWrap);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void setShowAccelChar(bool show);
    bool ShowFocus() const { return FShowFocus; }
    void setShowFocus(bool show);
    bool Transparent() const { return !Opaque(); }
    void setTransparent(bool transparent);
    QWidget* FocusControl() const { return FFocusControl; }
    void setFocusControl(QWidget* control);

    // The background colour; with ParentColor the container's.
    TColor Color() const;
    void setColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void setParentColor(bool parentColor);
    TColor FontColor() const { return FFontColor; }
    void setFontColor(TColor color);
    // True while the label has no font of its own and follows its container.
    bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }
    void setParentFont(bool parentFont);

    QString Hint() const { return FHint; }
    void setHint(const QString& hint);
    bool ShowHint() const;
    void setShowHint(bool show);
    // ShowHint follows the nearest container that has a "ShowHint".
    bool ParentShowHint() const { return FParentShowHint; }
    void setParentShowHint(bool parentShowHint);

    bool Hovered() const { return FHovered; }
    bool LeftButtonHeld() const { return FLeftButtonHeld; }
    bool PartnerFocused() const { return FPartnerFocused; }

    // The caption as read out: prefixes applied when ShowAccelChar is on.
    QString PlainCaption() const;

    // The text block, its shadow and the one-pixel insets, measured at the
    // current width (which only matters with WordWrap).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // With AutoSize, takes on sizeHint(), keeping the right edge when the
    // text is right-aligned and the left edge otherwise. A hidden label
    // waits until it is shown or EnsureFitted() is called.
    void FitToText();
    // Carries out a fit that waits for the showing, for whoever needs the
    // size of a label not shown yet.
    void EnsureFitted();
    void RefreshHover();
    bool DialogChar(QChar c) override;

signals:
    void OnMouseEnter();
    void OnMouseLeave();
    void OnClick();

protected:
    virtual TColor NormalTextColor() const { return FFontColor; }
    virtual QString CaptionToDraw() const { return FCaption; }
    virtual void NotifyMouseEnter();
    virtual void NotifyMouseLeave();

    void RenderCaption(TRect& r, unsigned flags);
    void RenderCaption(TCanvas* canvas, TRect& r, unsigned flags) const;
    void Paint() override;

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Fit();
    void FocusMoved(QWidget* now);
    void SetHovered(bool hovered);
    static bool InForeground();

    QPointer<QWidget> FFocusControl;
    QMetaObject::Connection FPartnerGone;
    QMetaObject::Connection FFocusMoves;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    TColor FShadowColor = clBtnHighlight;
    quint8 FShadowSize = 1;
    TShadowPosition FShadowPos = spLeftTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FShowFocus = false;
    bool FPartnerFocused = false;
    bool FHovered = false;
    bool FLeftButtonHeld = false;
    bool FFitPending = false;
    int FTextIndentLeft = 0;
    int FTextIndentRight = 0;

    QString FCaption;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TColor FFontColor = clWindowText;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    // Ends the hover when a modal window takes the pointer with no leave.
    TPointerWatch FPointer{this, TPointerWatch::OnBlocked, [this] { RefreshHover(); }};
};

// Draws text in shadowRGB at an offset of shadowSize pixels towards pos, then
// over it in the canvas's FontColor; r becomes the union of both rectangles.
// With tfCalcRect only measures.
void PaintShadowedText(TCanvas* canvas, const QString& text, int length, TRect& r, unsigned flags,
                       int shadowSize, TColor shadowRGB, TCustomShadowLabel::TShadowPosition pos);

class TShadowLabel : public TCustomShadowLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TCustomShadowLabel::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(TCustomShadowLabel::TTextLayout Layout READ Layout WRITE setTextLayout)
    Q_PROPERTY(int ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize)
    Q_PROPERTY(TCustomShadowLabel::TShadowPosition ShadowPos READ ShadowPos WRITE setShadowPos)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE setFocusControl)
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE setParentFont)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE setParentShowHint)
public:
    explicit TShadowLabel(QWidget* parent = nullptr) : TCustomShadowLabel(parent) {}
};

// Registers the assistive-technology view of the labels (once).
void InstallShadowLabelAccessibility();

} // namespace quindle
