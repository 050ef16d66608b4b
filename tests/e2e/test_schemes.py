"""The desktop's dark and high-contrast preferences, followed live on X11. A
stand-in portal switches the scheme while windows are open; screenshots of
every window show its face changed and its texts readable (WCAG contrast).
High contrast comes first through the accessibility settings' key, as from a
portal without a contrast setting, then through the portal's own, which
then outranks that key."""
import collections
import json
import os
import shutil
import signal

import quindle_e2e as e2e

HERE = os.path.dirname(os.path.abspath(__file__))
APPEARANCE = "org.freedesktop.appearance"
A11Y = "org.gnome.desktop.a11y.interface"
FACES = {"classic": (192, 192, 192), "dark": (64, 64, 64), "high-contrast": (0, 0, 0)}


def portal_settings(scheme, own_contrast):
    high = scheme == "high-contrast"
    appearance = {"color-scheme": ["u", 0 if scheme == "classic" else 1]}
    if own_contrast:
        appearance["contrast"] = ["u", 1 if high else 0]
    return {APPEARANCE: appearance, A11Y: {"high-contrast": ["b", high and not own_contrast]}}


def luminance(rgb):
    def channel(v):
        c = v / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def colours(pic, box, inset=0):
    x, y, w, h = box
    return collections.Counter(pic.at(i, j) for j in range(y + inset, y + h - inset)
                               for i in range(x + inset, x + w - inset)
                               if 0 <= i < pic.width and 0 <= j < pic.height)


def face(pic, acc):
    return colours(pic, e2e.extents(acc)).most_common(1)[0][0]


def text_contrast(pic, acc, inset=2):
    """Background (the commonest colour), the text's ink (the commonest colour
    that stands out from it at all: a shadow only fringes the strokes), and
    their ratio."""
    seen = colours(pic, e2e.extents(acc), inset)
    back = seen.most_common(1)[0][0]
    ink = next(c for c, n in seen.most_common() if contrast(c, back) >= 1.5)
    return back, ink, contrast(back, ink)


def glyph_contrast(pic, acc):
    """The faintest coloured pixel inside the control against its face (the
    commonest colour): greys, the caption's among them, left out."""
    seen = colours(pic, e2e.extents(acc))
    back = seen.most_common(1)[0][0]
    return min((contrast(c, back) for c in seen if max(c) - min(c) >= 48), default=0.0)


class Run:
    def __init__(self, desk, portal, settings):
        self.desk, self.portal, self.settings = desk, portal, settings
        self.shots = os.environ.get("QUINDLE_E2E_ARTIFACTS") or desk.tmp
        os.makedirs(self.shots, exist_ok=True)

    def switch(self, name, own_contrast=False):
        with open(self.settings, "w") as f:
            json.dump(portal_settings(name, own_contrast), f)
        self.portal.send_signal(signal.SIGUSR1)

    def shot(self, name, window):
        path = self.desk.screenshot(os.path.join(self.desk.tmp, "shot.png"))
        shutil.copy(path, os.path.join(self.shots, f"scheme-{name}-{window}.png"))
        return e2e.Picture(path)

    def wait_face(self, scheme, *windows):
        want = FACES[scheme]
        e2e.wait_until(lambda: all(face(e2e.Picture(self.desk.screenshot(os.path.join(self.desk.tmp, "w.png"))), w)
                                   == want for w in windows), 10, f"the {scheme} face on every open window")

    def readable(self, scheme, pic, acc, what, large=False, hue=None, laid_out=None):
        """Classic draws the layouts' colours exactly; the others lighten them
        as far as the text needs, keeping their hue: high contrast to the
        enhanced level."""
        back, ink, ratio = text_contrast(pic, acc)
        if scheme == "classic":
            assert laid_out is None or ink == laid_out, f"{what}: {ink}, laid out {laid_out}"
            return
        need = 7.0 if scheme == "high-contrast" else 3.0 if large else 4.5
        assert ratio >= need, f"{what}: {ink} on {back} is {ratio:.2f}:1, below {need}:1"
        if hue is not None:
            assert max(range(3), key=lambda i: ink[i]) == hue, f"{what}: {ink} lost its hue"

    def glyphs_readable(self, scheme, pic, window, *buttons):
        """High contrast lightens a glyph's colours to the enhanced level."""
        if scheme != "high-contrast":
            return
        for button in buttons:
            ratio = glyph_contrast(pic, self.game.find(window, "push button", button))
            assert ratio >= 7.0, f"{scheme}: the glyph of {button} is {ratio:.2f}:1, below 7:1"


