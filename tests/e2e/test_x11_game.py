"""One game on X11 with openbox, driven by real pointer and keyboard input."""
import quindle_e2e as e2e

SCREEN = (1024, 768)


def check_close_box_only(desk, wid):
    # Motif hints: functions move and close only; no resize handles, no boxes.
    hints = e2e.x11_prop(desk, wid, "_MOTIF_WM_HINTS").split("=")[1]
    flags, functions, decorations = (int(v, 16) for v in hints.split(",")[:3])
    assert flags & 1 and functions == 0x4 | 0x20, hints
    assert flags & 2 and decorations & 0x8 and not decorations & (0x1 | 0x4 | 0x20 | 0x40), hints
    normal = e2e.x11_prop(desk, wid, "WM_NORMAL_HINTS")
    lines = {l.split(":")[0].strip(): l.split(":")[1].strip() for l in normal.splitlines()[1:]}
    assert lines["program specified minimum size"] == lines["program specified maximum size"], normal
    actions = e2e.x11_prop(desk, wid, "_NET_WM_ALLOWED_ACTIONS")
    assert "RESIZE" not in actions and "MAXIMIZE" not in actions and "CLOSE" in actions, actions


def main():
    with e2e.Desktop("x11", size=SCREEN) as desk:
        game = desk.launch()
        with e2e.step(desk, "start-up shows Quindle with sixteen blank tiles"):
            main = game.active("Quindle", 30)  # mapped and placed
            assert game.captions() == [""] * 16, game.captions()
        with e2e.step(desk, "the main window's frame stands at 270,129 with a close box only"):
            wid, frame = e2e.x11_titled_frame(desk, "Quindle")
            assert frame[:2] == (270, 129), frame
            check_close_box_only(desk, wid)
        with e2e.step(desk, "Start asks in a centred dialog; OK deals with the blank bottom right"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            wid, frame = e2e.x11_titled_frame(desk, "Hey!")
            centred = ((SCREEN[0] - frame[2]) // 2, (SCREEN[1] - frame[3]) // 2)
            assert frame[:2] == centred, (frame, centred)
            check_close_box_only(desk, wid)
            e2e.click(desk, game.find(hey, "push button", "OK"))
            dealt = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert dealt[15] == "" and sorted(dealt[:15], key=int) == [str(n) for n in range(1, 16)], dealt
        with e2e.step(desk, "a tile next to the blank slides; one far from it does not"):
            e2e.click(desk, game.tiles()[14])
            slid = e2e.wait_until(lambda: (c := game.captions()) != dealt and c, 10, "the slide")
            assert slid[15] == dealt[14] and slid[14] == "", slid
            moves = e2e.wait_until(lambda: game.find(main, "label", "Moves :1"), 5, "Moves :1")
            e2e.click(desk, game.tiles()[0])
            e2e.click(desk, game.tiles()[15])  # a real move after it proves the first was handled
            e2e.wait_until(lambda: game.find(main, "label", "Moves :2"), 5, "Moves :2")
            assert game.captions()[0] == dealt[0] and moves
        with e2e.step(desk, "Alt+SWISH shows the selector and Resolver"):
            assert game.find(main, "push button", "Resolver") is None
            # Alt held through the whole code: its own press alone clears it.
            e2e.alt_code(desk, main, "swish")
            resolver = e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 5, "Resolver")
            assert game.find(main, "spin button") is not None
        with e2e.step(desk, "Resolver lays out arrangement 1 and the winner dialog names it Vertical..."):
            e2e.click(desk, resolver)
            good = game.window("Good")
            e2e.wait_until(lambda: game.find(good, "label", "Vertical..."), 5, "the mode name")
            columns = [str(r + 4 * c + 1) for r in range(4) for c in range(4)]
            assert game.captions() == columns[:15] + [""], game.captions()
            e2e.click(desk, game.find(good, "push button", "OK"))
            e2e.wait_until(lambda: not any(e2e.name(w) == "Good" for w in game.windows()), 5,
                           "the winner dialog to close")
        with e2e.step(desk, "the credits open from the menu and scroll"):
            e2e.click(desk, game.find(main, "menu item", "Options"))
            e2e.click(desk, e2e.wait_until(lambda: game.find(game.app(), "menu item", "Credits"), 5,
                                           "the Credits menu item"))
            credits = game.window("Credits")
            text = e2e.wait_until(lambda: game.find(credits, "label"), 5, "the credits text")
            y0 = e2e.extents(text)[1]
            e2e.wait_until(lambda: e2e.extents(text)[1] != y0, 5, "the credits to scroll")
            e2e.click(desk, game.find(credits, "push button", "OK"))
        with e2e.step(desk, "Exit then OK ends the game with status 0"):
            e2e.click(desk, game.find(main, "push button", "Exit"))
            hey = game.active("Hey!")
            assert e2e.x11_titled_frame(desk, "Hey!")[1][:2] == centred  # reopened where it was
            e2e.click(desk, game.find(hey, "push button", "OK"))
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
