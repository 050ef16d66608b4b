#include "widgets/NumSpin.h"

#include "assets/Assets.h"
#include "platform/CuePlayer.h"

#include <QAccessible>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <limits>

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;
// QLineEdit keeps this much room between its text margins and the line it
// draws; the native field draws right up to its text rectangle.
constexpr int kLineMarginX = 2;
constexpr int kLineMarginTop = 1;

// Halves go to the even neighbour (the default rounding mode).
double RoundEven(double x) { return std::nearbyint(x); }

// Saturating, so that huge or undefined numbers still give some text.
qint64 ToInt64(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 9223372036854774784.0;  // largest double below 2^63
    if (x >= limit)
        return std::numeric_limits<qint64>::max();
    if (x <= -limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(x);
}

// The glyph resources are bare device-independent bitmaps (no file header),
// as program resources store them; Qt reads them once the header is added.
QImage DibToImage(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    const auto* p = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    const quint16 bitCount = qFromLittleEndian<quint16>(p + 14);
    const quint32 used = qFromLittleEndian<quint32>(p + 32);
    const quint32 colours = bitCount <= 8 ? (used ? used : 1u << bitCount) : 0;
    QByteArray file(14, '\0');
    auto* f = reinterpret_cast<uchar*>(file.data());
    f[0] = 'B';
    f[1] = 'M';
    qToLittleEndian<quint32>(14 + dib.size(), f + 2);
    qToLittleEndian<quint32>(14 + headerSize + colours * 4, f + 10);
    return QImage::fromData(file + dib, "BMP");
}

QImage LoadGlyph(const char* name)
{
    quindle::InitAssets();
    QFile f(QStringLiteral(":/%1.bmp").arg(QLatin1String(name)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return DibToImage(f.readAll());
}

// One-bit glyphs are drawn with white as background, others with the colour
// of their bottom-left pixel.
TColor GlyphBackground(const QImage& glyph)
{
    if (glyph.depth() == 1 || glyph.isNull())
        return clWhite;
    return QColorToColor(glyph.pixelColor(0, glyph.height() - 1));
}

void DrawGlyph(TCanvas& c, const QImage& glyph, int x, int y)
{
    const int w = glyph.width(), h = glyph.height();
    c.BrushCopy({x, y, x + w, y + h}, glyph, {0, 0, w, h}, GlyphBackground(glyph));
}

} // namespace

// ---------------------------------------------------------------------------
// TNumSpinButton

TNumSpinButton::TNumSpinButton(QWidget* parent) : TGraphicControl(parent)
{
    FUpGlyph = LoadGlyph("NUMSPINUP");
    FDownGlyph = LoadGlyph("NUMSPINDOWN");
    SetOpaque(true);
    resize(20, 20);
    RenderAllStates();
}

void TNumSpinButton::setUpGlyph(const QImage& glyph)
{
    FUpGlyph = glyph.isNull() ? LoadGlyph("NUMSPINUP") : glyph;
    InvalidateImages();
}

void TNumSpinButton::setDownGlyph(const QImage& glyph)
{
    FDownGlyph = glyph.isNull() ? LoadGlyph("NUMSPINDOWN") : glyph;
    InvalidateImages();
}

TSpinHalf TNumSpinButton::HalfAt(const QPoint& p) const
{
    const int w = std::max(width(), 1), h = height();
    return p.y() > h - double(h) / w * p.x() ? TSpinHalf::Bottom : TSpinHalf::Top;
}

const QImage& TNumSpinButton::StateImage(TSpinHalf half)
{
    if (FImagesStale || FNormalImage.size() != size()) {
        RenderAllStates();
        FImagesStale = false;
    }
    switch (half) {
    case TSpinHalf::Top: return FTopPressedImage;
    case TSpinHalf::Bottom: return FBottomPressedImage;
    default: return FNormalImage;
    }
}

void TNumSpinButton::RenderState(QImage& image, TSpinHalf half) const
{
    const int W = width(), H = height();
    const bool top = half == TSpinHalf::Top, bottom = half == TSpinHalf::Bottom;
    image = QImage(std::max(W, 1), std::max(H, 1), QImage::Format_RGB32);
    TCanvas c(&image);
    c.Brush.Color = clBtnFace;
    c.FillRect({0, 0, W, H});
    c.Brush.Color = clWindowFrame;
    c.FrameRect({0, 0, W, H});
    c.Pen.Color = clWindowFrame;
    c.MoveTo(-1, H);
    c.LineTo(W, -1);

    c.Pen.Color = top ? clBtnShadow : clBtnHighlight;
    c.MoveTo(1, H - 4);
    c.LineTo(1, 1);
    c.LineTo(W - 3, 1);
    if (!top) {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(1, H - 3);
        c.LineTo(W - 2, 0);
    }
    c.Pen.Color = bottom ? clBtnHighlight : clBtnShadow;
    c.MoveTo(2, H - 2);
    c.LineTo(W - 2, H - 2);
    c.LineTo(W - 2, 1);
    c.Pen.Color = bottom ? clBtnShadow : clBtnHighlight;
    c.MoveTo(2, H - 2);
    c.LineTo(W - 1, 1);

    c.Brush.Color = clBtnFace;
    const int d = top ? 2 : 1;
    const double uw = FUpGlyph.width(), uh = FUpGlyph.height();
    DrawGlyph(c, FUpGlyph, int(RoundEven(W / 4.0 - uw / 2)) + d, int(RoundEven(H / 4.0 - uh / 2)) + d);
    const double dw = FDownGlyph.width(), dh = FDownGlyph.height();
    DrawGlyph(c, FDownGlyph, int(RoundEven(3.0 * W / 4 - dw / 2)) - 1, int(RoundEven(3.0 * H / 4 - dh / 2)) - 1);

    if (bottom) {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(3, H - 2);
        c.LineTo(W - 1, 2);
    }
}

void TNumSpinButton::RenderAllStates()
{
    RenderState(FTopPressedImage, TSpinHalf::Top);
    RenderState(FBottomPressedImage, TSpinHalf::Bottom);
    RenderState(FNormalImage, TSpinHalf::None);
}

void TNumSpinButton::InvalidateImages()
{
    FImagesStale = true;
    Invalidate();
}

void TNumSpinButton::Paint()
{
    if (!isEnabled())
        FTracking = false;
    Canvas()->Draw(0, 0, StateImage(FPressedHalf));
}

// Draws the current state now, without waiting for a full repaint.
void TNumSpinButton::DrawNow()
{
    PrepareSurface();
    Paint();
    Flush();
}

void TNumSpinButton::mousePressEvent(QMouseEvent* event)
{
    // Taken here: passed on, the press would reach the field's text.
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    QWidget* focus = FFocusControl;
    if (focus && (focus->focusPolicy() & Qt::TabFocus) && focus->isEnabled() && focus->isVisible()
        && !focus->hasFocus())
        focus->setFocus(Qt::OtherFocusReason);
    BeginCapture();
    if (FPressedHalf == TSpinHalf::None) {
        FPressStartHalf = TSpinHalf::None;
        FPressedHalf = HalfAt(event->pos());
        Click(FPressedHalf);
        if (FPressedHalf != FPressStartHalf) {
            FPressStartHalf = FPressedHalf;
            DrawNow();
        }
        if (!FAutoRepeat) {
            FAutoRepeat = new QTimer(this);
            connect(FAutoRepeat, &QTimer::timeout, this, &TNumSpinButton::RepeatTick);
        }
        FAutoRepeat->setInterval(kFirstRepeatMs);
        FAutoRepeat->start();
    }
    FTracking = true;
}

void TNumSpinButton::Track(const QPoint& p)
{
    if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height()) {
        const TSpinHalf half = HalfAt(p);
        if (FPressedHalf == half)
            return;
        const TSpinHalf shown = half == FPressStartHalf ? half : TSpinHalf::None;
        if (shown != FPressedHalf) {
            FPressedHalf = shown;
            DrawNow();
        }
    } else if (FPressedHalf != TSpinHalf::None) {
        FPressedHalf = TSpinHalf::None;
        DrawNow();
    }
}

void TNumSpinButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (FTracking)
        Track(event->pos());
}

void TNumSpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        EndCapture();
    if (!FTracking)
        return;
    FTracking = false;
    const QPoint p = event->pos();
    if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height()) {
        FPressedHalf = TSpinHalf::None;
        FPressStartHalf = TSpinHalf::None;
        DrawNow();
    } else {
        // Released away from the button with no move out reported first: the
        // half must not stay down, or the next press would be ignored.
        Track(p);
    }
}

void TNumSpinButton::hideEvent(QHideEvent* event)
{
    TGraphicControl::hideEvent(event);
    EndCapture();
}

void TNumSpinButton::changeEvent(QEvent* event)
{
    TGraphicControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            EndCapture();
        InvalidateImages();
    } else if (event->type() == QEvent::PaletteChange) {
        InvalidateImages();  // the system colours may have changed
    }
}

// Whatever takes the pointer from the window ends the press, as losing the
// capture does.
bool TNumSpinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FCaptureWindow
        && (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate))
        EndCapture();
    return TGraphicControl::eventFilter(watched, event);
}

void TNumSpinButton::BeginCapture()
{
    FCaptured = true;
    if (FCaptureWindow != window()) {
        if (FCaptureWindow)
            FCaptureWindow->removeEventFilter(this);
        FCaptureWindow = window();
        FCaptureWindow->installEventFilter(this);
    }
}

