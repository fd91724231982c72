#!/usr/bin/env python3
"""An end that a player window hides stays within one click: in a saved game of four players at
1024 x 768 whose human holds a tile that fits only where a window covers the line of play, the
tile is picked up from the keyboard, the end shows above the covering window (or just above its
frame, where it would hide the caption), marked, and one click there plays the tile. Once for an
end under the human's own window, once for one under TopGun's.

Usage: covered_end_test.py PROGRAM"""

import os
import re
import sys

from screen_pixels import ScreenPixels
from window_placement_test import NAMES, placed_windows
from x_session import StepTimeout, XSession, check, outer_rect, run_on_program, wait_for, \
    window_info

WIDTH, HEIGHT = 1024, 768
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
# The saved game and the player whose window hides the end; the README gives the tile's slot.
POSITIONS = (("covered-by-human.dom", 1), ("covered-by-topgun.dom", 3))
with open(os.path.join(DATA, "README.md")) as readme:
    SLOTS = {name: int(slot) for name, slot in re.findall(r"`([\w-]+\.dom)`.*slot (\d+)",
                                                          readme.read())}


def opened_game_windows(game):
    """The table's and the players' windows of an opened game, whose captions carry scores."""
    session = game.session

    def find_all():
        ids = {}
        for wid in session.x("xdotool", "search", "--onlyvisible", "--pid",
                             str(game.process.pid)).split():
            title = session.x("xdotool", "getwindowname", wid).rstrip("\n")
            for key, name in list(NAMES.items()) + [(0, "Pipwick")]:
                if title == name or re.fullmatch(r"\d+ - " + re.escape(name), title):
                    ids[key] = wid
        return ids if len(ids) == 5 else None

    return wait_for("the game's windows", find_all)


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def shown_ends(game):
    """The program's windows that stand outside the window manager's care: the shown ends."""
    session = game.session
    found = []
    for wid in session.x("xdotool", "search", "--all", "--onlyvisible", "--pid",
                         str(game.process.pid)).split():
        info = session.x("xwininfo", "-id", wid)
        if re.search(r"Override Redirect State:\s+yes", info) and window_info(session,
                                                                              wid)["mapped"]:
            found.append(wid)
    return found


def hand_pixels(session, info):
    return ScreenPixels(session).block(info["x"], info["y"], info["x"] + info["width"],
                                       info["y"] + info["height"])


def play_covered_end(program, name, covering):
    where = "%s, the end under %s's window" % (name, NAMES[covering])
    with XSession(WIDTH, HEIGHT, program) as session:
        game = session.start_game({"sound": 0, "delay": 0}, [os.path.join(DATA, name)])
        try:
            ids = opened_game_windows(game)
            infos = placed_windows(game, ids, WIDTH, HEIGHT, where, right_edges=False)
            check(not shown_ends(game), "%s: an end is shown before a tile is picked up" % where)

            session.x("xdotool", "windowactivate", "--sync", ids[1])
            session.x("xdotool", "key", "--window", ids[1], "Home",
                      *(["Right"] * SLOTS[name]), "space")
            ends = wait_for("the covered end to show", lambda: shown_ends(game))
            check(len(ends) == 1, "%s: %d ends shown" % (where, len(ends)))
            end = window_info(session, ends[0])
            end_rect = outer_rect(end)
            frame = outer_rect(infos[covering])
            caption = (frame[0], frame[1], frame[2], infos[covering]["y"])
            touching = (end_rect[0], end_rect[1], end_rect[2], end_rect[3] + 1)
            check(overlaps(touching, frame),
                  "%s: the end shown at %s is neither over nor on %s" % (where, end_rect, frame))
            check(not overlaps(end_rect, caption),
                  "%s: the end shown at %s hides the caption at %s" % (where, end_rect, caption))
            held = hand_pixels(session, window_info(session, ids[1]))

            def marked():
                shown = ScreenPixels(session).block(*end_rect)
                return any(pixel == (0xFF, 0xD2, 0x1F) for row in shown for pixel in row)

            wait_for("the end shown with its mark", marked)

            session.x("xdotool", "mousemove", str((end_rect[0] + end_rect[2]) // 2),
                      str((end_rect[1] + end_rect[3]) // 2), "click", "1")
            wait_for("the end to go once the tile is played", lambda: not shown_ends(game))
            # The tile left the hand: the human's window no longer shows the hand it had.
            wait_for("the tile to leave the hand",
                     lambda: hand_pixels(session, window_info(session, ids[1])) != held)
            check(game.process.poll() is None, "%s: the program ended" % where)
        except StepTimeout as timeout:
            check(False, "%s: %s\n%s" % (where, timeout, game.output()))
        finally:
            game.end()
    print("checked", where, flush=True)


def run(program):
    for name, covering in POSITIONS:
        play_covered_end(program, name, covering)


if __name__ == "__main__":
    sys.exit(run_on_program(__doc__, run))
