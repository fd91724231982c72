#!/usr/bin/env python3
"""Takes docs/keyboard.png: a hand played from the keyboard on a private X desktop with a window
manager, at 1024 x 768 with two players. The human leads with Space, moves the focus with Right
and picks a tile up with Space until one fits an end; the picture shows the focus frame in his
hand and the chosen end on the table. Needs what the desktop tests need, and ImageMagick.

Usage: tools/take_keyboard_screenshot.py PROGRAM DOCS_FOLDER"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
from x_session import XSession, wait_for, window_info  # noqa: E402

MARK_COLOUR = "#FFD21F"


def marked(session, path, table, human):
    """Whether the table's part of the picture, above the human's window, shows a mark."""
    top = human["y"] - human["frame"][2]
    crop = "%dx%d+%d+%d" % (table["width"], top - table["y"], table["x"], table["y"])
    share = session.x("convert", path, "-crop", crop, "-fill", "black", "+opaque", MARK_COLOUR,
                      "-format", "%[fx:mean]", "info:")
    return float(share or 0) > 0


def take(program, docs):
    with XSession(1024, 768, program) as session:
        game = session.start_game({"nump": 2, "sound": 0, "delay": 0, "speed": 10})
        try:
            human = wait_for("the human's window", lambda: game.window("Player"))
            table = window_info(session, wait_for("the table", lambda: game.window("Pipwick")))
            time.sleep(2)
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "ctrl+n")
            time.sleep(2)
            session.x("xdotool", "key", "space")  # the lead; the computer answers
            time.sleep(3)
            path = os.path.join(docs, "keyboard.png")
            for _ in range(7):
                session.x("xdotool", "key", "Right", "space")
                time.sleep(1)
                session.x("import", "-window", "root", path)
                if marked(session, path, table, window_info(session, human)):
                    print("wrote", path)
                    return 0
                session.x("xdotool", "key", "Escape")
            print("no tile of the hand fit an end; run it again")
            return 1
        finally:
            game.end()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    return take(sys.argv[1], sys.argv[2])


if __name__ == "__main__":
    sys.exit(main())
