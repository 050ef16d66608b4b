"""The Orca screen reader on the private desktop: it speaks the tile that
slides and the arrangement named by the winner dialog. Its debug log records
what it speaks, with or without a speech server. Skipped without Orca."""
import os
import re
import shutil
import sys

import quindle_e2e as e2e


def main():
    if not shutil.which("orca"):
        print("orca is not installed")
        sys.exit(e2e.SKIP)
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        main = game.window("Quindle", 30)
        log = os.path.join(desk.tmp, "orca.log")
        prefs = os.path.join(desk.tmp, "orca-prefs")
        os.makedirs(prefs)
        desk.start(["orca", "--replace", "-u", prefs, "--debug-file", log])

        def spoken():
            if not os.path.exists(log):
                return []
            with open(log, errors="replace") as f:
                return re.findall(r"SPEECH OUTPUT: '([^']*)'", f.read())

        def hears(pattern, what):
            return e2e.wait_until(lambda: [s for s in spoken() if re.search(pattern, s)], 60, what)

        with e2e.step(desk, "Orca comes up and reads the game's window"):
            hears(r"^Quindle frame", "Orca reading the main window")
        with e2e.step(desk, "F2, O deals"):
            e2e.key(desk, main, "F2")
            e2e.key(desk, game.active("Hey!"), "o")
            board = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
        with e2e.step(desk, "Right slides a tile and Orca says which, and where"):
            e2e.key(desk, main, "Right")
            hears(rf"^{board[14]} push button", f"Orca saying {board[14]}")
            hears(r"^row 4, column 4", "Orca saying where the tile is")
        with e2e.step(desk, "Down slides another"):
            e2e.key(desk, main, "Down")
            hears(rf"^{board[10]} push button", f"Orca saying {board[10]}")
        with e2e.step(desk, "a win by Resolver: Orca reads the winner's texts and the mode"):
            # The last move came from row 3, column 3, away from arrangement 1's blank.
            e2e.alt_code(desk, main, "swish")
            e2e.press(e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 10, "Resolver"))
            good = game.active("Good")
            hears(r"^Good dialog Very good", "Orca reading the winner dialog")
            hears(r"^Vertical\.\.\. label", "Orca reading the mode name")
            e2e.key(desk, good, "alt+F4")
            e2e.wait_until(lambda: not e2e.showing(good), 10, "the winner dialog to close")
        with e2e.step(desk, "Alt+F4, O ends the game"):
            e2e.key(desk, main, "alt+F4")
            e2e.key(desk, game.active("Hey!"), "o")
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
