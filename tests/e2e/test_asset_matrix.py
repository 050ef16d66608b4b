"""Damaged and unusual cue and clip files in the game's folder, one kind of
damage per run (the argument, a key of damage.KINDS).

Two games are played on one X11 desktop with a private sound server:
  A: "left.wav", "applause.wav" and the clip damaged,
  B: "uhoh.wav" and "ok.wav" damaged (the clip is good).
Each game is dealt, plays every cue at a moment of its own, reaches the
winner dialog through the solve mode, takes a click there and ends with
status 0. At each cue's moment either the cue or the desktop's alert must
sound (the alert where the file cannot be a sound at all), and a good cue
later in the game must sound too. A damaged clip must give the error box
"Cannot open AVI.". While the winner dialog is up the clock keeps ticking.
"""
import os
import sys

import damage
import quindle_e2e as e2e
from soundserver import SoundServer

ALERT = "bell"
# Files of these kinds can never be played; the rest may hold a playable part.
UNPLAYABLE = {"missing", "empty", "garbage", "directory", "pipe", "header"}
CLIP_FOR_CUE_KIND = {"stereo-cut": "huge-frames"}
WAIT = 30


class Run:
    def __init__(self, desk, sound, kind, damaged, clip_kind):
        self.desk, self.sound, self.kind = desk, sound, kind
        self.damaged = damaged
        self.clip_kind = clip_kind
        assets = os.environ["QUINDLE_ASSETS"]
        self.first = sound.mark()
        self.game = desk.launch(env=sound.env())
        for f in damaged + ([damage.CLIP] if clip_kind else []):
            with open(os.path.join(assets, f), "rb") as src:
                good = src.read()
            damage.KINDS[clip_kind if f == damage.CLIP else kind](os.path.join(self.game.cwd, f), good)

    def accepted(self, cue):
        path = os.path.join(self.game.cwd, cue)
        if cue not in self.damaged:
            return {path}
        return {ALERT} if self.kind in UNPLAYABLE else {ALERT, path}

    def expect_cue(self, cue, act, what):
        """Does act() and waits for cue's sound (or the alert in its stead)."""
        mark = self.sound.mark()
        act()
        ok = self.accepted(cue)
        names = self.sound.wait_for(lambda n: ok & set(n), mark, WAIT, f"{cue} ({what})")
        self.check_alive()
        return names

    def check_alive(self):
        code = self.game.exit_code()
        assert code is None, f"the game ended with status {code}:\n{self.game.output()[-3000:]}"

    def seconds(self, main):
        """The seconds read-out, or None before the clock's first tick writes it."""
        labels = [e2e.name(l) for l in self.game.find_all(main, "label")]
        shown = [t for t in labels if t.startswith("Secons :")]
        return int(shown[0][len("Secons :"):]) if shown else None

    def play(self):
        desk, game = self.desk, self.game
        tiles = lambda: game.tiles()
        with e2e.step(desk, "starts"):
            main = game.window("Quindle", 60)
        with e2e.step(desk, "Start: left.wav"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.window("Hey!", WAIT)
            self.expect_cue("left.wav", lambda: e2e.click(desk, game.find(hey, "push button", "OK")),
                            "the deal")
            e2e.wait_until(lambda: game.captions()[0], WAIT, "the deal")
        with e2e.step(desk, "the blank clicked: uhoh.wav"):
            self.expect_cue("uhoh.wav", lambda: e2e.click(desk, tiles()[15]), "a click on the blank")
        with e2e.step(desk, "a slide and back: ok.wav twice"):
            self.expect_cue("ok.wav", lambda: e2e.click(desk, tiles()[14]), "a slide")
            self.expect_cue("ok.wav", lambda: e2e.click(desk, tiles()[15]), "the slide back")
        with e2e.step(desk, "the solve mode wins: applause.wav and the winner dialog"):
            e2e.alt_code(desk, main, "swish")
            resolver = e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), WAIT,
                                      "the Resolver button")
            self.expect_cue("applause.wav", lambda: e2e.click(desk, resolver), "the win")
            good = game.window("Good", WAIT)
        if self.clip_kind:
            with e2e.step(desk, "the damaged clip gives the error box"):
                box = self.error_box(self.clip_kind != "sparse")
                if box:
                    e2e.click(desk, game.find(box, "push button", "OK"))
                    e2e.wait_until(lambda: not self.error_box(False), WAIT, "the error box to close")
        else:
            assert not self.error_box(False), "an error box over the good clip"
        with e2e.step(desk, "the clock ticks while the winner dialog is up"):
            first = e2e.wait_until(lambda: self.seconds(main), WAIT, "the seconds read-out")
            e2e.wait_until(lambda: self.seconds(main) > first, WAIT, "the clock to tick")
            assert game.window("Good") is not None
        with e2e.step(desk, "the winner dialog takes a click"):
            e2e.click(desk, game.find(good, "push button", "OK"))
            e2e.wait_until(lambda: not [w for w in game.windows() if e2e.name(w) == "Good"], WAIT,
                           "the winner dialog to close")
        with e2e.step(desk, "a later cue still sounds"):
            self.expect_cue("ok.wav", lambda: e2e.click(desk, tiles()[14]), "a slide after the win")
        with e2e.step(desk, "Exit ends the game with status 0"):
            e2e.click(desk, game.find(main, "push button", "Exit"))
            e2e.click(desk, game.find(game.window("Hey!", WAIT), "push button", "OK"))
            assert game.wait_exit(WAIT) == 0, game.output()[-3000:]
        names = [n if n == ALERT else os.path.basename(n) for n in self.sound.played()[self.first:]]
        print("   played:", " ".join(names), flush=True)

    def error_box(self, required):
        """The application's error box saying the clip cannot be opened."""
        def box():
            for w in self.game.windows():
                if e2e.name(w) == "Quindle..." and self.game.find_all(w, "label", "Cannot open AVI."):
                    return w
            return None
        if required:
            return e2e.wait_until(box, WAIT, 'the error box "Cannot open AVI."')
        return box()


def main():
    kind = sys.argv[1]
    assert kind in damage.KINDS, kind
    cue_kind = kind if kind in damage.CUE_KINDS else None
    clip_kind = kind if kind in damage.CLIP_KINDS else CLIP_FOR_CUE_KIND.get(kind)
    with e2e.Desktop("x11") as desk:
        sound = SoundServer(desk)
        if cue_kind:
            print(f"== game A: left.wav, applause.wav and cool.avi ({clip_kind}) damaged", flush=True)
            Run(desk, sound, cue_kind, ["left.wav", "applause.wav"], clip_kind).play()
            print("== game B: uhoh.wav and ok.wav damaged", flush=True)
            Run(desk, sound, cue_kind, ["uhoh.wav", "ok.wav"], None).play()
        else:
            print(f"== cool.avi damaged ({clip_kind})", flush=True)
            Run(desk, sound, kind, [], clip_kind).play()
        assert sound.alive(), "the sound server died"


if __name__ == "__main__":
    main()
