// Idle cost: the game and the bare window side by side on a private X
// server, nothing touched; CPU use and wake-ups per second of each.
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
        const pid_t bare = desktop.Start(bench::Bare(g.x + g.width + 20, g.y));
        if (!g.id || !desktop.WaitForMap(30).id) {
            std::fprintf(stderr, "bench_idle: a window did not map\n");
            return 1;
        }
        sleep(2);  // past start-up
        const bench::Usage g0 = bench::ReadUsage(game), b0 = bench::ReadUsage(bare);
        const double t0 = bench::Now();
        sleep(seconds);
        const bench::Usage g1 = bench::ReadUsage(game), b1 = bench::ReadUsage(bare);
        const double span = bench::Now() - t0;
        std::printf("side by side for %.1f s\n", span);
        bench::PrintRow("idle CPU", 100 * (g1.cpuSeconds - g0.cpuSeconds) / span,
                        100 * (b1.cpuSeconds - b0.cpuSeconds) / span, "%");
        bench::PrintRow("wake-ups", double(g1.wakeups - g0.wakeups) / span, double(b1.wakeups - b0.wakeups) / span,
                        "/s");
        return 0;
    });
}
