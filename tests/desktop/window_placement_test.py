#!/usr/bin/env python3
"""The five windows on a real X desktop with a window manager: each window's outer rectangle,
frame included, at three screen sizes and two to four players; what the window manager lets the
player do with each window and what it draws in the title bars; minimising the human's window and
restoring the table.

Usage: window_placement_test.py PROGRAM"""

import sys
import time

from title_bar import blank_title_bar
from x_session import (StepTimeout, XSession, check, outer_rect, run_on_program, wait_for,
                       window_info)

SCREENS = ((800, 600), (1024, 768), (1920, 1080))
NAMES = {1: "Player", 2: "Lefty", 3: "TopGun", 4: "RightStuff"}
SIZING = {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE", "FULLSCREEN"}


def scale_for(width):
    return 1.0 if width <= 800 else 1.5 if width < 1280 else 2.0


def table_rect(width, height, s):
    left = int(width // 2 - 320 * s)
    top = int(height // 2 - 240 * s)
    return (left, top, int(left + 640 * s), int(top + 480 * s))


def designed_rect(player, width, height, s):
    """Where a player window is placed, before its height is checked."""
    if player == 1:
        x = int(width // 2 - 87 * s)
        y = int(height - 10 - 43 * s - 63)
        return (x, y, int(x + 175 * s), height - 10)
    if player == 2:
        bottom = int(height // 2 - 25 * s)
        return (3, int(bottom - 43 * s - 31), int(175 * s + 3), bottom)
    if player == 3:
        x = int(width // 2 - 87 * s)
        return (x, 3, int(x + 175 * s), int(43 * s + 34))
    x = int(width - 3 - 175 * s)
    y = int(height // 2 + 25 * s)
    return (x, y, width - 3, int(y + 43 * s + 31))


def expected_opponent(player, frame, width, height, s):
    left, top, right, bottom = designed_rect(player, width, height, s)
    client = bottom - top - frame[2] - frame[3]
    if client < 50 * s:
        bottom += int(50 * s - client)
    return (left, top, right, bottom)


def check_human(info, width, height, s, where):
    """The human's window grows once when its menu bar left the hand less than 62 design units;
    the menu bar's height is Qt's, so it is inferred from the growth and must be plausible."""
    left, top, right, bottom = designed_rect(1, width, height, s)
    frame = info["frame"]
    first_client = bottom - top - frame[2] - frame[3]
    growth = info["height"] - first_client
    if not check(growth >= 0, "%s: the human's window shrank by %d" % (where, -growth)):
        return
    if growth > 0:
        menu_bar = info["height"] - int(62 * s)
        check(10 <= menu_bar <= 60, "%s: implausible menu bar height %d" % (where, menu_bar))
        bottom += growth
        if bottom > height:
            shift = bottom - (height - 10)
            top -= shift
            bottom -= shift
    got = outer_rect(info)
    check(got == (left, top, right, bottom),
          "%s: human window at %s, expected %s" % (where, got, (left, top, right, bottom)))


def settled_windows(game, players):
    """Waits until every window of the game is mapped, framed and has kept its place for a
    while after the height check; returns their ids and infos."""
    titles = {0: "Pipwick", 1: NAMES[1]}
    for player in range(2, 5):
        if player == 3 or (player == 2 and players >= 3) or (player == 4 and players >= 4):
            titles[player] = NAMES[player]

    def find_all():
        ids = {key: game.window(title) for key, title in titles.items()}
        return ids if all(ids.values()) else None

    ids = wait_for("the game's windows", find_all)
    last = {}
    stable_since = [time.monotonic()]

    def stable():
        now = {key: window_info(game.session, wid) for key, wid in ids.items()}
        shape = {key: (outer_rect(i), i["mapped"]) for key, i in now.items()}
        if shape != last.get("shape"):
            last["shape"] = shape
            stable_since[0] = time.monotonic()
            return None
        ready = all(i["mapped"] for i in now.values())
        return now if ready and time.monotonic() - stable_since[0] > 0.8 else None

    return ids, wait_for("the windows to settle", stable, timeout=15, interval=0.1)


def check_layout(infos, width, height, players, where):
    s = scale_for(width)
    check(outer_rect(infos[0]) == table_rect(width, height, s),
          "%s: table at %s, expected %s" % (where, outer_rect(infos[0]),
                                            table_rect(width, height, s)))
    check_human(infos[1], width, height, s, where)
    for player in (2, 3, 4):
        if player not in infos:
            continue
        expected = expected_opponent(player, infos[player]["frame"], width, height, s)
        check(outer_rect(infos[player]) == expected,
              "%s: %s at %s, expected %s" % (where, NAMES[player], outer_rect(infos[player]),
                                             expected))


def check_actions(infos, where):
    """Only the program sizes the player windows. A computer player's window can be moved and no
    more; the human's can also be minimised (the whole game with it) and closed (the program
    ends). Openbox offers to close any window with a caption, whatever the window asks for, so
    for the computer players it is checked that they ask for no close and that a close is
    refused."""
    for player in (2, 3, 4):
        if player in infos:
            allowed = infos[player]["actions"]
            check("MOVE" in allowed, "%s: %s cannot be moved" % (where, NAMES[player]))
            check(not allowed & (SIZING | {"MINIMIZE"}),
                  "%s: %s allows %s" % (where, NAMES[player],
                                        sorted(allowed & (SIZING | {"MINIMIZE"}))))
            asked = infos[player]["asks_for"]
            check(asked is not None and not asked & {"MINIMIZE", "MAXIMIZE", "CLOSE"},
                  "%s: %s asks to allow %s" % (where, NAMES[player],
                                               "anything" if asked is None else sorted(asked)))
    allowed = infos[1]["actions"]
    check({"MOVE", "MINIMIZE", "CLOSE"} <= allowed,
          "%s: the human's window allows only %s" % (where, sorted(allowed)))
    check(not allowed & SIZING,
          "%s: the human's window allows %s" % (where, sorted(allowed & SIZING)))
    asked = infos[1]["asks_for"]
    check(asked is not None and {"MINIMIZE", "CLOSE"} <= asked and "MAXIMIZE" not in asked,
          "%s: the human's window asks to allow %s" % (
              where, "anything" if asked is None else sorted(asked)))


def check_boxes(game, ids, where):
    """What openbox draws in each player's title bar: a computer player's window has a single
    box, its close box, and closes not; of the human's boxes, those between minimise and close
    do nothing. A double click on a caption changes no window either."""
    session = game.session
    session.x("xdotool", "windowactivate", "--sync", ids[0])
    for player in sorted(key for key in ids if key > 0):
        bar = blank_title_bar(session, ids[player])
        before = window_info(session, ids[player])
        if player == 1:
            check(len(bar.boxes) >= 2,
                  "%s: the human's window has %d boxes" % (where, len(bar.boxes)))
            inert = bar.boxes[1:-1]
        else:
            check(len(bar.boxes) == 1,
                  "%s: %s has %d boxes" % (where, NAMES[player], len(bar.boxes)))
            inert = bar.boxes
        left, top = outer_rect(before)[:2]
        middle = top + before["frame"][2] // 2
        for first, last in inert:
            session.x("xdotool", "mousemove", str(left + (first + last) // 2), str(middle),
                      "click", "1")
        session.x("xdotool", "mousemove", str(left + bar.left + 4), str(middle), "click",
                  "--repeat", "2", "--delay", "60", "1")
        time.sleep(0.5)
        after = window_info(session, ids[player])
        check(after["mapped"] and outer_rect(after) == outer_rect(before)
              and game.process.poll() is None,
              "%s: the boxes and caption of %s changed it from %s to %s" % (
                  where, NAMES[player], outer_rect(before),
                  outer_rect(after) if after["mapped"] else "nothing"))


def check_close_refused(game, ids, where):
    """A window manager may still offer to close an opponent's window; the window stays."""
    session = game.session
    session.x("xdotool", "windowactivate", "--sync", ids[3])
    session.x("xdotool", "key", "--clearmodifiers", "alt+F4")
    time.sleep(0.5)
    check(window_info(session, ids[3])["mapped"] and game.process.poll() is None,
          "%s: closing %s took the window away" % (where, NAMES[3]))


def check_minimise(game, ids, infos, where):
    session = game.session
    session.x("xdotool", "windowminimize", ids[1])

    def all_gone():
        now = {key: window_info(session, wid) for key, wid in ids.items()}
        return now if not any(i["mapped"] for i in now.values()) else None

    try:
        gone = wait_for("every window to be minimised", all_gone, timeout=5)
        check(gone[0]["state"] == "Iconic",
              "%s: the table is %s after minimising" % (where, gone[0]["state"]))
    except StepTimeout as timeout:
        check(False, "%s: %s" % (where, timeout))
        return
    # Nothing brings it back on its own.
    time.sleep(0.5)
    check(not window_info(session, ids[0])["mapped"], "%s: the table came back by itself" % where)
    session.x("xdotool", "windowactivate", ids[0])

    # The window manager may animate the way back; the windows must end where they were.
    last = {}

    def all_back():
        now = {key: window_info(session, wid) for key, wid in ids.items()}
        last["seen"] = {key: (outer_rect(i), i["mapped"]) for key, i in now.items()}
        return all(i["mapped"] and outer_rect(i) == outer_rect(infos[key])
                   for key, i in now.items())

    try:
        wait_for("every window to come back where it was", all_back, timeout=5)
    except StepTimeout as timeout:
        check(False, "%s: %s; seen %s" % (where, timeout, last.get("seen")))


def run(program):
    for width, height in SCREENS:
        with XSession(width, height, program) as session:
            for players in (2, 3, 4):
                where = "%dx%d, %d players" % (width, height, players)
                game = session.start_game({"nump": players, "sound": 0})
                try:
                    ids, infos = settled_windows(game, players)
                    check_layout(infos, width, height, players, where)
                    check_actions(infos, where)
                    if players == 4:
                        check_close_refused(game, ids, where)
                        check_boxes(game, ids, where)
                        check_minimise(game, ids, infos, where)
                except StepTimeout as timeout:
                    check(False, "%s: %s\n%s" % (where, timeout, game.output()))
                finally:
                    game.end()
                print("checked", where, flush=True)


if __name__ == "__main__":
    sys.exit(run_on_program(__doc__, run))
