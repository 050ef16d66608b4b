#pragma once

#include <QString>

#include <memory>

namespace quindle {

// Where sounds go. The real one plays through the desktop's sound server;
// tests install a recorder.
class ICueBackend {
public:
    virtual ~ICueBackend() = default;
    // A bare file name, relative to the current directory.
    virtual void Play(const QString& file) = 0;
    // The desktop's alert sound.
    virtual void Alert() = 0;
};

// Asynchronous playback of short cues, one at a time.
class TCuePlayer {
public:
    static TCuePlayer& Instance();

    // Returns at once; a new cue cuts off one still playing, and a file that
    // cannot be played gives the alert sound instead.
    void Play(const QString& file);
    void Alert();

    // Replaces the backend and returns the previous one; nullptr restores
    // the real one.
    std::unique_ptr<ICueBackend> SetBackend(std::unique_ptr<ICueBackend> backend);

    TCuePlayer(const TCuePlayer&) = delete;
    TCuePlayer& operator=(const TCuePlayer&) = delete;

private:
    TCuePlayer();
    ~TCuePlayer();

    std::unique_ptr<ICueBackend> FBackend;
};

// The real backend, for tests that need one of their own.
std::unique_ptr<ICueBackend> MakeSoundServerBackend();

} // namespace quindle
