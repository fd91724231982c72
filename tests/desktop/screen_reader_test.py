#!/usr/bin/env python3
"""What a screen reader hears of a game, on the real accessibility bus: the test starts its own
session bus and at-spi2 registry, listens with pyatspi as a screen reader does, and plays the
last hand of a seeded four-player game in the real program on Xvfb and openbox, from the
keyboard alone, as the simulator played the same saved game. It checks that every tile and end
is named, that every move of the simulator's trace is told exactly once and in its order (and
nothing else twice), and that the tree still shows every tile once the game is over.

Usage: screen_reader_test.py PROGRAM SIMULATOR DEALT_GAME"""

import json
import re
import subprocess
import sys

from atspi_session import AtspiSession, available, children, find_all, names
from x_session import StepTimeout, XSession, check, failures, report

SKIP = 77
# The deal and the scores of the saved game, chosen so that its hand ends the game after plays
# and passes of every player; the run seed only deals hands that are never played.
DEAL_SEED, SCORE, RUN_SEED = "12", "210", "5"
NAMES = {1: "Player", 2: "Lefty", 3: "TopGun", 4: "RightStuff"}
PIPS = ["blank", "one", "two", "three", "four", "five", "six"]
ENDS = ["right", "top", "left", "bottom"]
EVENTS = ["object:text-changed:insert", "object:property-change:accessible-name",
          "object:property-change:accessible-description"]
MOVE = re.compile(r"^(\S+ (leads|plays|draws|passes)\b|The hand is over|The game is over)")
END = re.compile(r"^(right|top|left|bottom) end: (double )?(%s)$" % "|".join(PIPS))
TIMEOUT = 60.0


def tile_words(a, b):
    high, low = max(a, b), min(a, b)
    return "double " + PIPS[high] if high == low else PIPS[high] + "-" + PIPS[low]


def tile_of_id(tile):
    """A tile's pips from its number: the tiles are numbered by low pip, then high pip, from 1."""
    for low in range(7):
        for high in range(low, 7):
            if low * 7 - low * (low - 1) // 2 + (high - low) + 1 == tile:
                return low, high
    raise ValueError(tile)


ALL_TILES = {tile_words(low, high) for low in range(7) for high in range(low, 7)}


def reference_trace(simulator, path):
    """The simulator's moves from the saved game to the end of the game."""
    out = subprocess.run([simulator, "--open", path, "--levels", "1,1,1,1", "--seed", RUN_SEED,
                          "--trace"], capture_output=True, text=True, timeout=120, check=True)
    trace = []
    for line in out.stdout.splitlines():
        trace.append(json.loads(line))
        if trace[-1]["event"] == "gameOver":
            return trace
    raise RuntimeError("the simulator's game did not end")


def expected_news(trace, laid):
    """What a screen reader must hear of each move of the trace, in its order."""
    news = []
    for event in trace:
        kind, name = event["event"], NAMES.get(event.get("player"))
        if kind == "play":
            words = tile_words(event["inner"], event["outer"])
            score = ", scores %d" % event["score"] if event["score"] > 0 else ""
            if laid == 0:
                news.append("%s leads %s%s" % (name, words, score))
            else:
                news.append("%s plays %s on the %s end%s" % (name, words, ENDS[event["arm"]],
                                                              score))
            laid += 1
        elif kind == "draw":
            shown = tile_words(*tile_of_id(event["tile"])) if event["player"] == 1 else "a tile"
            news.append("%s draws %s" % (name, shown))
        elif kind == "pass":
            news.append("%s passes" % name)
        elif kind == "handEnd":
            winner, gain = event["award"]
            news.append("The hand is over: %s" % ("%s wins %d" % (NAMES[winner], gain)
                                                  if winner else "nobody wins"))
        elif kind == "gameOver":
            news.append("The game is over: %s wins" % NAMES[event["winner"]])
    return news


