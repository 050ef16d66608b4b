"""Windows open where the player can see them on a screen cut into two
monitors: the main window at 270,129 of the primary, wholly on it, and the
question centred on it.

    test_monitors.py side   2048x768: left +0+0, primary right +1024+0
    test_monitors.py ell    2048x1536: primary bottom +0+768, top +1024+0"""
import os
import sys

import quindle_e2e as e2e

# Screen size, then (name, x, y, primary) of 1024x768 monitors. The first
# takes the screen's one output, so the server adds no monitor of its own.
ARRANGEMENTS = {
    "side": ((2048, 768), [("left", 0, 0, False), ("right", 1024, 0, True)]),
    "ell": ((2048, 1536), [("bottom", 0, 768, True), ("top", 1024, 0, False)]),
}
MONITOR = (1024, 768)


def cut(desk, monitors):
    for i, (name, x, y, primary) in enumerate(monitors):
        desk.run(["xrandr", "--setmonitor", ("*" if primary else "") + name,
                  f"{MONITOR[0]}/270x{MONITOR[1]}/203+{x}+{y}", "screen" if i == 0 else "none"])
    listed = desk.run(["xrandr", "--listactivemonitors"]).stdout
    assert listed.splitlines()[0] == f"Monitors: {len(monitors)}", listed


def frame_of(desk, title):
    wids = e2e.wait_until(lambda: e2e.x11_window_ids(desk, title), 10, f"the X window {title!r}")
    return e2e.x11_frame(desk, wids[0])


def main():
    screen, monitors = ARRANGEMENTS[sys.argv[1]]
    with e2e.Desktop("x11", size=screen) as desk:
        cut(desk, monitors)
        _, px, py, _ = next(m for m in monitors if m[3])
        game = desk.launch()
        main = game.active("Quindle", 30)
        with e2e.step(desk, "the main window stands at 270,129 of the primary, wholly on it"):
            x, y, w, h = frame_of(desk, "Quindle")
            assert (x, y) == (px + 270, py + 129), (x, y)
            assert x + w <= px + MONITOR[0] and y + h <= py + MONITOR[1], (x, y, w, h)
        with e2e.step(desk, "Start asks in a dialog centred on the primary"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            x, y, w, h = frame_of(desk, "Hey!")
            assert (x, y) == (px + (MONITOR[0] - w) // 2, py + (MONITOR[1] - h) // 2), (x, y, w, h)
            desk.screenshot(os.path.join(e2e.artifacts(desk), f"monitors-{sys.argv[1]}.png"))
            e2e.click(desk, game.find(hey, "push button", "CANCEL"))
        game.proc.terminate()
        game.wait_exit(10)


if __name__ == "__main__":
    main()