def main():
    with e2e.Desktop("x11") as desk:
        settings = os.path.join(desk.tmp, "portal.json")
        with open(settings, "w") as f:
            json.dump(portal_settings("classic", False), f)
        portal = desk.start(["/usr/bin/python3", os.path.join(HERE, "portal.py"), settings])
        e2e.wait_until(lambda: "true" in desk.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.portal.Desktop"]).stdout,
            10, "the stand-in portal on the bus")
        run = Run(desk, portal, settings)
        # Qt's own options reach the game no more than any other argument.
        game = run.game = desk.launch(args=("-reverse", "-style", "fusion"))
        main = game.active("Quindle", 30)
        with e2e.step(desk, "with the portal saying nothing dark, the game is classic, left to right"):
            run.wait_face("classic", main)
            options = game.find(main, "menu item", "Options")
            assert e2e.extents(options)[0] - e2e.extents(main)[0] < 20, "the menu moved right"
        with e2e.step(desk, "the question open, each switch repaints it and the window behind"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.active("Hey!")
            sure = game.find(hey, "label")
            for name in ("dark", "high-contrast", "classic"):
                run.switch(name)
                run.wait_face(name, hey, main)
                pic = run.shot(name, "question")
                run.readable(name, pic, sure, f"{name}: the question", large=True, hue=2, laid_out=(0, 0, 255))
                run.glyphs_readable(name, pic, hey, "OK", "CANCEL")
            e2e.click(desk, game.find(hey, "push button", "OK"))
            e2e.wait_until(lambda: game.captions()[0], 10, "the deal")
        for name in ("dark", "high-contrast", "classic"):
            run.switch(name, own_contrast=True)
            with e2e.step(desk, f"{name}, the portal's own contrast: the board, the winner and the credits"):
                run.wait_face(name, main)
                e2e.click(desk, game.find(main, "push button", "Games"))
                back = e2e.wait_until(lambda: game.find(main, "push button", "Back"), 5, "the tall form")
                e2e.ready(back)
                pic = run.shot(name, "main")
                for tile in game.tiles()[:15]:  # digits of 24 pixels and up
                    run.readable(name, pic, tile, f"{name}: tile {e2e.name(tile)}", large=True, hue=2,
                                 laid_out=(0, 0, 128))
                run.readable(name, pic, game.find(main, "push button", "Start"), f"{name}: Start")
                run.glyphs_readable(name, pic, main, "Exit", "Back")
                e2e.click(desk, back)
                if not game.find(main, "push button", "Resolver"):
                    e2e.alt_code(desk, main, "swish")
                resolver = e2e.wait_until(lambda: game.find(main, "push button", "Resolver"), 5, "Resolver")
                e2e.click(desk, resolver)
                good = game.active("Good")
                mode = e2e.wait_until(lambda: game.find(good, "label", "Vertical..."), 5, "the mode name")
                run.wait_face(name, good)
                pic = run.shot(name, "winner")
                run.readable(name, pic, mode, f"{name}: the mode name", large=True, hue=0, laid_out=(255, 0, 0))
                run.glyphs_readable(name, pic, good, "OK")
                e2e.click(desk, game.find(good, "push button", "OK"))
                e2e.wait_until(lambda: not any(e2e.name(w) == "Good" for w in game.windows()), 5,
                               "the winner dialog to close")
                e2e.click(desk, game.find(main, "menu item", "Options"))
                e2e.click(desk, e2e.wait_until(lambda: game.find(game.app(), "menu item", "Credits"), 5,
                                               "the Credits menu item"))
                credits = game.active("Credits")
                run.wait_face(name, credits)
                run.glyphs_readable(name, run.shot(name, "credits"), credits, "OK")
                e2e.click(desk, game.find(credits, "push button", "OK"))
                e2e.wait_until(lambda: not any(e2e.name(w) == "Credits" for w in game.windows()), 5,
                               "the credits to close")


if __name__ == "__main__":
    main()
