"""Letter keys read by the key pressed, on the layouts players keep first:
the Alt-typed code shows the solve controls, Alt+O opens the menu and O
answers the question. Keys go in by keycode through the X test extension,
as fingers press them: xdotool would remap a keycode for a letter the
layout lacks and so hide the fault.

    test_layouts.py LAYOUTS...   e.g. ru,us gr,us (one game each)"""
import sys

import quindle_e2e as e2e

# Keycodes of the keys by their place on a US keyboard.
PLACE = {"alt": 64, "escape": 9, "f2": 68, "s": 39, "w": 25, "i": 31, "h": 43, "o": 32}
# Where a Latin layout moves a letter, the player presses it where it is.
MOVED = {"fr": {"w": 52}}


class Keyboard:
    def __init__(self, desk):
        from Xlib import X, display
        from Xlib.ext import xtest
        self.X, self.xtest = X, xtest
        self.d = display.Display(desk.display)
        self.places = PLACE

    def _send(self, kind, name):
        self.xtest.fake_input(self.d, kind, self.places[name])
        self.d.sync()

    def down(self, name):
        self._send(self.X.KeyPress, name)

    def up(self, name):
        self._send(self.X.KeyRelease, name)

    def tap(self, to, *names, alt=False):
        e2e.ready(to)
        if alt:
            self.down("alt")
        for name in names:
            self.down(name)
            self.up(name)
        if alt:
            self.up("alt")


def play(desk, keys, layout):
    desk.run(["setxkbmap", "-layout", layout])
    keys.places = {**PLACE, **MOVED.get(layout, {})}
    game = desk.launch()
    main = game.active("Quindle", 30)
    with e2e.step(desk, f"{layout}: Alt held on S, W, I, S, H shows the selector and Resolver"):
        assert not game.find(main, "push button", "Resolver")
        keys.tap(main, "s", "w", "i", "s", "h", alt=True)
        e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 10, "Resolver")
        assert game.find(main, "spin button"), "the selector"
    with e2e.step(desk, f"{layout}: Alt+O opens the Options menu"):
        keys.tap(main, "o", alt=True)
        e2e.wait_until(lambda: game.find(game.app(), "menu item", "Credits"), 10, "the Options menu")
        keys.tap(main, "escape")
        keys.tap(main, "escape")
        e2e.wait_until(lambda: not game.find(game.app(), "menu item", "Credits"), 10, "the menu to close")
    with e2e.step(desk, f"{layout}: F2 asks and the O key answers OK"):
        keys.tap(main, "f2")
        hey = game.active("Hey!")
        keys.tap(hey, "o")
        e2e.wait_until(lambda: game.captions()[0], 10, "the deal")
    game.proc.terminate()
    game.wait_exit(10)


def main():
    with e2e.Desktop("x11") as desk:
        keys = Keyboard(desk)
        for layout in sys.argv[1:]:
            play(desk, keys, layout)


if __name__ == "__main__":
    main()
