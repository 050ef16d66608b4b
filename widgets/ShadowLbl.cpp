#include "widgets/ShadowLbl.h"

#include "controls/StoreChanged.h"
#include "paint/AccelText.h"
#include "paint/Schemes.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace quindle {

namespace {
// Tells assistive tools that the text read out changed: its name, and its
// text as a whole replaced. A label in a hidden window keeps quiet.
void AnnounceText(TCustomShadowLabel* label, const QString& before)
{
    if (!label->isVisible())
        return;
    QAccessibleEvent named(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    const QString after = label->PlainCaption();
    if (after == before)
        return;
    QAccessibleTextUpdateEvent text(label, 0, before, after);
    QAccessible::updateAccessibility(&text);
}
}

void PaintShadowedText(TCanvas* canvas, const QString& text, int length, TRect& r, unsigned flags,
                       int shadowSize, TColor shadowRGB, TCustomShadowLabel::TShadowPosition pos)
{
    const QString shown = text.left(length);
    TRect textRect = r, shadowRect = r;
    const TColor textColor = canvas->FontColor;
    const int s = shadowSize;
    int dx = -s, dy = -s;
    switch (pos) {
    case TCustomShadowLabel::spLeftTop: break;
    case TCustomShadowLabel::spLeftBottom: dy = s; break;
    case TCustomShadowLabel::spRightBottom: dx = s; dy = s; break;
    case TCustomShadowLabel::spRightTop: dx = s; break;
    }
    shadowRect.Left += dx;
    shadowRect.Right += dx;
    shadowRect.Top += dy;
    shadowRect.Bottom += dy;
    if (flags & tfCalcRect) {
        // The shadow measures what the text measures, only shifted.
        canvas->DrawText(shown, textRect, flags);
        shadowRect = TRect{textRect.Left + dx, textRect.Top + dy, textRect.Right + dx, textRect.Bottom + dy};
    } else {
        canvas->FontColor = shadowRGB;
        canvas->DrawText(shown, shadowRect, flags);
        canvas->FontColor = textColor;
        canvas->DrawText(shown, textRect, flags);
    }
    r = TRect{std::min(textRect.Left, shadowRect.Left), std::min(textRect.Top, shadowRect.Top),
              std::max(textRect.Right, shadowRect.Right), std::max(textRect.Bottom, shadowRect.Bottom)};
}

TCustomShadowLabel::TCustomShadowLabel(QWidget* parent) : TGraphicControl(parent)
{
    InstallShadowLabelAccessibility();
    setOpaque(true);
    resize(65, 17);
}

// Every setter stores, returns early when nothing changed, then refits,
// repaints and announces as the property needs.

void TCustomShadowLabel::setCaption(const QString& caption)
{
    const QString before = PlainCaption();
    if (!StoreChanged(FCaption, caption))
        return;
    FitToText();
    Invalidate();
    AnnounceText(this, before);
}

void TCustomShadowLabel::setAlignment(TAlignment alignment)
{
    if (!StoreChanged(FAlignment, alignment))
        return;
    Invalidate();
}

void TCustomShadowLabel::setAutoSize(bool autoSize)
{
    if (!StoreChanged(FAutoSize, autoSize))
        return;
    FitToText();
}

void TCustomShadowLabel::setTextLayout(TTextLayout layout)
{
    if (!StoreChanged(FLayout, layout))
        return;
    Invalidate();
}

void TCustomShadowLabel::setShadowColor(TColor color)
{
    if (!StoreChanged(FShadowColor, color))
        return;
    Invalidate();
}

void TCustomShadowLabel::setShadowSize(int size)
{
    if (!StoreChanged(FShadowSize, static_cast<quint8>(std::clamp(size, 0, 255))))
        return;
    FitToText();
    Invalidate();
}

void TCustomShadowLabel::setShadowPos(TShadowPosition pos)
{
    if (!StoreChanged(FShadowPos, pos))
        return;
    updateGeometry();  // the hint moves now; the bounds wait for the next fit
    Invalidate();
}

void TCustomShadowLabel::setWordWrap(bool wordWrap)
{
    if (!StoreChanged(FWordWrap, wordWrap))
        return;
    FitToText();
}

void TCustomShadowLabel::setShowAccelChar(bool show)
{
    const QString before = PlainCaption();
    if (!StoreChanged(FShowAccelChar, show))
        return;
    Invalidate();
    AnnounceText(this, before);
}

void TCustomShadowLabel::setShowFocus(bool show)
{
    if (!StoreChanged(FShowFocus, show))
        return;
    Invalidate();
}

void TCustomShadowLabel::setTransparent(bool transparent)
{
    if (transparent == Transparent())
        return;
    setOpaque(!transparent);  // repaints
}

void TCustomShadowLabel::setFocusControl(QWidget* control)
{
    // Stored even when unchanged: the watch on the partner is simply renewed.
    disconnect(FPartnerGone);
    disconnect(FFocusMoves);
    FFocusControl = control;
    if (control) {
        FPartnerGone = connect(control, &QObject::destroyed, this, [this]() { setFocusControl(nullptr); });
        // Only a label with a partner cares where the focus goes.
        FFocusMoves = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusMoved(now); });
    } else {
        FPartnerFocused = false;  // what the next focus move would say, unheard now
    }
    if (FShowFocus)
        Invalidate();
}

