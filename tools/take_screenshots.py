#!/usr/bin/env python3
"""Takes the README's pictures of the windows (docs/screen-*.png) on a private X desktop with a
window manager: at start-up, during a hand and at the end of a hand, at 1024 x 768 and
1920 x 1080 with four players. Needs what the desktop tests need, and ImageMagick's import.

Usage: tools/take_screenshots.py PROGRAM DOCS_FOLDER"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
from x_session import XSession, wait_for, window_info  # noqa: E402


def shoot(session, path):
    session.x("import", "-window", "root", path)
    print("wrote", path)


def take(program, docs, width, height):
    with XSession(width, height, program) as session:
        game = session.start_game({"nump": 4, "sound": 0, "delay": 0, "speed": 10})
        try:
            human = wait_for("the human's window", lambda: game.window("Player"))
            time.sleep(2)
            prefix = os.path.join(docs, "screen-%dx%d-" % (width, height))
            shoot(session, prefix + "start.png")
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "--window", human, "ctrl+n")
            time.sleep(2)
            info = window_info(session, human)
            # The human leads with his first tile; the computer players answer.
            session.x("xdotool", "mousemove", str(info["x"] + 10),
                      str(info["y"] + info["height"] - 20), "click", "1")
            time.sleep(3)
            shoot(session, prefix + "hand.png")
            # Drawing until the pile is empty and passing after: the others finish the hand.
            for _ in range(40):
                session.x("xdotool", "key", "--window", human, "ctrl+a")
                time.sleep(0.4)
                if game.window("Pipwick") and len(session.x(
                        "xdotool", "search", "--pid", str(game.process.pid),
                        "--onlyvisible", "--name", "^Pipwick$").split()) > 1:
                    break
            time.sleep(1)
            shoot(session, prefix + "hand-over.png")
        finally:
            game.end()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    for width, height in ((1024, 768), (1920, 1080)):
        take(sys.argv[1], sys.argv[2], width, height)
    return 0


if __name__ == "__main__":
    sys.exit(main())