class Reader:
    """The program as a screen reader finds it on the bus."""

    def __init__(self, bus, game):
        self.bus = bus
        self.app = bus.wait_for("the program on the bus", lambda: bus.application(game.process.pid))
        self.found = {}

    def one(self, what, predicate):
        """The object found once and kept: the windows and lists live as long as the program."""
        if what not in self.found:
            self.found[what] = self.bus.wait_for(
                what, lambda: find_all(self.app, predicate), timeout=TIMEOUT)[0]
        return self.found[what]

    def hand(self):
        return self.one("the human's tiles", lambda o: o.name == "Your tiles")

    def table(self):
        return self.one("the table", lambda o: o.name == "Table")

    def opponent(self, player):
        return self.one("%s's tiles" % NAMES[player],
                        lambda o: o.getRoleName() == "list" and o.name.endswith(NAMES[player]))

    def status(self):
        return self.one("the status line", lambda o: o.getRoleName() == "status bar")

    def news(self):
        """Every text the status line told, in order."""
        return [event[4] for event in self.bus.events
                if event[0] == "object:text-changed:insert" and event[2] == "status bar"]

    def moves(self):
        return [n for n in self.news() if MOVE.match(n)]


def press(session, *keys):
    for key in keys:
        session.x("xdotool", "key", "--clearmodifiers", key)


def focused_tile(reader):
    """The place in the human's list of the tile with the keyboard's focus, or None."""
    tiles = [child for child in children(reader.hand()) if child.getRoleName() == "list item"]
    for index, tile in enumerate(tiles):
        if tile.getState().contains(reader.bus.pyatspi.STATE_FOCUSED):
            return index
    return None


def focus_hand(reader, session, window):
    """Brings the human's window to the front until his hand has the keyboard's focus."""
    def focused():
        if reader.hand().getState().contains(reader.bus.pyatspi.STATE_FOCUSED):
            return True
        session.x("xdotool", "windowactivate", window)
        return False

    reader.bus.wait_for("the keyboard's focus in the human's hand", focused, timeout=TIMEOUT,
                        interval=0.5)


def human_moves(reader, session, window, event, laid):
    """Makes the human's move of the trace with the keys: the tile found in his list, then the
    end the simulator chose (for a double that became the spinner, the end of the line it fits).
    Each key that moves the focus is waited for as the reader sees it."""
    focus_hand(reader, session, window)
    if event["event"] in ("draw", "pass"):
        press(session, "ctrl+a")
        return
    words = tile_words(event["inner"], event["outer"])

    def place():
        tiles = names(reader.hand(), "list item")
        return words in tiles and tiles.index(words) + 1

    slot = reader.bus.wait_for("%s in the human's hand" % words, place, timeout=TIMEOUT) - 1
    press(session, "Home")
    reader.bus.wait_for("the focus on the first tile", lambda: focused_tile(reader) == 0,
                        timeout=TIMEOUT)
    for step in range(1, slot + 1):
        press(session, "Right")
        reader.bus.wait_for("the focus on tile %d" % step,
                            lambda: focused_tile(reader) == step, timeout=TIMEOUT)
    press(session, "space")
    if laid == 0:
        return
    ends = reader.bus.wait_for("the ends to say what %s would do" % words, lambda: [
        n for n in names(reader.table(), "list item") if ", scores" in n or "does not fit" in n],
        timeout=TIMEOUT)
    arm = event["arm"]
    if event["spinner"] == 1:
        fitting = [i for i in (0, 2) if any(n.startswith(ENDS[i]) and "does not fit" not in n
                                            for n in ends)]
        if len(fitting) != 1:
            raise RuntimeError("the spinner %s fits %d ends of the line" % (words, len(fitting)))
        arm = fitting[0]
    press(session, str(arm + 1), "Return")


def check_nothing_said_twice(news):
    """Between two moves no news comes twice, and none says again what a move said (the score
    of a play)."""
    since_move = []
    for said in news:
        if MOVE.match(said):
            since_move = []
            continue
        check(said not in since_move, "%r told twice after one move" % said)
        check(not re.match(r"^\S+ scores \d+$", said), "%r repeats a play's score" % said)
        since_move.append(said)


def check_named(reader, where):
    """Every tile of every list and every end of the table has a name a player understands."""
    hand = names(reader.hand(), "list item")
    check(hand and all(n in ALL_TILES for n in hand), "%s: the human's tiles are %r" % (where, hand))
    for player in (2, 3, 4):
        tiles = names(reader.opponent(player), "list item")
        check(tiles and set(tiles) == {"face down"},
              "%s: %s's tiles are %r" % (where, NAMES[player], tiles))
    table = reader.table()
    ends = names(table, "list item")
    check(ends and all(END.match(n) for n in ends), "%s: the open ends are %r" % (where, ends))
    laid = [n for n in names(table) if n not in ends]
    check(laid and all(n in ALL_TILES for n in laid), "%s: the table's tiles are %r"
          % (where, laid))


