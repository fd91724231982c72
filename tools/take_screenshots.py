#!/usr/bin/env python3
"""Takes the pictures of the windows (docs/screen-*.png) on a private X desktop with a
window manager: at start-up, during a hand and at the end of a hand, at 1024 x 768 and
1920 x 1080 with four players, the end of a hand at 800 x 600 with names of 14 characters,
whose scores are written under the tiles, and the end of a hand of Block and of a game with
partners at 1024 x 768 (docs/screen-block.png, docs/screen-partners.png). Needs what the desktop tests need, and ImageMagick's import.

Usage: tools/take_screenshots.py PROGRAM DOCS_FOLDER"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
from x_session import XSession, wait_for, window_info  # noqa: E402


def shoot(session, path):
    session.x("import", "-window", "root", path)
    print("wrote", path)


LONG_NAMES = {"pnm1": "Maximilian Orr", "pnm2": "Christopherson", "pnm3": "Annabel Morgan",
              "pnm4": "Bartholomew Ng"}


def end_of_hand_message(game):
    """The pop-up that says the hand is over: a small window of the game's named as the program
    (the table, which may be named so too, is far wider)."""
    found = game.session.x("xdotool", "search", "--all", "--onlyvisible", "--pid",
                           str(game.process.pid), "--name", "^Pipwick$").split()
    return [wid for wid in found if window_info(game.session, wid)["width"] < 400]


# Other games than All Fives alone, each with the name its picture takes.
GAMES = (("block", {"game": 2}), ("partners", {"partners": 1}))


def take(program, docs, width, height, names=None, moments=("start", "hand", "hand-over"),
         prefix=None):
    with XSession(width, height, program) as session:
        settings = {"nump": 4, "sound": 0, "delay": 0, "speed": 10}
        settings.update(names or {})
        game = session.start_game(settings)
        try:
            human_name = (names or {}).get("pnm1", "Player")
            human = wait_for("the human's window", lambda: game.window(human_name))
            time.sleep(2)
            def moment(name):
                if name in moments:
                    shoot(session, os.path.join(
                        docs, prefix or "screen-%dx%d-%s" % (width, height, name)) + ".png")

            moment("start")
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "--window", human, "ctrl+n")
            time.sleep(2)
            info = window_info(session, human)
            # The human leads with his first tile; the computer players answer.
            session.x("xdotool", "mousemove", str(info["x"] + 10),
                      str(info["y"] + info["height"] - 20), "click", "1")
            time.sleep(3)
            moment("hand")
            # Drawing until the pile is empty and passing after: the others finish the hand.
            for _ in range(80):
                session.x("xdotool", "key", "--window", human, "ctrl+a")
                time.sleep(0.4)
                if end_of_hand_message(game):
                    break
            else:
                raise RuntimeError("the hand did not end")
            time.sleep(1)
            moment("hand-over")
        finally:
            game.end()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    for width, height in ((1024, 768), (1920, 1080)):
        take(sys.argv[1], sys.argv[2], width, height)
    take(sys.argv[1], sys.argv[2], 800, 600, LONG_NAMES, ("hand-over",))
    for name, settings in GAMES:
        take(sys.argv[1], sys.argv[2], 1024, 768, settings, ("hand-over",), "screen-" + name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
