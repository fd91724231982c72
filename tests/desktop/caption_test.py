#!/usr/bin/env python3
"""Every player's score can be read on a real desktop: in his window's caption, as the window
manager draws it, or, where the caption is cut short, in the window under his tiles.

Whether a caption is drawn whole is measured, not guessed: the same caption is drawn by the same
window manager in the title bar of a wide window on a second, private X screen, and the text pixels
of the two title bars must be the same (within the window manager's dithering). Where each caption
lies in its window's title bar is measured on that window, for the window manager draws other boxes
beside the human's caption than beside the computer players'. Runs at 800 x 600 with four players
and names of 14 characters, the longest the player preferences keep, before and after a hand has
been played, at every table size the larger screens allow, and at 800 x 600 once more with a
short name that the human's boxes cut by a few pixels only; prints what it measured.

Usage: caption_test.py PROGRAM"""

import re
import subprocess
import sys

from screen_pixels import ScreenPixels, background_of, ink_columns
from title_bar import blank_title_bar, caption_of, set_caption, settled, visible_caption
from x_session import (StepTimeout, XSession, check, outer_rect, run_on_program, wait_for,
                       window_info)

NAMES = {1: "WWWWWWWWWWWWWW", 2: "Christopherson", 3: "Abcdefghijklmn", 4: "mmmmmmmmmmmmmm"}
# A short name whose caption the boxes beside the human's caption cut by a few pixels only.
NEAR_THE_EDGE = {1: "WWWW", 2: "Lefty", 3: "TopGun", 4: "RightStuff"}
# Screen, table size setting (1 small, 2 medium, 3 large) and the scale it gives.
CONFIGURATIONS = ((800, 600, 1, 1.0), (1024, 768, 1, 1.0), (1024, 768, 2, 1.5),
                  (1920, 1080, 1, 1.0), (1920, 1080, 2, 1.5), (1920, 1080, 3, 2.0))
COLOUR_TOLERANCE = 8
# The most blank rows between the score under the tiles and the window's bottom edge.
_MOST_BLANK_BELOW = 4


class Reference:
    """A wide window on a private X screen that draws any caption whole."""

    def __init__(self, session):
        self.session = session
        self.window = self._message("-geometry", "600x30+0+100")
        # A second window holds the focus, so that the reference is drawn as inactive, as the
        # game's windows are while the table has the focus.
        self.focus = self._message("-geometry", "200x30+0+300")
        self.session.x("xdotool", "windowactivate", "--sync", self.focus)
        self.bar = blank_title_bar(session, self.window)

    def _message(self, *geometry):
        before = set(self.session.x("xdotool", "search", "--class", "Xmessage").split())
        self.session.start_child(["xmessage", "-title", "pipwick-reference", *geometry, " "],
                                 stderr=subprocess.DEVNULL)

        def new_window():
            now = set(self.session.x("xdotool", "search", "--onlyvisible", "--class",
                                     "Xmessage").split())
            return (now - before) and sorted(now - before)[0]

        return wait_for("the reference window", new_window)

    def _info(self):
        return window_info(self.session, self.window)

    def text(self, caption):
        set_caption(self.session, self.window, caption)
        text = settled(lambda: self.bar.text(ScreenPixels(self.session), self._info()))
        if not check(text, "the reference window shows no text for %r" % caption):
            return ()
        # Its own title bar must hold the caption with room to spare, or it proves nothing.
        width = outer_rect(self._info())[2] - outer_rect(self._info())[0]
        check(len(text[0]) < width - self.bar.left - self.bar.right - 20,
              "the reference window is too narrow for %r" % caption)
        return text


def same_text(drawn, reference):
    """Whether two captions' pixels are the same text: the same size and colours within a few
    levels, for the window manager may dither its title bars' shading differently per screen."""
    return bool(drawn) and len(drawn) == len(reference) and all(
        len(row) == len(other) and all(
            abs(a - b) <= COLOUR_TOLERANCE for pixel, other_pixel in zip(row, other)
            for a, b in zip(pixel, other_pixel))
        for row, other in zip(drawn, reference))


