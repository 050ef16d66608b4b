"""A whole game from the keyboard alone on X11: F2, O, arrows, Alt+F4, O.

Also hears the change events a screen reader follows: tile names, the moves
label's text, the focus on the tile that slid, and none from the hidden
credits."""
import os

import quindle_e2e as e2e
from a11y_events import Listener


def moves(game, main):
    return next((e2e.name(l) for l in game.find_all(main, "label") if e2e.name(l).startswith("Moves :")), "")


def main():
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        main = game.active("Quindle", 30)
        events = Listener(["object:property-change:accessible-name", "object:text-changed:insert",
                           "object:value-changed", "object:state-changed:focused"])
        with e2e.step(desk, "no tile reads as the group box's title before the deal"):
            names = [e2e.name(t) for t in game.tiles()]
            assert names == ["blank"] * 16, names
            assert e2e.name(game.tiles()[5]) == "blank" and game.tiles()[5].description == "row 2, column 2"
        with e2e.step(desk, "F2 asks; Escape and Enter leave the question up; N cancels"):
            e2e.key(desk, main, "F2")
            hey = game.active("Hey!")
            e2e.key(desk, hey, "Escape")
            e2e.key(desk, hey, "Return")
            assert e2e.showing(hey)
            e2e.key(desk, hey, "n")
            e2e.wait_until(lambda: not e2e.showing(hey), 10, "the question to close")
            assert game.captions() == [""] * 16
        with e2e.step(desk, "F2 then O deals"):
            e2e.key(desk, main, "F2")
            e2e.key(desk, game.active("Hey!"), "o")
            board = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert board[15] == "", board
        with e2e.step(desk, "at the right edge Left slides nothing"):
            e2e.key(desk, main, "Left")
            e2e.key(desk, main, "Up")
            events.clear()
            e2e.key(desk, main, "Right")  # proves the two keys before it were handled
            slid = e2e.wait_until(lambda: (c := game.captions()) != board and c, 10, "the slide")
            assert slid[15] == board[14] and slid[14] == "", slid
        with e2e.step(desk, "the slide is announced: tile names and the moves label"):
            events.wait_for("object:property-change:accessible-name", "push button", board[14])
            events.wait_for("object:property-change:accessible-name", "push button", "blank")
            events.wait_for("object:text-changed:insert", "label", "Moves :1")
            # A screen reader is pointed at the tile that slid, so it reads it out.
            events.wait_for("object:state-changed:focused", "push button", board[14])
        with e2e.step(desk, "Down and Left slide around the blank"):
            e2e.key(desk, main, "Down")  # the tile above the blank at row 4 column 3
            b2 = e2e.wait_until(lambda: (c := game.captions()) != slid and c, 10, "the second slide")
            assert b2[14] == slid[10] and b2[10] == "", b2
            e2e.key(desk, main, "Left")  # the tile right of the blank at row 3 column 3
            b3 = e2e.wait_until(lambda: (c := game.captions()) != b2 and c, 10, "the third slide")
            assert b3[10] == b2[11] and b3[11] == "", b3
            e2e.wait_until(lambda: moves(game, main) == "Moves :3", 5, "Moves :3")
        with e2e.step(desk, "the credits open from the menu and Alt+F4 closes them"):
            menu = lambda: game.find(game.app(), "menu item", "Credits")
            e2e.key(desk, main, "alt+o")
            e2e.wait_until(menu, 10, "the Options menu")
            e2e.key(desk, menu(), "c")
            credits = game.active("Credits")
            e2e.key(desk, credits, "alt+F4")
            e2e.wait_until(lambda: not e2e.showing(credits), 10, "the credits to close")
        with e2e.step(desk, "the hidden credits keep scrolling without a word"):
            events.clear()
            came = events.during(1.5)
            assert not [e for e in came if e[0] == "object:value-changed"], came
        with e2e.step(desk, "Alt+F4 asks and O ends the program"):
            e2e.ready(main)
            desk.screenshot(os.path.join(e2e.artifacts(desk), "keyboard.png"))
            e2e.key(desk, main, "alt+F4")
            e2e.key(desk, game.active("Hey!"), "o")
            assert game.wait_exit(15) == 0
        events.close()


if __name__ == "__main__":
    main()
