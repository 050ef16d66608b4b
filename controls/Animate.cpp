#include "controls/Animate.h"

#include "controls/ErrorBox.h"
#include "files/LocalPath.h"

#include <QPainter>

#include <algorithm>

namespace quindle {

namespace {

// The frame with every pixel of the top-left pixel's colour see-through.
QImage Masked(const QImage& frame, QRgb background)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xff000000u) == background)
                line[x] = 0;
        }
    }
    return out;
}

} // namespace

TAnimate::TAnimate(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    // Sized to the clip, it may overlap its neighbours (the winner dialog's
    // OK button); clicks must go to them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TAnimate::Advance);
}

void TAnimate::setFileName(const QString& name)
{
    if (name == FFileName)
        return;
    CloseClip();
    FFileName = name;
    if (FShown)
        OpenClip();
}

void TAnimate::setCenter(bool center)
{
    FCenter = center;
    update();
}

void TAnimate::setTransparent(bool transparent)
{
    FTransparent = transparent;
    update();
}

void TAnimate::setActive(bool active)
{
    if (!active) {
        Stop();
        return;
    }
    // Opening sets StopFrame to the clip's own count, so open first.
    if (!FPlaying)
        OpenOrThrow();
    Play(1, FStopFrame, 0);
}

void TAnimate::OpenOrThrow()
{
    // An unreadable clip is tried again at every start.
    if (!FClip && !OpenClip())
        throw EError("Cannot open AVI");
}

double TAnimate::FrameRate() const
{
    return FClip ? static_cast<double>(FClip->RateNum) / FClip->RateDen : 0.0;
}

void TAnimate::Play(int fromFrame, int toFrame, int count)
{
    if (FPlaying)
        return;
    OpenOrThrow();
    const int last = FClip->FrameCount();
    FFrom = std::clamp(fromFrame, 1, last);
    FTo = std::clamp(toFrame, FFrom, last);
    FRepeatsLeft = std::max(count, 0);
    FCurrent = FFrom;
    FPlaying = true;
    FTimer.start(FClip->FrameInterval());
    update();
}

void TAnimate::Stop()
{
    FTimer.stop();
    FPlaying = false;
    FCurrent = 1;
    update();
}

void TAnimate::Advance()
{
    if (!FClip || !FPlaying)
        return;
    if (FCurrent < FTo) {
        ++FCurrent;
    } else if (FRepeatsLeft > 0 && --FRepeatsLeft == 0) {
        // A counted play ends on its last frame.
        FTimer.stop();
        FPlaying = false;
    } else {
        FCurrent = FFrom;
    }
    update();
}

bool TAnimate::OpenClip()
{
    CloseClip();
    if (FFileName.isEmpty())
        return false;
    FClip = LoadClipKeepingTimers(PathInCurrentDir(FFileName));
    if (!FClip)
        return false;
    const QRgb background = FClip->Frames.first().pixel(0, 0) | 0xff000000u;
    for (const QImage& frame : FClip->Frames)
        FMasked.append(Masked(frame, background));
    FStopFrame = FClip->FrameCount();
    FCurrent = 1;

    const QSize size = FClip->FrameSize;
    const QRect laidOut = geometry();
    QRect r(laidOut.topLeft(), size);
    if (FCenter)
        r.moveTopLeft(QPoint(laidOut.left() + (laidOut.width() - size.width()) / 2,
                             laidOut.top() + (laidOut.height() - size.height()) / 2));
    setGeometry(r);
    updateGeometry();
    update();
    return true;
}

void TAnimate::CloseClip()
{
    FTimer.stop();
    FPlaying = false;
    FClip.reset();
    FMasked.clear();
    FCurrent = 1;
    update();
}

QSize TAnimate::sizeHint() const
{
    return FClip ? FClip->FrameSize : QWidget::sizeHint();
}

void TAnimate::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The clip is read when the window first appears, not at creation.
    if (!FShown) {
        FShown = true;
        if (!FClip)
            OpenClip();
    }
}

void TAnimate::paintEvent(QPaintEvent*)
{
    if (!FClip)
        return;
    const int index = std::clamp(FCurrent, 1, FClip->FrameCount()) - 1;
    const QImage& frame = FTransparent ? FMasked[index] : FClip->Frames[index];
    QPoint at(0, 0);
    if (FCenter)
        at = QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2);
    QPainter(this).drawImage(at, frame);
}

} // namespace quindle
