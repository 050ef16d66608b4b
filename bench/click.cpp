// From a click on a tile to the tile repainted on screen: the game's tile 15
// and the bare window's push button side by side on a private X server,
// clicked in turn through the X test extension. The press shows the pressed
// look; the release runs the click handler and shows the result.
// Usage: bench_click [clicks]   (default 15 on each)
#include "Desktop.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
// Seconds until the rectangle no longer shows `before`; negative on timeout.
double UntilChanged(bench::Desktop& desktop, int x, int y, const std::vector<std::uint8_t>& before, double start)
{
    while (bench::Now() - start < 5) {
        if (desktop.Grab(x, y, bench::kTileWidth, bench::kTileHeight) != before)
            return bench::Now() - start;
        usleep(100);
    }
    return -1;
}
}

int main(int argc, char* argv[])
{
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    return bench::Run("bench_click", [&] {
        bench::Desktop desktop;
        desktop.Start(bench::Game());
        const bench::Window g = desktop.WaitForMap(30);
        desktop.Start(bench::Bare(g.x + g.width + 20, g.y, {"--tile"}));
        const bench::Window b = desktop.WaitForMap(30);
        if (!g.id || !b.id) {
            std::fprintf(stderr, "bench_click: a window did not map\n");
            return 1;
        }
        sleep(1);
        // The tile's top left on screen, for each window.
        const int left[2] = {g.x + bench::kTileLeft, b.x + bench::kTileLeft};
        const int top[2] = {g.y + (g.height - bench::kClientHeight) + bench::kTileTop,
                             b.y + (b.height - bench::kClientHeight) + bench::kTileTop};
        std::vector<double> press[2], release[2];
        for (int i = 0; i < clicks; ++i) {
            for (int k = 0; k < 2; ++k) {
                const int which = (i + k) % 2;
                const int x = left[which], y = top[which];
                const int cx = x + bench::kTileWidth / 2, cy = y + bench::kTileHeight / 2;
                const auto before = desktop.Grab(x, y, bench::kTileWidth, bench::kTileHeight);
                double start = bench::Now();
                desktop.Press(cx, cy);
                const double pressed = UntilChanged(desktop, x, y, before, start);
                const auto down = desktop.Grab(x, y, bench::kTileWidth, bench::kTileHeight);
                start = bench::Now();
                desktop.Release(cx, cy);
                const double released = UntilChanged(desktop, x, y, down, start);
                if (pressed < 0 || released < 0) {
                    std::fprintf(stderr, "bench_click: the %s tile did not repaint\n", which ? "bare" : "game");
                    return 1;
                }
                press[which].push_back(pressed * 1000);
                release[which].push_back(released * 1000);
                usleep(700 * 1000);  // apart by more than a double click
            }
        }
        std::printf("%d clicks each, alternating, medians\n", clicks);
        bench::PrintRow("press to pressed tile", bench::Median(press[0]), bench::Median(press[1]), "ms");
        bench::PrintRow("release to repainted tile", bench::Median(release[0]), bench::Median(release[1]), "ms");
        return 0;
    });
}