def check_after_the_game(reader, laid):
    """The lists still show every tile: 28 tiles, each once, and the table as played."""
    lists = [reader.hand()] + [reader.opponent(player) for player in (2, 3, 4)]
    held = [n for tiles in lists for n in names(tiles, "list item")]
    table = [child.name for child in children(reader.table())
             if child.getRoleName() != "list item"]
    check(len(table) == laid, "after the game the table lists %d tiles, %d were laid"
          % (len(table), laid))
    everything = held + table
    check(sorted(everything) == sorted(ALL_TILES),
          "after the game the tree holds %d tiles (%d different) where 28 lie"
          % (len(everything), len(set(everything))))


def check_seats_left_out(bus, session):
    """In a two-player game the windows of the players who sit out are not in the tree."""
    game = session.start_game({"nump": 2, "sound": 0})
    try:
        reader = Reader(bus, game)
        shown = ("Table", NAMES[1], NAMES[3])

        def all_shown():
            found = [child.name for child in children(reader.app)]
            return all(name in found for name in shown) and found

        windows = bus.wait_for("the windows of a two-player game", all_shown, timeout=TIMEOUT)
        check(sorted(windows) == sorted(shown), "the windows of a two-player game are %r"
              % windows)
    finally:
        game.end()


def run(program, simulator, dealer):
    with XSession(1024, 768, program) as session:
        path = "%s/game.dom" % session.folder
        subprocess.run([dealer, DEAL_SEED, SCORE, path], check=True, timeout=60)
        trace = reference_trace(simulator, path)
        bus = AtspiSession(session, EVENTS)
        settings = {"nump": 4, "sound": 0, "delay": 0, "speed": 10, "pn2l": 1, "pn3l": 1,
                    "pn4l": 1}
        settings.update({"pnm%d" % p: name for p, name in NAMES.items()})
        game = session.start_game(settings, arguments=[path])
        try:
            reader = Reader(bus, game)
            human = bus.wait_for("the human's window", lambda: session.x(
                "xdotool", "search", "--pid", str(game.process.pid), "--name",
                " - Player$").split(), timeout=TIMEOUT)[0]
            laid = len([n for n in names(reader.table()) if n in ALL_TILES])
            expected = expected_news(trace, laid)
            for index, event in enumerate(trace):
                if event.get("player") == 1 and event["event"] in ("play", "draw", "pass"):
                    bus.wait_for("the moves before the human's move %d" % index,
                                 lambda: len(reader.moves()) >= index, timeout=TIMEOUT)
                    if index > 0 and laid > 0:
                        check_named(reader, "before move %d" % index)
                    human_moves(reader, session, human, event, laid)
                if event["event"] == "play":
                    laid += 1
            bus.wait_for("the end of the game", lambda: len(reader.moves()) >= len(expected)
                         and reader.moves()[-1].startswith("The game is over"), timeout=TIMEOUT)
            heard = reader.moves()
            check(heard == expected, "the moves told:\n  %s\nthe game's trace:\n  %s"
                  % ("\n  ".join(heard), "\n  ".join(expected)))
            news = reader.news()
            check_nothing_said_twice(news)
            renamed = [e for e in bus.events if e[0].endswith("accessible-name")
                       and e[2] == "status bar"]
            check(not renamed, "the status line sent %d name changes" % len(renamed))
            # Each change of the human's hand reached the reader as a change of the whole list.
            plays = sum(1 for e in trace if e["event"] == "play" and e["player"] == 1)
            hand_changes = [e for e in bus.events if e[0].endswith("accessible-description")
                            and e[1] == "Your tiles"]
            check(len(hand_changes) >= plays, "%d changes of the human's tiles told for %d plays"
                  % (len(hand_changes), plays))
            status = reader.status()
            text = status.queryText()
            check(text.getText(0, -1) == news[-1], "the status line reads %r, last told %r"
                  % (text.getText(0, -1), news[-1]))
            check_after_the_game(reader, laid)
            print("told:", "\n  ".join([""] + news))
        except StepTimeout as timeout:
            check(False, "%s; told so far:\n  %s" % (timeout, "\n  ".join(reader.news())))
            print("events heard:", len(bus.events), bus.events[:20])
            print("the program said:", game.output())
        finally:
            game.end()
        check_seats_left_out(bus, session)


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    if not available():
        print("SKIPPED: the at-spi2 bus launcher or pyatspi is not installed")
        return SKIP
    run(*sys.argv[1:])
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
