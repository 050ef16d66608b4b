"""The game on Weston: it starts, plays a move through accessibility actions,
and its title bars carry a close box only, so none can maximise it away."""
import re

import quindle_e2e as e2e
from title_bars import close_box_only, title_bars


def parent_of(log, title):
    """From the protocol log: the title of the window that `title` is transient for."""
    titles = dict(re.findall(r"-> (xdg_toplevel@\d+)\.set_title\(\"(.*)\"\)", log))
    parents = dict(re.findall(r"-> (xdg_toplevel@\d+)\.set_parent\((xdg_toplevel@\d+)\)", log))
    child = next((t for t, name in titles.items() if name == title), None)
    return titles.get(parents.get(child))


def main():
    with e2e.Desktop("wayland") as desk:
        # The protocol log shows what the game asks of the compositor.
        game = desk.launch(env={"WAYLAND_DEBUG": "client"})
        with e2e.step(desk, "start-up shows the main window"):
            main = game.window("Quindle", 30)
            assert len(game.tiles()) == 16
        with e2e.step(desk, "the main window's title bar has a close box only"):
            e2e.wait_until(lambda: close_box_only(title_bars(desk, "wayland-main.png"), True), 10,
                           "the main window's title bar")
        with e2e.step(desk, "Start then OK deals; the dialog has a close box only and belongs to the main window"):
            e2e.press(game.find(main, "push button", "Start"))
            hey = game.window("Hey!")
            e2e.wait_until(lambda: close_box_only(title_bars(desk, "wayland-dialog.png"), False), 10,
                           "the dialog's title bar")
            # The compositor places it; as the main window's child it may centre it there.
            assert parent_of(game.output(), "Hey!") == "Quindle"
            e2e.press(game.find(hey, "push button", "OK"))
            dealt = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert dealt[15] == "", dealt
        with e2e.step(desk, "a tile next to the blank slides"):
            e2e.press(game.tiles()[11])
            after = e2e.wait_until(lambda: (c := game.captions()) != dealt and c, 10, "the slide")
            assert after[15] == dealt[11] and after[11] == "", after
            assert game.exit_code() is None


if __name__ == "__main__":
    main()
