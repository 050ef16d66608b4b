"""The installed game, started from a folder without its files, reaches a win
with its applause, its animation and no error box: it finds its data
folder, its sound process and its clip module from where it is installed.

Usage: test_installed_game.py <build dir>
"""
import os
import subprocess
import sys
import tempfile

import quindle_e2e as e2e
from soundserver import SoundServer


def animation_moves(desk, window, shots):
    """True once two screenshots of the window differ (only the clip moves there)."""
    x, y, w, h = e2e.extents(window)
    pics = []
    for i in range(2):
        pic = e2e.Picture(desk.screenshot(os.path.join(shots, f"good-{i}.png")))
        pics.append([pic.data[3 * (row * pic.width + x):3 * (row * pic.width + x + w)]
                     for row in range(y, y + h)])
    return pics[0] != pics[1]


def main():
    build = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="quindle-installed-") as tmp:
        prefix = os.path.join(tmp, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        installed = os.path.join(prefix, "games", "quindle")
        with e2e.Desktop("x11") as desk:
            sound = SoundServer(desk)
            # No cues or clip in the folder it starts in.
            game = desk.launch(game=installed, cwd_files=[], env=sound.env())
            with e2e.step(desk, "the installed game starts and works in its data folder"):
                main = game.window("Quindle", 30)
                data = os.path.realpath(os.path.join(prefix, "share", "quindle"))
                assert os.path.realpath(f"/proc/{game.pid}/cwd") == data, os.readlink(f"/proc/{game.pid}/cwd")
            with e2e.step(desk, "Alt+SWISH, then Resolver, reaches the winner dialog with applause"):
                e2e.alt_code(desk, main, "swish")
                resolver = e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 5, "Resolver")
                mark = sound.mark()
                e2e.click(desk, resolver)
                applause = os.path.join(data, "applause.wav")
                sound.wait_for(lambda names: applause in names, mark, 20, applause)
                good = game.window("Good")
                e2e.wait_until(lambda: game.find(good, "label", "Vertical..."), 5, "the mode name")
            with e2e.step(desk, "the clip plays and no error box appears"):
                e2e.wait_until(lambda: animation_moves(desk, good, desk.tmp), 10, "the clip to move")
                titles = [e2e.name(w) for w in game.windows()]
                assert "Quindle..." not in titles, titles


if __name__ == "__main__":
    main()