TColor TCustomShadowLabel::Color() const { return FParentColor ? ContainerColor() : FColor; }

void TCustomShadowLabel::setColor(TColor color)
{
    // An own colour, even the same one, ends following the container.
    const bool followed = std::exchange(FParentColor, false);
    if (!StoreChanged(FColor, color) && !followed)
        return;
    Invalidate();
}

void TCustomShadowLabel::setParentColor(bool parentColor)
{
    if (!StoreChanged(FParentColor, parentColor))
        return;
    Invalidate();
}

void TCustomShadowLabel::setFontColor(TColor color)
{
    if (!StoreChanged(FFontColor, color))
        return;
    Invalidate();
}

void TCustomShadowLabel::setParentFont(bool parentFont)
{
    if (parentFont == ParentFont())
        return;
    if (parentFont) {
        setFont(QFont());  // an empty font resolves to the container's
    } else {
        QFont own = font();
        own.setResolveMask(QFont::AllPropertiesResolved);
        setFont(own);
    }
}

void TCustomShadowLabel::setHint(const QString& hint) { FHint = hint; }

bool TCustomShadowLabel::ShowHint() const { return EffectiveShowHint(FShowHint, FParentShowHint); }

void TCustomShadowLabel::setShowHint(bool show)
{
    FShowHint = show;
    FParentShowHint = false;
}

void TCustomShadowLabel::setParentShowHint(bool parentShowHint) { FParentShowHint = parentShowHint; }

QString TCustomShadowLabel::PlainCaption() const
{
    const QString text = CaptionToDraw();
    return FShowAccelChar ? StripAccels(text) : text;
}

void TCustomShadowLabel::NotifyMouseEnter() { emit OnMouseEnter(); }

void TCustomShadowLabel::NotifyMouseLeave() { emit OnMouseLeave(); }

void TCustomShadowLabel::RenderCaption(TRect& r, unsigned flags) { RenderCaption(Canvas(), r, flags); }

void TCustomShadowLabel::RenderCaption(TCanvas* canvas, TRect& r, unsigned flags) const
{
    QString text = CaptionToDraw();
    if ((flags & tfCalcRect) && (text.isEmpty() || (FShowAccelChar && text == QLatin1String("&"))))
        text += QLatin1Char(' ');
    if (!FShowAccelChar)
        flags |= tfNoPrefix;
    if (layoutDirection() == Qt::RightToLeft && !(flags & tfCenter))
        flags ^= tfRight;  // left is no flag at all
    canvas->Font = font();
    canvas->FontColor = ReadableOn(NormalTextColor(), Transparent() ? ContainerColor() : Color(), font(), palette());
    TShadowPosition pos = FShadowPos;
    int size = FShadowSize;
    TColor shadow = FShadowColor;
    if (!isEnabled()) {
        if (size == 0) {
            pos = spRightBottom;
            size = 1;
        }
        canvas->FontColor = clGrayText;
        shadow = clBtnHighlight;
    }
    PaintShadowedText(canvas, text, int(text.size()), r, flags, size, ColorToRGB(shadow, palette()), pos);
}

void TCustomShadowLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!Transparent()) {
        canvas->Brush.Style = TBrushStyle::bsSolid;
        canvas->Brush.Color = Color();
        canvas->FillRect(TRect{0, 0, Width(), Height()});
    }
    TRect r{FTextIndentLeft + 1, 0, Width() - (FTextIndentRight + 1), Height()};
    unsigned flags = tfExpandTabs;
    if (FWordWrap)
        flags |= tfWordBreak;
    if (FAlignment == taRightJustify)
        flags |= tfRight;
    else if (FAlignment == taCenter)
        flags |= tfCenter;
    if (FLayout != tlTop) {
        RenderCaption(r, flags | tfCalcRect);
        r.Left = FTextIndentLeft;
        r.Right = Width() - FTextIndentRight;
        int d = Height() - r.Bottom;
        if (FLayout == tlCenter)
            d /= 2;
        r.Top += d;
        r.Bottom += d;
    }
    RenderCaption(r, flags);
    if (FShowFocus && FFocusControl && FPartnerFocused) {
        r.Left -= 1;
        r.Right += 1;
        canvas->DrawFocusRect(r);
    }
}

