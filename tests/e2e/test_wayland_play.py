"""The game on Weston: it starts, deals and plays a move through accessibility actions."""
import quindle_e2e as e2e


def main():
    with e2e.Desktop("wayland") as desk:
        game = desk.launch()
        with e2e.step(desk, "start-up shows the main window"):
            main = game.window("Quindle", 30)
            assert len(game.tiles()) == 16
        with e2e.step(desk, "Start then OK deals"):
            e2e.press(game.find(main, "push button", "Start"))
            e2e.press(game.find(game.window("Hey!"), "push button", "OK"))
            dealt = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert dealt[15] == "", dealt
        with e2e.step(desk, "a tile next to the blank slides"):
            e2e.press(game.tiles()[11])
            after = e2e.wait_until(lambda: (c := game.captions()) != dealt and c, 10, "the slide")
            assert after[15] == dealt[11] and after[11] == "", after


if __name__ == "__main__":
    main()