def label_under_tiles(pixels, info):
    """The ink at the bottom of the window's client area, where the score is written under the
    tiles: from the lowest row with ink up while the rows hold ink, cut to the columns that do.
    The label must stand clear of what is above it, and of the window's bottom edge, by a blank
    row."""
    rows = pixels.block(info["x"], info["y"], info["x"] + info["width"],
                        info["y"] + info["height"])
    background = background_of(rows[-1] + rows[-2])
    middle = len(rows) // 2

    def blank(row):
        return all(pixel == background for pixel in row)

    if not blank(rows[-1]):
        return "touching the edge"
    # The label sits in the middle of the strip under the slots, a few blank rows above the
    # edge at most; further up is the tiles' own ink.
    bottom = len(rows) - 1
    while bottom > len(rows) - 1 - _MOST_BLANK_BELOW and blank(rows[bottom - 1]):
        bottom -= 1
    if blank(rows[bottom - 1]):
        return ()
    label = []
    for row in reversed(rows[middle:bottom]):
        if blank(row):
            break
        label.insert(0, row)
    else:
        return "touching the tiles"
    ink = ink_columns(label)
    return tuple(row[ink[0]:ink[-1] + 1] for row in label) if ink else ()


def labels_match_scores(seen):
    """Whether the computer players' labels under the tiles are drawn alike exactly where their
    captions hold the same score."""
    labelled = []
    for player, (title, label, width, caption) in seen.items():
        match = re.fullmatch(r"(\d+) - .*", caption or "")
        if player > 1 and match and label and not isinstance(label, str):
            labelled.append((int(match.group(1)), label))
    return all((score == other_score) == (label == other_label)
               for score, label in labelled for other_score, other_label in labelled)


def read_scores(game, ids, bars, reference, names, where):
    """Checks that each player's score can be read; returns what was measured per player."""
    session = game.session
    session.x("xdotool", "windowactivate", "--sync", ids[0])
    wait_for("the window manager to take the captions in", lambda: all(
        visible_caption(session, ids[p]) == caption_of(session, ids[p]) for p in names))
    found = {}

    def look():
        pixels = ScreenPixels(session)
        seen = {}
        for player in names:
            info = window_info(session, ids[player])
            seen[player] = (bars[player].text(pixels, info),
                            label_under_tiles(pixels, info), info["width"],
                            caption_of(session, ids[player]))
        return seen

    # The screen is read until two reads agree and the labels agree with the captions: a busy
    # machine may repaint one window a while after another.
    last = {}

    def drawn():
        seen = look()
        agreed = seen == last.get("seen")
        last["seen"] = seen
        return agreed and labels_match_scores(seen)

    try:
        wait_for("every score drawn", drawn, interval=0.2)
    except StepTimeout:
        pass
    seen = last["seen"]
    for player in names:
        title, label, width, caption = seen[player]
        match = re.fullmatch(r"(\d+) - (.*)", caption or "")
        if not check(match and match.group(2) == names[player],
                     "%s: player %d's caption is %r" % (where, player, caption)):
            continue
        whole = same_text(title, reference.text(caption))
        found[player] = (int(match.group(1)), whole, label)
        print("  %-28s window %3d px, %d box%s: caption %s, score under the tiles %s" % (
            caption, width, len(bars[player].boxes), "" if len(bars[player].boxes) == 1 else "es",
            "whole" if whole else "cut short",
            "shown" if label else "not shown"), flush=True)
        check(not isinstance(label, str),
              "%s: player %d's score is %s" % (where, player, label))
        check(whole or label,
              "%s: player %d's score can be read nowhere (%r cut short)" % (where, player, caption))
    # The computer players' labels are drawn alike: the same score looks the same in each
    # window, another score does not.
    labelled = [(score, label) for player, (score, whole, label) in found.items()
                if label and player > 1]
    for score, label in labelled:
        for other_score, other_label in labelled:
            check((score == other_score) == (label == other_label),
                  "%s: scores %d and %d are written %s" % (
                      where, score, other_score, "alike" if label == other_label else "apart"))
    return found


