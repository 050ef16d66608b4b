// Idle cost: the game and the bare window side by side on a private X
// server, nothing touched; CPU use and wake-ups per second of each. A third
// window, the bare one with a one-second clock in two labels, costs what the
// game's own clock cannot avoid.
// Usage: bench_idle [seconds]   (default 30)
#include "Desktop.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    return bench::Run("bench_idle", [&] {
        bench::Desktop desktop;
        const pid_t game = desktop.Start(bench::Game());
        const bench::Window g = desktop.WaitForMap(30);
        const int step = g.width + 20;
        const pid_t bare = desktop.Start(bench::Bare(g.x + step, g.y));
        const bench::Window b = desktop.WaitForMap(30);
        const pid_t clock = desktop.Start(bench::Bare(g.x + 2 * step, g.y, {"--clock"}));
        if (!g.id || !b.id || !desktop.WaitForMap(30).id) {
            std::fprintf(stderr, "bench_idle: a window did not map\n");
            return 1;
        }
        sleep(2);  // past start-up
        const bench::Usage g0 = bench::ReadUsage(game), b0 = bench::ReadUsage(bare), c0 = bench::ReadUsage(clock);
        const double t0 = bench::Now();
        sleep(seconds);
        const bench::Usage g1 = bench::ReadUsage(game), b1 = bench::ReadUsage(bare), c1 = bench::ReadUsage(clock);
        const double span = bench::Now() - t0;
        auto cpu = [&](const bench::Usage& from, const bench::Usage& to) {
            return 100 * (to.cpuSeconds - from.cpuSeconds) / span;
        };
        auto wakeups = [&](const bench::Usage& from, const bench::Usage& to) {
            return double(to.wakeups - from.wakeups) / span;
        };
        std::printf("side by side for %.1f s\n", span);
        bench::PrintRow("idle CPU", cpu(g0, g1), cpu(b0, b1), "%");
        bench::PrintRow("wake-ups", wakeups(g0, g1), wakeups(b0, b1), "/s");
        bench::PrintRow("idle CPU", cpu(g0, g1), cpu(c0, c1), "%", "bare+clock");
        bench::PrintRow("wake-ups", wakeups(g0, g1), wakeups(c0, c1), "/s", "bare+clock");
        return 0;
    });
}
