#pragma once

// A private X desktop for the benchmarks: its own Xvfb on a free display,
// its own runtime and config folders and session bus, and the two programs
// compared, the game and the bare window, started on it.

#include <xcb/xcb.h>

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// Tile 15 (row 4, column 3) in the game's client area below its menu bar.
constexpr int kTileLeft = 5 + 167, kTileTop = 3 + 218, kTileWidth = 79, kTileHeight = 68;
// The game's seconds and clock read-outs in the same client area.
constexpr int kSecondsLeft = 5 + 8, kClockLeft = 5 + 119, kReadoutTop = 298 + 13;
// The game's client area in its short form, below the menu bar.
constexpr int kClientWidth = 420, kClientHeight = 335;

// Runs a benchmark's body; an error it throws is printed and gives 1.
int Run(const char* name, const std::function<int()>& body);

// Seconds on the monotonic clock.
double Now();
double Median(std::vector<double> values);
// "game 12.3 ms   bare 11.0 ms   ratio 1.12"
void PrintRow(const char* what, double game, double bare, const char* unit, const char* baseline = "bare");
// The same for runs taken in pairs, one of each back to back: the medians,
// and the median of the pairs' ratios, which a machine slowing down or
// speeding up over the runs weighs on less than the ratio of the medians.
void PrintPairedRow(const char* what, const std::vector<double>& game, const std::vector<double>& bare,
                    const char* unit);

struct Program {
    const char* name;               // "game" or "bare"
    std::vector<std::string> argv;  // argv[0] is the path
};
// The built game, and the bare window of the main window's shape at (x, y),
// with what its options add (see BareWindow.cpp).
Program Game();
Program Bare(int x, int y, const std::vector<std::string>& options = {});

struct Window {
    xcb_window_t id = 0;
    int x = 0, y = 0, width = 0, height = 0;
};

class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    xcb_connection_t* X() const { return FX; }

    // Starts a program in the assets folder; returns its pid.
    pid_t Start(const Program& program);
    // Waits (up to `timeout` s) for the next top-level window to map, and
    // returns it, with the time it mapped at; id 0 on timeout.
    Window WaitForMap(double timeout, double* mappedAt = nullptr);
    // Ends a program this desktop started and reaps it.
    void Stop(pid_t pid);

    // The pixels of a screen rectangle, for spotting a repaint.
    std::vector<std::uint8_t> Grab(int x, int y, int width, int height);
    void Press(int x, int y);
    void Release(int x, int y);

private:
    pid_t Spawn(const std::vector<std::string>& argv, int keepFd = -1);

    std::string FDir;
    pid_t FXvfb = 0;
    pid_t FBus = 0;
    std::vector<pid_t> FChildren;
    xcb_connection_t* FX = nullptr;
    xcb_window_t FRoot = 0;
};

// Figures of a running process from /proc.
struct Usage {
    double cpuSeconds = 0;       // on-CPU time of all its threads
    std::uint64_t wakeups = 0;   // voluntary and involuntary switches
};
Usage ReadUsage(pid_t pid);
// Resident set size in MiB.
double ReadRssMiB(pid_t pid);

} // namespace bench