def game_windows(game, names):
    ids = {0: wait_for("the table", lambda: game.window("Pipwick"), timeout=15)}
    for player in range(1, 5):
        ids[player] = wait_for("player %d's window" % player,
                               lambda player=player: game.window(names[player]), timeout=15)
    return ids


def title_bars(game, ids):
    """Each player window's title bar, measured while the table has the focus; the window
    manager draws the human's window with other boxes than the computer players'."""
    game.session.x("xdotool", "windowactivate", "--sync", ids[0])
    return {player: blank_title_bar(game.session, ids[player]) for player in range(1, 5)}


def new_game(game, ids):
    session = game.session
    session.x("xdotool", "windowactivate", "--sync", ids[1])
    session.x("xdotool", "key", "--window", ids[1], "ctrl+n")
    wait_for("the scores in the captions", lambda: all(
        (caption_of(session, ids[p]) or "").startswith("0 - ") for p in range(1, 5)), timeout=15)


def play_hand(game, ids):
    """Leads with the first tile if the human leads, then passes until the hand is over, and
    closes the end-of-hand message."""
    session = game.session
    info = window_info(session, ids[1])
    session.x("xdotool", "mousemove", str(info["x"] + 10), str(info["y"] + info["height"] - 20),
              "click", "1")
    def hand_over():
        """Draws or passes once more unless the end-of-hand message is up; the message."""
        popups = [wid for wid in session.x("xdotool", "search", "--all", "--onlyvisible", "--pid",
                                            str(game.process.pid), "--name", "^Pipwick$").split()
                  if wid != ids[0]]
        if not popups:
            session.x("xdotool", "key", "--window", ids[1], "ctrl+a")
        return popups and popups[0]

    try:
        popup = wait_for("the end of the hand", hand_over, timeout=180, interval=0.3)
    except StepTimeout:
        check(False, "no hand ended")
        return
    info = window_info(session, popup)
    session.x("xdotool", "mousemove", str(info["x"] + 20), str(info["y"] + 20), "click", "1")
    wait_for("the end-of-hand message to close",
             lambda: not window_info(session, popup)["mapped"], timeout=15)


def run(program):
    with XSession(1920, 1080, None) as reference_screen:
        reference = Reference(reference_screen)
        runs = [(configuration, NAMES) for configuration in CONFIGURATIONS]
        runs.append((CONFIGURATIONS[0], NEAR_THE_EDGE))
        for (width, height, table_size, scale), names in runs:
            where = "%dx%d at scale %.1f, player %s" % (width, height, scale, names[1])
            print(where, flush=True)
            settings = {"nump": 4, "sound": 0, "delay": 0, "speed": 10, "tblsz": table_size}
            settings.update({"pnm%d" % p: name for p, name in names.items()})
            with XSession(width, height, program) as session:
                # Every run deals the same hands, so the scores it reads are always the same.
                game = session.start_game(settings, extra_env={"PIPWICK_SEED": "2026"})
                try:
                    ids = game_windows(game, names)
                    bars = title_bars(game, ids)
                    new_game(game, ids)
                    read_scores(game, ids, bars, reference, names, where)
                    if width == 800 and names is NAMES:
                        play_hand(game, ids)
                        found = read_scores(game, ids, bars, reference, names,
                                            where + " after a hand")
                        check(any(score for score, _, _ in found.values()),
                              "%s: nobody scored in a whole hand" % where)
                except StepTimeout as timeout:
                    check(False, "%s: %s\n%s" % (where, timeout, game.output()))
                finally:
                    game.end()


if __name__ == "__main__":
    sys.exit(run_on_program(__doc__, run))
