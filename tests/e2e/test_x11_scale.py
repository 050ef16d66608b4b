"""Every window of the game on a dense screen (QT_SCALE_FACTOR), on X11.

Usage: test_x11_scale.py SCALE. Saves a screenshot of each window into
$QUINDLE_E2E_ARTIFACTS and checks that the custom controls are drawn at the
screen's resolution: an enlargement of a 1x picture by nearest neighbour
repeats a column (and a row) at a fixed period, which these must not.
"""
import os
import sys

import quindle_e2e as e2e


def on_screen(acc, scale):
    """The accessible's box in screen pixels: Qt reports logical ones."""
    return tuple(round(v * scale) for v in e2e.extents(acc))


def press_at(desk, acc, scale):
    e2e.ready(acc)
    x, y, w, h = on_screen(acc, scale)
    e2e.click(desk, (x + w // 2, y + h // 2))


def crop(pic, box):
    x, y, w, h = box
    return [[pic.at(x + i, y + j) for i in range(w)] for j in range(h)]


def fewest_repeats_broken(rows, period):
    """Over each phase of the period, the pairs of neighbouring columns that
    an enlargement would have made equal but that differ; the least of them."""
    width = len(rows[0])
    columns = [tuple(r[i] for r in rows) for i in range(width)]
    least = None
    for phase in range(period):
        broken = sum(columns[k] != columns[k + 1] for k in range(phase, width - 1, period))
        least = broken if least is None else min(least, broken)
    return least


def repeats_broken(pic, acc, scale):
    """Across and down, the fewest neighbour pairs an enlargement would have
    made equal that differ in the accessible's box."""
    x, y, w, h = on_screen(acc, scale)
    assert w > 0 and h > 0, (w, h)
    rows = crop(pic, (x, y, w, h))
    period = {2.0: 2, 1.5: 3}[scale]
    transposed = [list(c) for c in zip(*rows)]
    return fewest_repeats_broken(rows, period), fewest_repeats_broken(transposed, period)


def main():
    scale = float(sys.argv[1])
    out = os.environ.get("QUINDLE_E2E_ARTIFACTS") or os.getcwd()
    os.makedirs(out, exist_ok=True)
    tag = str(scale).replace(".", "_")
    size = (int(1024 * scale), int(768 * scale))

    def shot(desk, name):
        return e2e.Picture(desk.screenshot(os.path.join(out, f"scale{tag}-{name}.png")))

    def check_sharp(desk, name, *controls):
        """Screenshots until every (accessible, what) is drawn sharp: a window
        may show before it has painted."""
        last = {}

        def sharp():
            pic = shot(desk, name)
            for acc, what in controls:
                last[what] = repeats_broken(pic, acc, scale)
            return all(a >= 3 and d >= 3 for a, d in last.values())
        try:
            e2e.wait_until(sharp, 10, name)
        except e2e.E2EFailure:
            raise AssertionError(f"looks enlarged (across, down): {last}") from None

    with e2e.Desktop("x11", size=size) as desk:
        game = desk.launch(env={"QT_SCALE_FACTOR": str(scale)})
        with e2e.step(desk, "the main window's oval buttons are sharp"):
            main = game.active("Quindle", 30)
            start = game.find(main, "push button", "Start")
            assert e2e.extents(start)[2:] == (75, 44), e2e.extents(start)
            check_sharp(desk, "main", (start, "Start"), (game.find(main, "push button", "Exit"), "Exit"))
        with e2e.step(desk, "the tall form's example labels are sharp"):
            press_at(desk, game.find(main, "push button", "Games"), scale)
            def example():
                labels = game.find_all(main, "label")
                return next((l for l in labels if e2e.name(l).endswith("Horizontal")), None)
            label = e2e.wait_until(example, 5, "the Horizontal example")
            check_sharp(desk, "main-tall", (label, "the Horizontal example"))
        with e2e.step(desk, "the confirmation dialog"):
            press_at(desk, start, scale)
            hey = game.active("Hey!")
            ok = game.find(hey, "push button", "OK")
            check_sharp(desk, "confirm", (ok, "the dialog's OK"))
            press_at(desk, ok, scale)
            e2e.wait_until(lambda: game.captions()[0], 10, "the deal")
        with e2e.step(desk, "the solve controls and the winner dialog"):
            e2e.alt_code(desk, main, "swish")
            resolver = e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 5, "Resolver")
            check_sharp(desk, "solve", (resolver, "Resolver"))
            press_at(desk, resolver, scale)
            good = game.window("Good")
            e2e.wait_until(lambda: game.find(good, "label", "Vertical..."), 5, "the mode name")
            ok = game.find(good, "push button", "OK")
            e2e.ready(ok)
            check_sharp(desk, "winner", (ok, "the winner's OK"))
            press_at(desk, ok, scale)
            e2e.wait_until(lambda: not any(e2e.name(w) == "Good" for w in game.windows()), 5,
                           "the winner dialog to close")
        with e2e.step(desk, "the credits dialog"):
            press_at(desk, game.find(main, "menu item", "Options"), scale)
            press_at(desk, e2e.wait_until(lambda: game.find(game.app(), "menu item", "Credits"), 5,
                                          "the Credits menu item"), scale)
            credits = game.window("Credits")
            ok = game.find(credits, "push button", "OK")
            e2e.ready(ok)
            check_sharp(desk, "credits", (ok, "the credits' OK"))
            press_at(desk, ok, scale)
        with e2e.step(desk, "Exit then OK ends the game"):
            press_at(desk, game.find(main, "push button", "Exit"), scale)
            press_at(desk, game.find(game.window("Hey!"), "push button", "OK"), scale)
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
