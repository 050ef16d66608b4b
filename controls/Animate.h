#pragma once

// The control that plays the winner clip.

#include "clip/ClipLoader.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace quindle {

// The animation player control: opens an AVI clip when its window is first
// shown and plays a range of its frames, looping.
class TAnimate : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int StopFrame READ StopFrame WRITE setStopFrame)
    Q_PROPERTY(bool Active READ Active WRITE setActive)
public:
    explicit TAnimate(QWidget* parent = nullptr);

    // Relative to the current directory.
    QString FileName() const { return FFileName; }
    void setFileName(const QString& name);
    // Keeps the clip centred on the control's laid-out rectangle.
    bool Center() const { return FCenter; }
    void setCenter(bool center);
    // Leaves out the pixels of the background colour, the first frame's
    // top-left one, so the container shows through.
    bool Transparent() const { return FTransparent; }
    void setTransparent(bool transparent);
    // The last frame Active plays; opening the clip sets it to the count.
    int StopFrame() const { return FStopFrame; }
    void setStopFrame(int frame) { FStopFrame = frame; }
    bool Active() const { return FPlaying; }
    // true = Play(1, StopFrame, 0); false = Stop().
    void setActive(bool active);

    bool Open() const { return FClip.has_value(); }
    int FrameCount() const { return FClip ? FClip->FrameCount() : 0; }
    int FrameWidth() const { return FClip ? FClip->FrameSize.width() : 0; }
    int FrameHeight() const { return FClip ? FClip->FrameSize.height() : 0; }
    // Frames per second and milliseconds between frames; 0 when closed.
    double FrameRate() const;
    int FrameInterval() const { return FClip ? FClip->FrameInterval() : 0; }
    // The frame shown, 1-based; 0 when closed.
    int CurrentFrame() const { return FClip ? FCurrent : 0; }

    // Plays frames fromFrame..toFrame (1-based) `count` times, 0 = without
    // end. Does nothing while playing. Tries to open the clip first when it
    // is not open and throws EError("Cannot open AVI") if that fails.
    void Play(int fromFrame, int toFrame, int count);
    // Stops and shows the first frame again.
    void Stop();

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool OpenClip();
    void OpenOrThrow();
    void CloseClip();
    void Advance();

    QString FFileName;
    bool FCenter = true;
    bool FTransparent = true;
    int FStopFrame = 0;

    std::optional<TClip> FClip;
    QList<QImage> FMasked; // the frames with the background left out
    bool FShown = false;
    bool FPlaying = false;
    int FCurrent = 1;
    int FFrom = 1;
    int FTo = 1;
    int FRepeatsLeft = 0; // 0 = without end
    QTimer FTimer;
};

} // namespace quindle
