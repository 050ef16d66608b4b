// Start-up to the mapped window, and the resident memory once started, of
// the game and of the bare window, started in turn on a private X server.
// Usage: bench_startup [runs]   (default 7 of each; medians). With
// BENCH_VERBOSE set, the programs' own output and the times of start and map.
#include "Desktop.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    return bench::Run("bench_startup", [&] {
        bench::Desktop desktop;
        std::vector<double> startup[2], cpu[2], rss[2];
        bench::Window shape[2];
        // One unmeasured run of each first warms the file cache for both.
        for (int i = -1; i < runs; ++i) {
            for (int k = 0; k < 2; ++k) {
                const int which = (i + k + 2) % 2;  // alternate who goes first
                const bench::Program program = which == 0 ? bench::Game() : bench::Bare(270, 129);
                const double start = bench::Now();
                const pid_t pid = desktop.Start(program);
                double mapped = 0;
                shape[which] = desktop.WaitForMap(30, &mapped);
                const double cpuAtMap = bench::ReadUsage(pid).cpuSeconds;
                if (!shape[which].id) {
                    std::fprintf(stderr, "%s: no window mapped\n", program.name);
                    return 1;
                }
                usleep(500 * 1000);  // let it finish its first paint
                if (std::getenv("BENCH_VERBOSE"))
                    std::fprintf(stderr, "%10.3f start %s\n%10.3f mapped\n", start * 1000, program.name, mapped * 1000);
                if (i >= 0) {
                    startup[which].push_back((mapped - start) * 1000);
                    cpu[which].push_back(cpuAtMap * 1000);
                    rss[which].push_back(bench::ReadRssMiB(pid));
                }
                desktop.Stop(pid);
            }
        }
        std::printf("%d runs each, alternating; windows %dx%d and %dx%d\n", runs, shape[0].width, shape[0].height,
                    shape[1].width, shape[1].height);
        bench::PrintPairedRow("start-up to mapped window", startup[0], startup[1], "ms");
        // Less at the mercy of other load on the machine than the wall clock.
        bench::PrintPairedRow("CPU time to mapped window", cpu[0], cpu[1], "ms");
        bench::PrintPairedRow("RSS after start-up", rss[0], rss[1], "MiB");
        return 0;
    });
}