void TNumSpinButton::EndCapture()
{
    FCaptured = false;
    if (FCaptureWindow)
        FCaptureWindow->removeEventFilter(this);
    FCaptureWindow = nullptr;
}

void TNumSpinButton::Click(TSpinHalf half)
{
    if (half == TSpinHalf::Top)
        DoTopClick();
    else if (half == TSpinHalf::Bottom)
        DoBottomClick();
}

void TNumSpinButton::DoTopClick()
{
    emit OnTopClick();
    if (!FCaptured)
        FPressedHalf = TSpinHalf::None;
}

void TNumSpinButton::DoBottomClick()
{
    emit OnBottomClick();
    if (!FCaptured)
        FPressedHalf = TSpinHalf::None;
}

void TNumSpinButton::RepeatTick()
{
    FAutoRepeat->setInterval(kRepeatMs);
    if (FPressedHalf == TSpinHalf::None || !FCaptured)
        return;
    Click(FPressedHalf);
}

// ---------------------------------------------------------------------------
// TNumSpinEdit

TNumSpinEdit::TNumSpinEdit(QWidget* parent) : QLineEdit(parent)
{
    InstallNumSpinAccessibility();
    setText(QStringLiteral("0"));
    QLineEdit::setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The native field takes no drops; a drop would be an unchecked paste.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TNumSpinEdit::TextChanged);
    RebuildButton();
    PlaceButton();
    SetTextArea();
}

void TNumSpinEdit::RebuildButton()
{
    delete FButtonHost;
    FButtonHost = new QWidget(this);
    FButtonHost->setObjectName(QStringLiteral("ButtonHost"));
    FButtonHost->setCursor(Qt::ArrowCursor);  // not the field's text cursor
    FButtonHost->setGeometry(0, 0, height(), height());
    FSpinButton = new TNumSpinButton(FButtonHost);
    FSpinButton->setFocusControl(this);
    FSpinButton->setGeometry(FButtonHost->rect());
    FSpinButton->installEventFilter(this);
    connect(FSpinButton, &TNumSpinButton::OnTopClick, this, &TNumSpinEdit::StepUp);
    connect(FSpinButton, &TNumSpinButton::OnBottomClick, this, &TNumSpinEdit::StepDown);
}

double TNumSpinEdit::Value() const
{
    const QString s = text().trimmed();
    bool ok = false;
    if (FValueType == vtFloat) {
        QLocale loc;
        loc.setNumberOptions(QLocale::RejectGroupSeparator);
        const double v = loc.toDouble(s, &ok);
        return ok ? v : FMinValue;
    }
    const qint64 v = s.toLongLong(&ok, 10);
    return ok ? double(v) : std::trunc(FMinValue);
}

double TNumSpinEdit::ClampValue(double x) const
{
    if (FMaxValue == FMinValue)
        return x;
    if (x < FMinValue)
        return FMinValue;
    if (x <= FMaxValue)
        return x;
    return FMaxValue;
}

void TNumSpinEdit::setValue(double x)
{
    const double v = ClampValue(x);
    QString s;
    if (FValueType == vtInteger) {
        s = QString::number(ToInt64(RoundEven(v)));
    } else {
        QLocale loc;
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        const double shown = QString::number(v, 'g', 15).toDouble();  // 15 significant digits
        s = std::abs(shown) < 1e15 ? loc.toString(shown, 'f', FDecimal) : loc.toString(shown, 'E', 14);
    }
    // Writing the same text again would drop the selection.
    if (s != text())
        setText(s);
}

std::int32_t TNumSpinEdit::IntValue() const
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ToInt64(std::trunc(Value()))));
}