QSize TCustomShadowLabel::sizeHint() const
{
    TRect r{FTextIndentLeft + 1, 0, Width() - (FTextIndentRight + 1), Height()};
    // Measuring needs no surface, so the hint holds whether or not the
    // label is shown or has a container yet.
    TCanvas measure;
    RenderCaption(&measure, r, tfExpandTabs | tfCalcRect | (FWordWrap ? tfWordBreak : 0u));
    // The text block with its shadow starts at the inset left edge; a
    // shadow pointing left or up hangs outside and adds nothing.
    return {r.Right + FTextIndentRight + 1, r.Bottom};
}

QSize TCustomShadowLabel::minimumSizeHint() const { return sizeHint(); }

void TCustomShadowLabel::FitToText()
{
    updateGeometry();  // a layout, where there is one, asks for the hint again
    if (!FAutoSize)
        return;
    // A window being built sets font and caption one at a time, and each fit
    // on the way would measure with a font that may never be drawn.
    FFitPending = !isVisible();
    if (!FFitPending)
        Fit();
}

void TCustomShadowLabel::EnsureFitted()
{
    if (std::exchange(FFitPending, false))
        Fit();
}

void TCustomShadowLabel::Fit()
{
    const QSize fitted = sizeHint();
    int x = this->x();
    TAlignment effective = FAlignment;
    if (layoutDirection() == Qt::RightToLeft && effective != taCenter)
        effective = effective == taLeftJustify ? taRightJustify : taLeftJustify;
    if (effective == taRightJustify)
        x += Width() - fitted.width();
    setGeometry(x, y(), fitted.width(), fitted.height());
}

bool TCustomShadowLabel::InForeground() { return QApplication::activeWindow() != nullptr; }

void TCustomShadowLabel::SetHovered(bool hovered)
{
    if (!StoreChanged(FHovered, hovered))
        return;
    if (hovered) {
        FPointer.Arm();
        NotifyMouseEnter();
    } else {
        FPointer.Disarm();
        NotifyMouseLeave();
    }
}

void TCustomShadowLabel::RefreshHover() { SetHovered(isEnabled() && InForeground() && PointerOver(this)); }

void TCustomShadowLabel::enterEvent(QEnterEvent* event)
{
    TGraphicControl::enterEvent(event);
    if (isEnabled() && InForeground())
        SetHovered(true);
}

void TCustomShadowLabel::leaveEvent(QEvent* event)
{
    TGraphicControl::leaveEvent(event);
    if (isEnabled() && !FLeftButtonHeld)
        SetHovered(false);
}

void TCustomShadowLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken, not passed on to the container: the label gets the release.
    event->accept();
    if (event->button() == Qt::LeftButton && isEnabled())
        FLeftButtonHeld = true;
    else if (event->button() == Qt::RightButton)
        RefreshHover();
}

void TCustomShadowLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (FLeftButtonHeld && event->button() == Qt::LeftButton) {
        FLeftButtonHeld = false;
        if (rect().contains(event->position().toPoint()))
            emit OnClick();
    }
    RefreshHover();
}

void TCustomShadowLabel::hideEvent(QHideEvent* event)
{
    TGraphicControl::hideEvent(event);
    FLeftButtonHeld = false;  // a hidden label hears no release
}

void TCustomShadowLabel::showEvent(QShowEvent* event)
{
    EnsureFitted();  // before the first paint
    TGraphicControl::showEvent(event);
    RefreshHover();
}

bool TCustomShadowLabel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange: {
        const bool handled = TGraphicControl::event(event);
        Invalidate();
        FitToText();
        return handled;
    }
    case QEvent::EnabledChange: {
        const bool handled = TGraphicControl::event(event);
        if (!isEnabled())
            FLeftButtonHeld = false;  // its release goes elsewhere
        Invalidate();
        RefreshHover();
        return handled;
    }
    case QEvent::ParentChange:
        Invalidate();  // the container's colour may have changed
        break;
    case QEvent::ToolTip:
        AnswerToolTip(*static_cast<QHelpEvent*>(event), FHint, ShowHint());
        return true;
    default:
        break;
    }
    return TGraphicControl::event(event);
}

void TCustomShadowLabel::FocusMoved(QWidget* now)
{
    // Only moves inside the label's own window count, as the partner keeps
    // its window's focus while another window is active.
    if (!now || now->window() != window())
        return;
    const bool focused = FFocusControl && now == FFocusControl;
    if (focused == FPartnerFocused)
        return;
    FPartnerFocused = focused;
    if (FShowFocus)
        Invalidate();
}

bool TCustomShadowLabel::DialogChar(QChar c)
{
    if (!FFocusControl || !isEnabled() || !FShowAccelChar)
        return false;
    // Read as the oval button reads its mnemonic.
    if (!IsAccelChar(c, CaptionToDraw()))
        return false;
    QWidget* partner = FFocusControl;
    if (!partner->isEnabled() || !partner->isVisible() || partner->focusPolicy() == Qt::NoFocus)
        return false;
    partner->setFocus(Qt::ShortcutFocusReason);
    return true;
}

} // namespace quindle
