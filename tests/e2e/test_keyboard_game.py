"""A whole game from the keyboard alone on X11: F2, O, arrows, Alt+F4, O.

Also hears the change events a screen reader follows: tile names, the moves
label's text, the focus on the tile that slid, and none from the hidden
credits."""
import os

import quindle_e2e as e2e
from a11y_events import Listener


def active(game, title):
    w = game.window(title)
    e2e.wait_until(lambda: "active" in e2e.states(w), 10, f"{title!r} active")
    return w


def moves(game, main):
    return next((e2e.name(l) for l in game.find_all(main, "label") if e2e.name(l).startswith("Moves :")), "")


def main():
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        main = game.window("Quindle", 30)
        active(game, "Quindle")
        events = Listener(["object:property-change:accessible-name", "object:text-changed:insert",
                           "object:value-changed", "object:state-changed:focused"])
        with e2e.step(desk, "no tile reads as the group box's title before the deal"):
            names = [e2e.name(t) for t in game.tiles()]
            assert names == ["blank"] * 16, names
            assert e2e.name(game.tiles()[5]) == "blank" and game.tiles()[5].description == "row 2, column 2"
        with e2e.step(desk, "F2 asks; Escape and Enter leave the question up; N cancels"):
            e2e.key(desk, "F2")
            hey = active(game, "Hey!")
            e2e.key(desk, "Escape")
            e2e.key(desk, "Return")
            assert e2e.showing(hey)
            e2e.key(desk, "n")
            e2e.wait_until(lambda: not e2e.showing(hey), 10, "the question to close")
            assert game.captions() == [""] * 16
        with e2e.step(desk, "F2 then O deals"):
            active(game, "Quindle")
            e2e.key(desk, "F2")
            active(game, "Hey!")
            e2e.key(desk, "o")
            board = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert board[15] == "", board
        with e2e.step(desk, "at the right edge Left slides nothing"):
            active(game, "Quindle")
            e2e.key(desk, "Left")
            e2e.key(desk, "Up")
            events.clear()
            e2e.key(desk, "Right")  # proves the two keys before it were handled
            slid = e2e.wait_until(lambda: (c := game.captions()) != board and c, 10, "the slide")
            assert slid[15] == board[14] and slid[14] == "", slid
        with e2e.step(desk, "the slide is announced: tile names and the moves label"):
            events.wait_for("object:property-change:accessible-name", "push button", board[14])
            events.wait_for("object:property-change:accessible-name", "push button", "blank")
            events.wait_for("object:text-changed:insert", "label", "Moves :1")
            # A screen reader is pointed at the tile that slid, so it reads it out.
            events.wait_for("object:state-changed:focused", "push button", board[14])
        with e2e.step(desk, "Down and Left slide around the blank"):
            e2e.key(desk, "Down")  # the tile above the blank at row 4 column 3
            b2 = e2e.wait_until(lambda: (c := game.captions()) != slid and c, 10, "the second slide")
            assert b2[14] == slid[10] and b2[10] == "", b2
            e2e.key(desk, "Left")  # the tile right of the blank at row 3 column 3
            b3 = e2e.wait_until(lambda: (c := game.captions()) != b2 and c, 10, "the third slide")
            assert b3[10] == b2[11] and b3[11] == "", b3
            e2e.wait_until(lambda: moves(game, main) == "Moves :3", 5, "Moves :3")
        with e2e.step(desk, "the credits open from the menu and Alt+F4 closes them"):
            # Under heavy load the X server now and then delivers the Alt+O
            # chord so that the menu bar misses it; a second chord must work.
            menu = lambda: game.find(game.app(), "menu item", "Credits")
            e2e.key(desk, "alt+o")
            try:
                e2e.wait_until(menu, 5, "the Options menu")
            except e2e.E2EFailure:
                e2e.key(desk, "alt+o")
                e2e.wait_until(menu, 10, "the Options menu, at the second Alt+O")
            e2e.key(desk, "c")
            credits = active(game, "Credits")
            e2e.key(desk, "alt+F4")
            e2e.wait_until(lambda: not e2e.showing(credits), 10, "the credits to close")
        with e2e.step(desk, "the hidden credits keep scrolling without a word"):
            events.clear()
            came = events.during(1.5)
            assert not [e for e in came if e[0] == "object:value-changed"], came
        with e2e.step(desk, "Alt+F4 asks and O ends the program"):
            active(game, "Quindle")
            shots = os.environ.get("QUINDLE_E2E_ARTIFACTS", desk.tmp)
            os.makedirs(shots, exist_ok=True)
            desk.screenshot(os.path.join(shots, "keyboard.png"))
            e2e.key(desk, "alt+F4")
            active(game, "Hey!")
            e2e.key(desk, "o")
            assert game.wait_exit(15) == 0
        events.close()


if __name__ == "__main__":
    main()
