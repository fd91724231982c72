#!/usr/bin/env python3
"""The windows keep their places when the window manager comes late or is replaced: a window
manager that starts after the program, and one that replaces the running one, frame the windows
where they stand; the program then places them again by their outer rectangles.

Usage: window_manager_test.py PROGRAM"""

import re
import sys

from window_placement_test import game_windows, layout_faults, placed_windows
from x_session import StepTimeout, XSession, check, run_on_program, wait_for, window_info

SCREENS = ((800, 600), (1024, 768))
PLAYERS = 4


def all_mapped(game, ids):
    return all(window_info(game.session, wid)["mapped"] for wid in ids.values())


def parents(session, ids):
    """The window each of the game's windows sits in: the root, or a window manager's frame."""
    found = {}
    for key, wid in ids.items():
        match = re.search(r"Parent window id: (0x[0-9a-f]+)", session.x("xwininfo", "-tree",
                                                                        "-id", wid))
        found[key] = match.group(1) if match else None
    return found


def reframed(session, ids, before):
    """Waits until the running window manager has taken every window into a frame of its own."""
    root = re.search(r"Window id: (0x[0-9a-f]+)", session.x("xwininfo", "-root")).group(1)
    wait_for("the window manager to frame every window", lambda: all(
        parent not in (None, root, before[key])
        for key, parent in parents(session, ids).items()))


def after_late_start(program, width, height):
    where = "%dx%d, window manager started after the program" % (width, height)
    with XSession(width, height, program, with_wm=False) as session:
        game = session.start_game({"nump": PLAYERS, "sound": 0})
        try:
            ids = game_windows(game, PLAYERS)
            wait_for("the windows on the screen", lambda: all_mapped(game, ids))
            # Without a window manager nothing is framed yet.
            infos = {key: window_info(session, wid) for key, wid in ids.items()}
            check(any("has no frame" in fault
                      for fault in layout_faults(infos, width, height, where)),
                  "%s: the windows were framed before the window manager started" % where)
            before = parents(session, ids)
            session.start_wm()
            reframed(session, ids, before)
            placed_windows(game, ids, width, height, where)
        except StepTimeout as timeout:
            check(False, "%s: %s\n%s" % (where, timeout, game.output()))
        finally:
            game.end()
    print("checked", where, flush=True)


def after_replacement(program, width, height):
    where = "%dx%d, window manager replaced" % (width, height)
    with XSession(width, height, program) as session:
        game = session.start_game({"nump": PLAYERS, "sound": 0})
        try:
            ids = game_windows(game, PLAYERS)
            placed_windows(game, ids, width, height, where + " (before)")
            before = parents(session, ids)
            session.start_wm(replace=True)
            reframed(session, ids, before)
            placed_windows(game, ids, width, height, where)
        except StepTimeout as timeout:
            check(False, "%s: %s\n%s" % (where, timeout, game.output()))
        finally:
            game.end()
    print("checked", where, flush=True)


def run(program):
    for width, height in SCREENS:
        after_late_start(program, width, height)
        after_replacement(program, width, height)


if __name__ == "__main__":
    sys.exit(run_on_program(__doc__, run))