void TNumSpinEdit::setDecimal(int digits)
{
    const auto d = static_cast<std::uint8_t>(std::clamp(digits, 0, 255));
    if (d == FDecimal)
        return;
    FDecimal = d;
    setValue(Value());
}

void TNumSpinEdit::setArrowKeys(bool on)
{
    FArrowKeys = on;
    PlaceButton();
}

void TNumSpinEdit::setAlignment(TAlignment alignment)
{
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    const Qt::Alignment h = alignment == taRightJustify ? Qt::AlignRight
        : alignment == taCenter                        ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
    QLineEdit::setAlignment(h | Qt::AlignTop);
}

void TNumSpinEdit::setValueType(TValueType type)
{
    if (type == FValueType)
        return;
    FValueType = type;
    setValue(Value());
    if (type == vtInteger) {
        FIncrement = RoundEven(FIncrement);
        if (FIncrement == 0)
            FIncrement = 1;
    }
}

bool TNumSpinEdit::AcceptsChar(QChar c) const
{
    const char16_t u = c.unicode();
    bool ok = u == '+' || u == '-' || (u >= '0' && u <= '9') || u < 32;
    if (FValueType == vtFloat) {
        const QString sep = QLocale().decimalPoint();
        if (QString(c) == sep && !text().contains(sep))
            ok = true;
        if ((u == 'e' || u == 'E') && !text().contains(QLatin1Char('E'), Qt::CaseInsensitive))
            ok = true;
    }
    if (!FEditorEnabled && (u >= 32 || u == 8))
        ok = false;
    return ok;
}

void TNumSpinEdit::Step(double delta)
{
    const QString before = text();
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{FStepping};
    FStepping = true;
    setValue(Value() + delta);
    FStepping = false;
    if (text().compare(before, Qt::CaseInsensitive) != 0) {
        setModified(true);
        NotifyChange();
    }
}

void TNumSpinEdit::StepUp()
{
    if (isReadOnly()) {
        Refuse();
        return;
    }
    Step(FIncrement);
    emit OnTopClick();
}

void TNumSpinEdit::StepDown()
{
    if (isReadOnly()) {
        Refuse();
        return;
    }
    Step(-FIncrement);
    emit OnBottomClick();
}

void TNumSpinEdit::Cut()
{
    if (CanCutPaste())
        cut();
}

void TNumSpinEdit::Paste()
{
    if (CanCutPaste())
        paste();
}

void TNumSpinEdit::Refuse() { quindle::TCuePlayer::Instance().Alert(); }

void TNumSpinEdit::TextChanged()
{
    if (!FStepping)
        NotifyChange();
}

void TNumSpinEdit::NotifyChange()
{
    emit OnChange();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent ev(this, Value());
        QAccessible::updateAccessibility(&ev);
    }
}

namespace {

bool IsDialogKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab
        || key == Qt::Key_Backtab;
}

// The character a key types on the classic desktop, or none. Ctrl with a
// letter types a control character; Alt with a key types nothing.
QChar TypedChar(const QKeyEvent& e)
{
    const auto mods = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = e.key();
    if (key == Qt::Key_Backspace)
        return QChar(mods & Qt::ControlModifier ? 127 : 8);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QChar(13);
    if (key == Qt::Key_Escape)
        return QChar(27);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return QChar(9);
    if (mods == Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? QChar(key - Qt::Key_A + 1) : QChar();
    const QString t = e.text();
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() == 127)
        return {};
    return t.at(0);
}

} // namespace

void TNumSpinEdit::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    emit OnKeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    if (FArrowKeys && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        key == Qt::Key_Up ? StepUp() : StepDown();
        event->accept();
        return;
    }
    QKeyEvent changed(event->type(), key, event->modifiers(), QString(), event->isAutoRepeat(), event->count());
    QKeyEvent& e = key == event->key() ? *event : changed;
    const auto mods = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    event->accept();  // keys stay here unless they are dialog keys
    if (mods == Qt::AltModifier || (mods & Qt::MetaModifier))
        return;  // menu keys, not typing
    if (e.matches(QKeySequence::Cut)) {
        Cut();
        return;
    }
    if (e.matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    const QChar typed = TypedChar(e);
    if (!typed.isNull()) {
        bool accepted = AcceptsChar(typed);
        if (typed.unicode() >= 32)
            for (QChar c : e.text())
                accepted = accepted && AcceptsChar(c);
        if (!accepted) {
            Refuse();
            return;
        }
        // The native field does nothing with the other control characters.
        if (mods == Qt::ControlModifier && !e.matches(QKeySequence::Copy) && !e.matches(QKeySequence::SelectAll)
            && !e.matches(QKeySequence::Undo) && !e.matches(QKeySequence::Redo))
            return;
    }
    QLineEdit::keyPressEvent(&e);
    if (IsDialogKey(key))
        event->setAccepted(e.isAccepted());
    else
        event->accept();
}

