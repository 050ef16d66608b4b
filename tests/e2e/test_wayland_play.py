"""The game on Weston: it starts, plays a move through accessibility actions,
and its title bars carry a close box only, so none can maximise it away."""
import os
import re

import quindle_e2e as e2e

BARS = ((0, 0, 128), (128, 128, 128))  # active, inactive
BOX_FACE = (192, 192, 192)


def title_bars(desk, name):
    """(bar, faces) for each title bar of the game's own on a screenshot:
    the bar's (left, width) and the faces of the boxes on it."""
    where = os.environ.get("QUINDLE_E2E_ARTIFACTS") or desk.tmp
    os.makedirs(where, exist_ok=True)
    pic = e2e.Picture(desk.screenshot(os.path.join(where, name)))
    found, seen = [], set()
    for y in range(pic.height):
        for colour in BARS:
            for bar in pic.runs(y, colour, 100):
                if bar[0] in seen:
                    continue
                seen.add(bar[0])
                # Just below the boxes' top edge, above their cross: one face per box.
                faces = [r for r in pic.runs(y + 4, BOX_FACE, 6)
                         if bar[0] <= r[0] < bar[0] + bar[1] and r[1] <= 24]
                if faces:  # a grey run without boxes is not a title bar
                    found.append((bar, faces))
    return found


def close_box_only(bars, wide):
    """The bar wider or narrower than 300 px has exactly one box, at its right end."""
    mine = [(bar, faces) for bar, faces in bars if (bar[1] >= 300) == wide]
    assert len(mine) == 1, bars
    bar, faces = mine[0]
    assert len(faces) == 1 and faces[0][0] > bar[0] + bar[1] - 30, (bar, faces)
    return True


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
