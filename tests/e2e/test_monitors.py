"""Windows open where the player can see them on a screen cut into two
monitors: the main window at 270,129 of the primary, wholly on it, and the
question centred on it.

    test_monitors.py side   2048x768: left +0+0, primary right +1024+0
    test_monitors.py ell    2048x1536: primary bottom +0+768, top +1024+0
    test_monitors.py small  1664x768: primary 640x480 +0+0, big +640+0"""
import os
import sys

import quindle_e2e as e2e

# Screen size, then (name, x, y, width, height, primary) of the monitors.
# The primary takes the screen's one output, so the server adds no monitor
# of its own, and the other can go as if unplugged.
ARRANGEMENTS = {
    "side": ((2048, 768), [("left", 0, 0, 1024, 768, False), ("right", 1024, 0, 1024, 768, True)]),
    "ell": ((2048, 1536), [("bottom", 0, 768, 1024, 768, True), ("top", 1024, 0, 1024, 768, False)]),
    "small": ((1664, 768), [("small", 0, 0, 640, 480, True), ("big", 640, 0, 1024, 768, False)]),
}


def cut(desk, monitors):
    for name, x, y, w, h, primary in monitors:
        desk.run(["xrandr", "--setmonitor", ("*" if primary else "") + name,
                  f"{w}/{w * 254 // 960}x{h}/{h * 254 // 960}+{x}+{y}", "screen" if primary else "none"])
    listed = desk.run(["xrandr", "--listactivemonitors"]).stdout
    assert listed.splitlines()[0] == f"Monitors: {len(monitors)}", listed


def frame_of(desk, title):
    return e2e.x11_titled_frame(desk, title)[1]


def main():
    screen, monitors = ARRANGEMENTS[sys.argv[1]]
    with e2e.Desktop("x11", size=screen) as desk:
        cut(desk, monitors)
        _, px, py, pw, ph, _ = next(m for m in monitors if m[5])
        game = desk.launch()
        main = game.active("Quindle", 30)
        with e2e.step(desk, "the main window stands at 270,129 of the primary, or as near as lies wholly on it"):
            # Where the frame does not fit, it moves once the window manager
            # has framed it.
            wid, _ = e2e.x11_titled_frame(desk, "Quindle")
            wanted = lambda f: (px + min(270, pw - f[2]), py + min(129, ph - f[3]))
            e2e.wait_until(lambda: (f := e2e.x11_frame(desk, wid))[:2] == wanted(f), 10,
                           "the main window wholly on the primary")
        with e2e.step(desk, "Start asks in a dialog centred on the primary"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            x, y, w, h = frame_of(desk, "Hey!")
            assert (x, y) == (px + (pw - w) // 2, py + (ph - h) // 2), (x, y, w, h)
            desk.screenshot(os.path.join(e2e.artifacts(desk), f"monitors-{sys.argv[1]}.png"))
            e2e.click(desk, game.find(hey, "push button", "CANCEL"))
        other = next(m for m in monitors if not m[5])
        with e2e.step(desk, "moved onto the other monitor, the question opens there again"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            wid, _ = e2e.x11_titled_frame(desk, "Hey!")
            desk.run(["xdotool", "windowmove", str(wid), str(other[1] + 100), str(other[2] + 100)])
            e2e.wait_until(lambda: frame_of(desk, "Hey!")[:2] == (other[1] + 100, other[2] + 100), 10,
                           "the question on the other monitor")
            e2e.click(desk, game.find(hey, "push button", "CANCEL"))
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            assert frame_of(desk, "Hey!")[:2] == (other[1] + 100, other[2] + 100)
            e2e.click(desk, game.find(hey, "push button", "CANCEL"))
        with e2e.step(desk, "that monitor unplugged, the question opens centred on the primary"):
            desk.run(["xrandr", "--delmonitor", other[0]])
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            x, y, w, h = frame_of(desk, "Hey!")
            assert (x, y) == (px + (pw - w) // 2, py + (ph - h) // 2), (x, y, w, h)
            e2e.click(desk, game.find(hey, "push button", "CANCEL"))
        game.proc.terminate()
        game.wait_exit(10)


if __name__ == "__main__":
    main()
