"""The game's own title bars (drawn where the client draws them), found on a
screenshot by their colours: navy when active, grey when not, with silver
boxes."""
import os

import quindle_e2e as e2e

BARS = ((0, 0, 128), (128, 128, 128))  # active, inactive
BOX_FACE = (192, 192, 192)
TITLE_HEIGHT = 30  # taller than the game's bars


def title_bars(desk, name):
    """(bar, faces) for each title bar of the game's own on a screenshot:
    the bar's (left, width, top) and the faces of the boxes on it."""
    where = os.environ.get("QUINDLE_E2E_ARTIFACTS") or desk.tmp
    os.makedirs(where, exist_ok=True)
    pic = e2e.Picture(desk.screenshot(os.path.join(where, name)))
    found, seen = [], set()

    def inside_one_found(x, width, y):
        # A later row of a bar already found: its runs may start anywhere
        # along it, after the caption's unsmoothed letters.
        return any(top <= y < top + TITLE_HEIGHT and x < left + w and left < x + width
                   for (left, w, top), _ in found)

    for y in range(pic.height):
        for colour in BARS:
            for bar in pic.runs(y, colour, 100):
                if bar[0] in seen or inside_one_found(*bar, y):
                    continue
                seen.add(bar[0])
                # Just below the boxes' top edge, above their cross: one face per box.
                faces = [r for r in pic.runs(y + 4, BOX_FACE, 6)
                         if bar[0] <= r[0] < bar[0] + bar[1] and r[1] <= 24]
                if faces:  # a grey run without boxes is not a title bar
                    found.append(((*bar, y), faces))
    return found


def close_box_only(bars, wide):
    """The bar wider or narrower than 300 px has exactly one box, at its right end."""
    mine = [(bar, faces) for bar, faces in bars if (bar[1] >= 300) == wide]
    assert len(mine) == 1, bars
    bar, faces = mine[0]
    assert len(faces) == 1 and faces[0][0] > bar[0] + bar[1] - 30, (bar, faces)
    return True
