"""A whole game by accessibility actions alone, reading the board back
after each move: Start, OK, slides, Exit, OK.

The presses are real, waited-for calls: each must come back while the
dialog it opens is still up (nobody else closes it), as Qt's own buttons do."""
import quindle_e2e as e2e


def press_and_return(acc):
    """Does the press action and waits for its reply."""
    act = acc.queryAction()
    assert act.doAction([act.getName(i) for i in range(act.nActions)].index("Press"))


def neighbours(cell):
    r, c = divmod(cell, 4)
    return [n for n, ok in ((cell - 4, r > 0), (cell + 4, r < 3), (cell - 1, c > 0), (cell + 1, c < 3)) if ok]


def main():
    with e2e.Desktop("x11") as desk:
        game = desk.launch()
        main = game.window("Quindle", 30)
        with e2e.step(desk, "Start returns at once and the question opens"):
            press_and_return(game.find(main, "push button", "Start"))
            hey = game.window("Hey!")
        with e2e.step(desk, "OK returns and deals"):
            press_and_return(game.find(hey, "push button", "OK"))
            board = e2e.wait_until(lambda: (c := game.captions())[0] and c, 10, "the deal")
            assert board[15] == "" and sorted(board[:15], key=int) == [str(n) for n in range(1, 16)], board
        with e2e.step(desk, "a tile far from the blank does not move"):
            tiles = game.tiles()
            press_and_return(tiles[0])
            press_and_return(tiles[14])  # a real move after it proves the first was handled
            board[15], board[14] = board[14], ""
            e2e.wait_until(lambda: game.captions() == board, 10, f"the board {board}")
        moved = 1
        with e2e.step(desk, "twelve slides, each read back"):
            previous = 15
            for _ in range(12):
                blank = board.index("")
                # Walk on, never straight back, so the board keeps changing.
                source = next(n for n in neighbours(blank) if n != previous)
                press_and_return(game.tiles()[source])
                board[blank], board[source] = board[source], ""
                e2e.wait_until(lambda: game.captions() == board, 10, f"the board {board}")
                moved += 1
                tile = game.tiles()[blank]
                assert e2e.name(tile) == board[blank]
                assert tile.description == f"row {blank // 4 + 1}, column {blank % 4 + 1}"
                assert e2e.name(game.tiles()[source]) == "blank"
                previous = blank
            e2e.wait_until(lambda: game.find(main, "label", f"Moves :{moved}"), 5, f"Moves :{moved}")
        with e2e.step(desk, "Exit returns while asking; OK ends the program"):
            press_and_return(game.find(main, "push button", "Exit"))
            press_and_return(game.find(game.window("Hey!"), "push button", "OK"))
            assert game.wait_exit(15) == 0


if __name__ == "__main__":
    main()
