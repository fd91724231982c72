#!/usr/bin/env python3
"""The five windows on a real X desktop with a window manager: each window's outer rectangle,
frame included, at three screen sizes and two to four players; what the window manager lets the
player do with each window and what it draws in the title bars; minimising the human's window and
restoring the table.

Usage: window_placement_test.py PROGRAM"""

import sys

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


def _edges(rect, right_edges):
    """The edges of rect that are compared: all four, or all but the right one."""
    return rect if right_edges else rect[:2] + rect[3:]


def human_fault(info, width, height, s, where, right_edges=True):
    """The human's window grows once when its menu bar left the hand less than 62 design units;
    the menu bar's height is Qt's, so it is inferred from the growth and must be plausible."""
    left, top, right, bottom = designed_rect(1, width, height, s)
    frame = info["frame"]
    first_client = bottom - top - frame[2] - frame[3]
    growth = info["height"] - first_client
    if growth < 0:
        return "%s: the human's window shrank by %d" % (where, -growth)
    if growth > 0:
        menu_bar = info["height"] - int(62 * s)
        if not 10 <= menu_bar <= 60:
            return "%s: implausible menu bar height %d" % (where, menu_bar)
        bottom += growth
        if bottom > height:
            shift = bottom - (height - 10)
            top -= shift
            bottom -= shift
    got = outer_rect(info)
    if _edges(got, right_edges) != _edges((left, top, right, bottom), right_edges):
        return "%s: human window at %s, expected %s" % (where, got, (left, top, right, bottom))
    return None


def game_windows(game, players):
    """The ids of the table's and the players' windows, once they exist."""
    titles = {0: "Pipwick", 1: NAMES[1]}
    for player in range(2, 5):
        if player == 3 or (player == 2 and players >= 3) or (player == 4 and players >= 4):
            titles[player] = NAMES[player]

    def find_all():
        ids = {key: game.window(title) for key, title in titles.items()}
        return ids if all(ids.values()) else None

    return wait_for("the game's windows", find_all)


def layout_faults(infos, width, height, where, right_edges=True):
    """What is not where it belongs: every window mapped, each player's framed (so that its frame
    extents are known), and each outer rectangle the one the layout gives. Without right_edges a
    window's right edge is not compared: in an opened game the players' windows keep their left
    edges and take the widths their hands give them."""
    s = scale_for(width)
    faults = ["%s: %s is not mapped" % (where, NAMES.get(key, "the table"))
              for key, info in infos.items() if not info["mapped"]]
    faults += ["%s: %s has no frame" % (where, NAMES[key])
               for key, info in infos.items() if key > 0 and info["frame"][2] == 0]
    if faults:
        return faults
    if outer_rect(infos[0]) != table_rect(width, height, s):
        faults.append("%s: table at %s, expected %s" % (where, outer_rect(infos[0]),
                                                        table_rect(width, height, s)))
    faults.append(human_fault(infos[1], width, height, s, where, right_edges))
    for player in (2, 3, 4):
        if player in infos:
            expected = expected_opponent(player, infos[player]["frame"], width, height, s)
            if _edges(outer_rect(infos[player]), right_edges) != _edges(expected, right_edges):
                faults.append("%s: %s at %s, expected %s" % (
                    where, NAMES[player], outer_rect(infos[player]), expected))
    return [fault for fault in faults if fault]


def placed_windows(game, ids, width, height, where, right_edges=True):
    """Waits until every window is mapped, framed and where the layout puts it; a window still
    elsewhere at the deadline is a fault. Returns the windows' infos."""
    last = {}

    def placed():
        last["infos"] = {key: window_info(game.session, wid) for key, wid in ids.items()}
        last["faults"] = layout_faults(last["infos"], width, height, where, right_edges)
        return not last["faults"]

    try:
        wait_for("every window in its place", placed)
    except StepTimeout:
        for fault in last["faults"]:
            check(False, fault)
        check(False, "%s: the program said:\n%s" % (where, game.output()))
    return last["infos"]


def program_round_trip(game, ids):
    """Returns once the program has handled every event sent to it before: the About box, asked
    for from the keyboard, opens only after them, and closes again with Escape."""
    session = game.session
    session.x("xdotool", "windowactivate", "--sync", ids[1])
    session.x("xdotool", "key", "--clearmodifiers", "ctrl+d")
    about = wait_for("the About box", lambda: game.window("About Pipwick"))
    wait_for("the About box on the screen", lambda: window_info(session, about)["mapped"])
    session.x("xdotool", "windowactivate", "--sync", about)
    session.x("xdotool", "key", "--clearmodifiers", "Escape")
    wait_for("the About box to close", lambda: not window_info(session, about)["mapped"])


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
        # The window manager takes the activation in after the clicks, and the program the About
        # box after any close they sent it: whatever they did is done by then.
        session.x("xdotool", "windowactivate", "--sync", ids[0])
        program_round_trip(game, ids)
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
    session.x("xdotool", "windowactivate", "--sync", ids[0])
    program_round_trip(game, ids)
    check(window_info(session, ids[3])["mapped"] and game.process.poll() is None,
          "%s: closing %s took the window away" % (where, NAMES[3]))


def check_minimise(game, ids, where):
    session = game.session
    # Taken now, not at placement: the human's window may have grown for its menu bar since.
    infos = {key: window_info(session, wid) for key, wid in ids.items()}
    session.x("xdotool", "windowminimize", ids[1])

    def all_gone():
        now = {key: window_info(session, wid) for key, wid in ids.items()}
        return now if not any(i["mapped"] for i in now.values()) else None

    try:
        gone = wait_for("every window to be minimised", all_gone)
        check(gone[0]["state"] == "Iconic",
              "%s: the table is %s after minimising" % (where, gone[0]["state"]))
    except StepTimeout as timeout:
        check(False, "%s: %s" % (where, timeout))
        return
    session.x("xdotool", "windowactivate", ids[0])

    # The window manager may animate the way back; the windows must end where they were.
    last = {}

    def all_back():
        now = {key: window_info(session, wid) for key, wid in ids.items()}
        last["seen"] = {key: (outer_rect(i), i["mapped"]) for key, i in now.items()}
        return all(i["mapped"] and outer_rect(i) == outer_rect(infos[key])
                   for key, i in now.items())

    try:
        wait_for("every window to come back where it was", all_back)
    except StepTimeout as timeout:
        before = {key: outer_rect(info) for key, info in infos.items()}
        check(False, "%s: %s; seen %s, before %s" % (where, timeout, last.get("seen"), before))


def run(program):
    for width, height in SCREENS:
        with XSession(width, height, program) as session:
            for players in (2, 3, 4):
                where = "%dx%d, %d players" % (width, height, players)
                game = session.start_game({"nump": players, "sound": 0})
                try:
                    ids = game_windows(game, players)
                    infos = placed_windows(game, ids, width, height, where)
                    check_actions(infos, where)
                    if players == 4:
                        check_close_refused(game, ids, where)
                        check_boxes(game, ids, where)
                        check_minimise(game, ids, where)
                except StepTimeout as timeout:
                    check(False, "%s: %s\n%s" % (where, timeout, game.output()))
                finally:
                    game.end()
                print("checked", where, flush=True)


if __name__ == "__main__":
    sys.exit(run_on_program(__doc__, run))
