"""A flat oval button's hover bevel follows the real pointer across windows,
read from screenshots on X11: it leaves when a window opens, closes or hides
under the pointer, and a reopened dialog shows none until pointed at."""
import os

import quindle_e2e as e2e


def bevel(desk, acc):
    """"raised", "sunken" or "flat": the ellipse's left and right extremes."""
    shot = desk.screenshot(os.path.join(desk.tmp, "bevel.png"))
    x, y, w, h = e2e.extents(acc)
    pic = e2e.Picture(shot)
    left, right = pic.at(x + 1, y + (h - 1) // 2), pic.at(x + w - 3, y + (h - 1) // 2)
    if left == right:
        return "flat"
    return "raised" if sum(left) > sum(right) else "sunken"


def point_at(desk, acc):
    x, y, w, h = e2e.extents(acc)
    desk.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2)])


def looks(desk, acc, want, what):
    e2e.wait_until(lambda: bevel(desk, acc) == want, 10, f"{what} {want}")


def ask_and_point_at_ok(desk, game, button, what):
    """Clicks button, whose click asks "Hey!", and points at its OK: the
    button stays drawn pressed, not hovered, while its click runs."""
    e2e.click(desk, button)
    hey = game.active("Hey!")
    ok = game.find(hey, "push button", "OK")
    point_at(desk, ok)
    looks(desk, ok, "raised", "the question's OK under the pointer")
    assert bevel(desk, button) == "sunken", f"{what} drawn pressed while its click runs"
    return hey, ok


def main():
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        main = game.active("Quindle", 30)
        start = game.find(main, "push button", "Start")
        with e2e.step(desk, "the pointer on Start raises its bevel"):
            looks(desk, start, "flat", "Start before the pointer")
            point_at(desk, start)
            looks(desk, start, "raised", "Start under the pointer")
        with e2e.step(desk, "clicked, Start shows no hover behind the question on its OK"):
            hey, ok = ask_and_point_at_ok(desk, game, start, "Start")
        with e2e.step(desk, "answered, the question's OK leaves the pointer on the board: Start is flat"):
            e2e.click(desk, ok)
            e2e.wait_until(lambda: game.captions()[0], 10, "the deal")
            looks(desk, start, "flat", "Start away from the pointer")
        with e2e.step(desk, "reopened by Exit, the question's OK is flat until pointed at"):
            e2e.click(desk, game.find(main, "push button", "Exit"))
            hey = game.active("Hey!")
            ok = game.find(hey, "push button", "OK")
            e2e.ready(ok)
            looks(desk, ok, "flat", "the reopened question's OK")
            point_at(desk, ok)
            looks(desk, ok, "raised", "the reopened question's OK under the pointer")
            e2e.key(desk, hey, "c")
            e2e.wait_until(lambda: not e2e.showing(hey), 10, "the question to close")
            looks(desk, start, "flat", "Start")
        with e2e.step(desk, "pointed at and clicked, Exit shows no hover behind the question on its OK"):
            leave = game.find(main, "push button", "Exit")
            point_at(desk, leave)
            looks(desk, leave, "raised", "Exit under the pointer")
            hey, _ = ask_and_point_at_ok(desk, game, leave, "Exit")
            e2e.key(desk, hey, "c")
            e2e.wait_until(lambda: not e2e.showing(hey), 10, "the question to close")
            looks(desk, leave, "flat", "Exit")


if __name__ == "__main__":
    main()
