"""Thousands of random clicks and keys on the game, which is built with
AddressSanitizer and UndefinedBehaviorSanitizer for this test.

    test_monkey.py [EVENTS [SEED]]

Between bursts it checks that the game is alive and sane: the board is
blank or a permutation of the blank and 1..15, the clock and the move
counter are whole numbers, not negative. The player may end
the game (Exit, the close box); it is started again. Any other end, a
sanitizer report included, fails the test.
"""
import random
import sys
import time

import quindle_e2e as e2e
from soundserver import SoundServer

BURST = 40
TITLE_BAR = 30
KEYS = ["Return", "Escape", "space", "Tab", "Up", "Down", "Left", "Right", "Delete", "BackSpace",
        "Home", "End", "a", "o", "s", "w", "i", "h", "x", "1", "0", "9", "F1", "F10",
        "alt+o", "alt+g", "alt+s", "alt+x", "shift+Tab", "ctrl+a"]


def reported(output):
    return "Sanitizer" in output or "runtime error:" in output


class Monkey:
    def __init__(self, desk, sound, rng):
        self.desk, self.sound, self.rng = desk, sound, rng
        self.game = None
        self.starts = 0
        self.events = 0
        self.checks = 0

    def start(self):
        self.game = self.desk.launch(env=self.sound.env())
        self.game.window("Quindle", 60)
        self.starts += 1

    def ended(self):
        code = self.game.exit_code()
        if code is None:
            return False
        out = self.game.output()
        assert code == 0 and not reported(out), \
            f"the game ended with status {code} after {self.events} events:\n{out[-6000:]}"
        return True

    def finish(self):
        """Ends the game the player's way, so the leak check runs at exit."""
        for _ in range(30):
            if self.ended():
                return
            try:
                wins = {e2e.name(w): w for w in self.game.windows()}
                if list(wins) == ["Quindle"]:
                    e2e.click(self.desk, self.game.find(wins["Quindle"], "push button", "Exit"))
                    hey = self.game.window("Hey!", 10)
                    e2e.click(self.desk, self.game.find(hey, "push button", "OK"))
                    self.game.wait_exit(60)
                    continue
                for title, w in wins.items():
                    if title == "Quindle":
                        continue
                    ok = self.game.find_all(w, "push button", "OK") or \
                        self.game.find_all(w, "push button", "CANCEL")
                    if ok:
                        e2e.click(self.desk, ok[0])
                    else:
                        self.desk.run(["xdotool", "key", "Escape"], check=False)
            except Exception as e:  # windows come and go while we look
                print(f"   finishing: {e!r}", flush=True)
                self.desk.run(["xdotool", "key", "Escape"], check=False)
            time.sleep(0.2)
        raise AssertionError(f"could not end the game; windows: {[e2e.name(w) for w in self.game.windows()]}")

    def targets(self):
        """Places worth clicking: the game's buttons and points in its windows."""
        buttons, rects = [], []
        for w in self.game.windows():
            # Below the title bar: its buttons would only hide the window.
            x, y, w_, h = e2e.extents(w)
            rects.append((x, y + TITLE_BAR, w_, h - TITLE_BAR))
            for b in self.game.find_all(w, "push button"):
                buttons.append(e2e.extents(b))
        return buttons, rects

    def burst(self):
        try:
            buttons, rects = self.targets()
        except Exception:
            buttons, rects = [], []  # the game is changing windows; try again
        cmd = ["xdotool"]
        for _ in range(BURST):
            r = self.rng.random()
            if (buttons or rects) and r < 0.6:
                x, y, w, h = self.rng.choice(buttons if buttons and r < 0.4 else rects or buttons)
                if w <= 0 or h <= 0:
                    continue
                px, py = x + self.rng.randrange(w), y + self.rng.randrange(h)
                button = "3" if self.rng.random() < 0.05 else "1"
                cmd += ["mousemove", str(px), str(py), "click", button]
            elif r < 0.65:
                cmd += ["keydown", "alt", "key", "s", "w", "i", "s", "h", "keyup", "alt"]
            else:
                cmd += ["key", self.rng.choice(KEYS)]
            self.events += 1
        self.desk.run(cmd, check=False, timeout=60)

    def check(self):
        """The invariants; the game may be between windows, so retry a little."""
        def sane():
            # Keys can still reach the window manager; bring a hidden window back.
            self.desk.run(["xdotool", "search", "--name", "^Quindle$", "windowactivate"], check=False)
            main = self.game.window("Quindle", 5)
            caps = self.game.captions()
            labels = [e2e.name(l) for l in self.game.find_all(main, "label", only_showing=False)]
            return caps, labels
        # The player may have ended the game (Exit, the close box) since the burst.
        state = e2e.wait_until(lambda: self.ended() or sane(), 30, "the main window's state")
        if state is True:
            return
        caps, labels = state
        tiles = sorted(caps)
        assert tiles == [""] * 16 or tiles == sorted([""] + [str(n) for n in range(1, 16)]), caps
        seconds = [t for t in labels if t.startswith("Secons :")]
        moves = [t for t in labels if t.startswith("Moves :")]
        # The moves label stays empty until the first move.
        assert len(seconds) == 1 and len(moves) <= 1, labels
        counts = [int(seconds[0][len("Secons :"):])] + [int(t[len("Moves :"):]) for t in moves]
        assert min(counts) >= 0, counts
        self.checks += 1


def main():
    events = int(sys.argv[1]) if len(sys.argv) > 1 else 3000
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else int(time.time())
    print(f"monkey: {events} events, seed {seed}", flush=True)
    rng = random.Random(seed)
    began = time.monotonic()
    with e2e.Desktop("x11") as desk:
        sound = SoundServer(desk)
        monkey = Monkey(desk, sound, rng)
        with e2e.step(desk, "random input"):
            monkey.start()
            while monkey.events < events:
                if monkey.ended():
                    monkey.start()
                monkey.burst()
                if not monkey.ended():
                    monkey.check()
        with e2e.step(desk, "the game closes cleanly and leaks nothing"):
            monkey.finish()
        print(f"monkey: {monkey.events} events, {monkey.checks} checks, {monkey.starts} game starts, "
              f"{time.monotonic() - began:.0f} s, no crash", flush=True)


if __name__ == "__main__":
    main()