void TNumSpinEdit::inputMethodEvent(QInputMethodEvent* event)
{
    for (QChar c : event->commitString()) {
        if (!AcceptsChar(c)) {
            Refuse();
            QInputMethodEvent kept(event->preeditString(), event->attributes());
            QLineEdit::inputMethodEvent(&kept);
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void TNumSpinEdit::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    // Window activation and closing popups give the focus back; they are
    // not an entry into the field.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        if (reason == Qt::MouseFocusReason)
            FClickFocus = true;  // the press decides: on the text it places the caret
        else if (FAutoSelect)
            selectAll();
    }
    // The base would select all on Tab by itself; AutoSelect decides that.
    const bool tab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(event->type(), tab ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
}

void TNumSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    FClickFocus = false;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    const double v = Value();
    if (ClampValue(v) != v)
        setValue(v);
}

bool TNumSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FSpinButton && event->type() == QEvent::MouseButtonPress && FClickFocus) {
        // The press that brought the focus lands on the button, not the text.
        FClickFocus = false;
        if (FAutoSelect)
            selectAll();
    }
    return QLineEdit::eventFilter(watched, event);
}

void TNumSpinEdit::mousePressEvent(QMouseEvent* event)
{
    if (FClickFocus) {
        FClickFocus = false;
        if (FAutoSelect && event->button() != Qt::LeftButton)
            selectAll();
    }
    QLineEdit::mousePressEvent(event);
}

void TNumSpinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton && !CanCutPaste()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu calls cut() and paste() directly; send them through the
    // checked versions instead.
    const QString cutText = QLineEdit::tr("Cu&t"), pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
        if (label != cutText && label != pasteText)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, label == cutText ? &TNumSpinEdit::Cut : &TNumSpinEdit::Paste);
        if (!CanCutPaste())
            action->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int TNumSpinEdit::MinimumHeight() const
{
    constexpr int borderHeight = 1;
    return fontMetrics().height() + 4 * borderHeight + 1;
}

int TNumSpinEdit::ButtonAreaWidth() const
{
    if (FSpinButton)
        return FSpinButton->width();
    return std::min(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), 15);
}

QRect TNumSpinEdit::ClientRect() const
{
    // The Windows style's 2-pixel sunken frame: the contents rectangle is
    // what the native field calls its client area.
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    return style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
}

void TNumSpinEdit::PlaceButton()
{
    if (!FButtonHost)
        return;
    const QRect client = ClientRect();
    const int W = width(), H = height();
    QRect r;  // in client coordinates
    if (hasFrame())
        r = isRightToLeft() ? QRect(-1, -1, H - 3, H - 3) : QRect(W - H - 1, -1, H - 3, H - 3);
    else
        r = isRightToLeft() ? QRect(0, 0, H, H) : QRect(W - H, 0, H, H);
    r.translate(client.topLeft());
    FButtonHost->setGeometry(r);
    // A native child window is clipped to its parent's client area.
    FButtonHost->setMask(QRegion(client.translated(-r.topLeft())).intersected(QRect(QPoint(), r.size())));
    if (FSpinButton)
        FSpinButton->setGeometry(QRect(QPoint(), r.size()));
}

void TNumSpinEdit::SetTextArea()
{
    const QRect client = ClientRect();
    const int cw = client.width();
    // The text rectangle in client coordinates; it may reach below the
    // client area, which clips it anyway.
    int left = 0, right = cw - ButtonAreaWidth() - 2;
    if (isRightToLeft()) {
        left = ButtonAreaWidth() + 1;
        right = cw - 1;
    }
    setTextMargins(left - kLineMarginX, -kLineMarginTop, cw - right - kLineMarginX, 0);
}

void TNumSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    if (height() < MinimumHeight()) {
        resize(width(), MinimumHeight());
        return;
    }
    PlaceButton();
    SetTextArea();
}

void TNumSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        PlaceButton();
        SetTextArea();
        break;
    default:
        break;
    }
}
