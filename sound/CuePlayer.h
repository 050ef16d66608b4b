#pragma once

// Playing the game's sound cues and the desktop's alert.

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

    // Stops playback for good: the sound thread is joined and the sound
    // process ended before this returns; later cues are dropped.
    void Shutdown();

    TCuePlayer(const TCuePlayer&) = delete;
    TCuePlayer& operator=(const TCuePlayer&) = delete;

private:
    TCuePlayer();
    ~TCuePlayer();

    std::unique_ptr<ICueBackend> FBackend;
};

// Owns the cue player for main(): shuts it down before the process tears
// its libraries down.
class TCuePlayerScope {
public:
    TCuePlayerScope() = default;
    ~TCuePlayerScope();
    TCuePlayerScope(const TCuePlayerScope&) = delete;
    TCuePlayerScope& operator=(const TCuePlayerScope&) = delete;
};

// The real backend: reads and checks each cue (only regular files, only
// well-formed WAV data) and plays it in a sound process of its own; a cue
// that cannot be played gives the alert. For tests that need one of their own.
std::unique_ptr<ICueBackend> MakeSoundServerBackend();

// Where the sound process program is; empty restores the search beside the
// executable, then in the module directory. For tests.
void SetCueHelperPath(const QString& path);

} // namespace quindle
