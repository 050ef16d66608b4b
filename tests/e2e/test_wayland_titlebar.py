"""Clicks on the game's title bar under Wayland, with a real pointer (Weston
nested in Xvfb): no spot on it maximises or ends the game; the close box
asks first, as the window manager's does; a drag moves the window."""
import quindle_e2e as e2e
from title_bars import title_bars


def main_bar(desk):
    bars = [bar for bar, faces in title_bars(desk, "wayland-titlebar.png") if bar[1] >= 300]
    return bars[0] if len(bars) == 1 else None


def main():
    with e2e.Desktop("wayland", pointer=True) as desk:
        game = desk.launch()
        with e2e.step(desk, "the main window shows with its own title bar"):
            main = game.window("Quindle", 30)
            left, width, top = e2e.wait_until(lambda: main_bar(desk), 10, "the main window's title bar")
            y = top + 10
        with e2e.step(desk, "clicks and double-clicks along the bar change nothing"):
            # Where other title bars keep their menu, minimise and maximise boxes.
            for x in (left + 10, left + width // 2, left + width - 70, left + width - 50, left + width - 30):
                e2e.click(desk, (x, y))
                desk.run(["xdotool", "click", "--repeat", "2", "1"])
            e2e.click(desk, (left + width // 2, y), button=3)
            assert game.exit_code() is None
            assert e2e.wait_until(lambda: main_bar(desk), 5, "the title bar")[:2] == (left, width)
            assert not any(e2e.name(w) == "Hey!" for w in game.windows())
        with e2e.step(desk, "dragging the bar moves the window as far as the pointer went"):
            desk.run(["xdotool", "mousemove", str(left + 100), str(y), "mousedown", "1"])
            for step in range(1, 11):
                desk.run(["xdotool", "mousemove", str(left + 100 + 8 * step), str(y - 10 * step)])
            desk.run(["xdotool", "mouseup", "1"])
            moved = e2e.wait_until(lambda: (b := main_bar(desk)) and b[2] != top and b, 10, "the moved title bar")
            assert moved == (left + 80, width, top - 100), moved
            left, width, top = moved
            y = top + 10
        with e2e.step(desk, "the close box asks; Cancel keeps the game"):
            e2e.click(desk, (left + width - 3 - 8, y))
            hey = game.window("Hey!")
            e2e.press(game.find(hey, "push button", "CANCEL"))
            e2e.wait_until(lambda: not any(e2e.name(w) == "Hey!" for w in game.windows()), 10,
                           "the question to close")
            assert game.exit_code() is None
        with e2e.step(desk, "the close box then OK ends the game with status 0"):
            e2e.click(desk, (left + width - 3 - 8, y))
            e2e.press(game.find(game.window("Hey!"), "push button", "OK"))
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
