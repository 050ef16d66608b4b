"""Start-up, a deal and a slide on X11, with real pointer input."""
import quindle_e2e as e2e


def main():
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        with e2e.step(desk, "start-up shows the main window with sixteen blank tiles"):
            main = game.window("Quindle", 30)
            assert game.captions() == [""] * 16, game.captions()
        with e2e.step(desk, "Start asks, OK deals with the blank bottom right"):
            e2e.click(desk, game.find(main, "push button", "Start"))
            hey = game.window("Hey!")
            e2e.click(desk, game.find(hey, "push button", "OK"))
            dealt = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert dealt[15] == "" and sorted(dealt[:15], key=int) == [str(n) for n in range(1, 16)], dealt
        with e2e.step(desk, "a tile next to the blank slides"):
            before = game.captions()
            e2e.click(desk, game.tiles()[14])
            after = e2e.wait_until(lambda: (c := game.captions()) != before and c, 10, "the slide")
            assert after[15] == before[14] and after[14] == "", after
        with e2e.step(desk, "Exit then OK ends the game with status 0"):
            e2e.click(desk, game.find(main, "push button", "Exit"))
            e2e.click(desk, game.find(game.window("Hey!"), "push button", "OK"))
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
