#!/usr/bin/env python3
"""Two people at one network table, each in a program of his own on one desktop: the host opens
a two-player table from Game > Host a Table... with chair 3 a person, the guest joins it on the
loopback with the port, code and certificate fingerprint that the host's dialog shows, and the
host starts it. A whole hand is then played with the mouse in each program's own windows: a tile
clicked in the hand, then the end of the table where the screen reader says it fits, Draw when
none does. After every move both programs show the same table, and each the other's score and
tiles as the other shows his own; the hand ends in both; and the host's quitting is told in the
guest's status line. Read through the real AT-SPI bus; skipped where the bus or pyatspi is
missing.

Usage: network_table_test.py PROGRAM"""

import os
import re
import sys

from atspi_session import AtspiSession, children, find_all, run_on_program_with_bus
from x_session import StepTimeout, XSession, check, outer_rect, wait_for, window_info

TIMEOUT = 60.0
# The host keeps the default name; each program's window across the table bears the other's.
HOST, GUEST = "Player", "Guest"
HAND_OVER = re.compile(r"The hand is over\b")
HOST_CLOSED = "The host has closed the table."
MOVE = re.compile(r"^\S+ (leads|plays|draws|passes)\b")
PLAY_WORDS = re.compile(r", (scores \d+|scores nothing|does not fit)$")
# A hand of two players lays at most 28 tiles; a bound keeps a table that never ends from looping.
MOST_MOVES = 80


class Player:
    """A person at the table in a program of his own, as he sees it: read through the screen
    reader's tree, acted on with the mouse at the places the tree gives. name is his own, which
    titles his window and his turns in the status line."""

    def __init__(self, bus, session, game, who, name):
        self.bus = bus
        self.session = session
        self.game = game
        self.who = who
        self.name = name
        self.other = GUEST if name == HOST else HOST
        self.told = []
        self.windows = {}
        self.found = {}
        self.app = bus.wait_for("%s's program on the bus" % who,
                                lambda: bus.application(game.process.pid), timeout=TIMEOUT)
        bus.pyatspi.Registry.registerEventListener(self._heard, "object:text-changed:insert")

    def _heard(self, event):
        try:
            if (event.source.getRoleName() == "status bar"
                    and event.source.get_application().get_process_id() == self.game.process.pid):
                self.told.append(event.any_data)
        except Exception:  # an object that has just gone
            pass

    def find(self, what, predicate, root=None):
        return self.bus.wait_for("%s: %s" % (self.who, what),
                                 lambda: find_all(root or self.app, predicate),
                                 timeout=TIMEOUT)[0]

    def named(self, role, name, root=None):
        return self.find("the %s %r" % (role, name),
                         lambda o: o.getRoleName() == role and o.name == name, root)

    def lasting(self, role, name):
        """An object found once and kept: the status line, the hand and the table live as long
        as the program."""
        if (role, name) not in self.found:
            self.found[role, name] = self.named(role, name)
        return self.found[role, name]

    def status(self):
        self.bus.pump()
        return self.lasting("status bar", "Status").queryText().getText(0, -1)

    def hand(self):
        return self.lasting("list", "Your tiles")

    def table(self):
        return self.lasting("panel", "Table")

    def window(self, title):
        """This program's shown window of that title, its score before it or not; the largest
        where several bear it (a message that pops up is titled as the table is). The windows
        live as long as the program: each is found once."""
        if title not in self.windows:
            self.windows[title] = self.find_window(title)
        return self.windows[title]

    def find_window(self, title):
        pattern = re.compile(r"(\d+ - )?" + re.escape(title))

        def shown():
            found = [wid for wid in self.session.x("xdotool", "search", "--onlyvisible", "--pid",
                                                   str(self.game.process.pid)).split()
                     if pattern.fullmatch(self.session.x("xdotool", "getwindowname",
                                                         wid).rstrip("\n"))]
            sizes = {wid: window_info(self.session, wid) for wid in found}
            return max(found, key=lambda wid: sizes[wid]["width"] * sizes[wid]["height"],
                       default=None)

        return wait_for("%s: the window %s" % (self.who, title), shown, timeout=TIMEOUT)

    def message_shown(self):
        """Whether a message such as the end of a hand stands over the windows, keeping them."""
        try:
            return bool(find_all(self.app, lambda o: o.getRoleName() == "alert"))
        except Exception:  # an object that went while the tree was read: it is going
            return True

    def bring_forward(self, *titles):
        """Raises this program's windows above the other program's, the last on top."""
        for title in titles:
            wid = self.window(title)
            self.session.x("xdotool", "windowactivate", wid)
            wait_for("%s: the window %s active" % (self.who, title),
                     lambda: int(self.session.x("xdotool", "getactivewindow") or 0) == int(wid),
                     timeout=TIMEOUT)

    def click(self, accessible):
        extents = accessible.queryComponent().getExtents(self.bus.pyatspi.DESKTOP_COORDS)
        self.click_at(extents.x + extents.width // 2, extents.y + extents.height // 2)

    def click_at(self, x, y):
        self.session.x("xdotool", "mousemove", str(x), str(y), "click", "1")

    def choose_menu(self, menu, item):
        """Opens a menu of the menu bar with the mouse and clicks one of its items."""
        self.bring_forward(self.name)
        self.click(self.named("menu item", menu))
        shown = self.find("the menu item %r shown" % item, lambda o: o.getRoleName() ==
                          "menu item" and o.name == item and shown_on_screen(self, o))
        self.click(shown)

    def type_into(self, accessible, text):
        self.click(accessible)
        self.session.x("xdotool", "key", "--clearmodifiers", "ctrl+a")
        self.session.x("xdotool", "type", "--delay", "20", text)

    def moves_told(self):
        self.bus.pump()
        return [text for text in self.told if MOVE.match(text)]

    def hand_over(self):
        self.bus.pump()
        return any(HAND_OVER.match(text) for text in self.told)

    def my_turn(self):
        """The status line tells a player that he leads or that it is his turn; after his own
        draw it tells the tile, and the turn is still his."""
        told = self.status()
        name = re.escape(self.name)
        return bool(re.fullmatch(name + r"'s (down|turn)", told) or
                    re.match(name + r" draws ", told))

    def tiles(self):
        return [tile for tile in children(self.hand()) if tile.getRoleName() == "list item"]

    def ends(self):
        return [item for item in children(self.table()) if item.getRoleName() == "list item"]

    def laid(self):
        """The tiles on the table as the screen reader names them, arm by arm, and the open
        ends."""
        return [item.name for item in children(self.table())]

    def other_hand(self):
        if "other" not in self.found:
            self.found["other"] = self.find("%s's tiles" % self.other,
                                            lambda o: o.getRoleName() == "list" and
                                            o.name.endswith(self.other))
        return self.found["other"]

    def score(self, title):
        shown = self.session.x("xdotool", "getwindowname", self.window(title))
        found = re.match(r"(\d+) - ", shown)
        return int(found.group(1)) if found else None

    def seen(self):
        """The table, and the score and number of tiles of this player and of the other."""
        others = [o for o in children(self.other_hand()) if o.getRoleName() == "list item"]
        return (self.laid(), (self.score(self.name), len(self.tiles())),
                (self.score(self.other), len(others)))

    def face_forward(self):
        self.bring_forward("Pipwick", self.name)

    def move(self):
        """Leads the first tile on an empty table; else picks up each tile in turn until an end
        says it fits and clicks that end, or draws (passes) when none fits."""
        self.face_forward()
        if not self.ends():
            self.click(self.tiles()[0])
            return
        for index in range(len(self.tiles())):
            name = self.tiles()[index].name
            self.click(self.tiles()[index])
            said = self.bus.wait_for("%s: the ends to say whether %s fits" % (self.who, name),
                                     lambda: self.ends_for(index), timeout=TIMEOUT)
            fitting = [i for i, end in enumerate(said) if not end.endswith("does not fit")]
            if fitting:
                self.click_end(self.ends()[fitting[0]])
                return
        self.click(self.find("Draw or Pass", lambda o: o.getRoleName() == "menu item" and
                             o.name in ("Draw", "Pass")))

    def ends_for(self, index):
        """What each end says of the tile at index once it is the one picked up, else None."""
        selected = self.tiles()[index].getState().contains(self.bus.pyatspi.STATE_SELECTED)
        said = [end.name for end in self.ends()]
        return said if selected and all(PLAY_WORDS.search(end) for end in said) else None

    def click_end(self, end):
        """Clicks an end where the player sees it: on the table, or on its picture shown above
        the player window that covers it."""
        extents = end.queryComponent().getExtents(self.bus.pyatspi.DESKTOP_COORDS)
        x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
        covering = [wid for wid in (self.window(self.name), self.window(self.other))
                    if inside(outer_rect(window_info(self.session, wid)), x, y)]
        if covering:
            shown = wait_for("%s: the covered end shown" % self.who,
                             lambda: shown_ends(self), timeout=TIMEOUT)
            x, y = min(shown, key=lambda centre: abs(centre[0] - x) + abs(centre[1] - y))
        self.click_at(x, y)


def shown_on_screen(person, accessible):
    extents = accessible.queryComponent().getExtents(person.bus.pyatspi.DESKTOP_COORDS)
    return extents.width > 0 and extents.height > 0 and extents.x > 0 and extents.y > 0


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def shown_ends(player):
    """The centres of the program's ends shown above its player windows."""
    session = player.session
    centres = []
    for wid in session.x("xdotool", "search", "--all", "--onlyvisible", "--pid",
                         str(player.game.process.pid)).split():
        if re.search(r"Override Redirect State:\s+yes", session.x("xwininfo", "-id", wid)):
            info = window_info(session, wid)
            if info["mapped"]:
                centres.append((info["x"] + info["width"] // 2, info["y"] + info["height"] // 2))
    return centres


def host_table(host):
    """Opens a two-player table with chair 3 a person; the dialog, and the port, code and
    certificate fingerprint that it shows."""
    host.choose_menu("Game", "Host a Table...")
    dialog = host.named("dialog", "Host a Table")
    players = host.find("the players", lambda o: o.getRoleName() == "combo box" and
                        shown_on_screen(host, o), dialog)
    check(players.name == "2", "the host's dialog offers %r players first" % players.name)
    chair = host.find("chair 3", lambda o: o.getRoleName() == "combo box" and
                      shown_on_screen(host, o) and o.name.startswith("Computer"), dialog)
    host.click(chair)
    host.click(host.find("A person in the list", lambda o: o.getRoleName() == "list item" and
                         o.name == "A person" and shown_on_screen(host, o), chair))
    host.click(host.named("push button", "Open the table", dialog))
    where = host.find("where the table is", lambda o: o.getRoleName() == "label" and
                      "Table code: " in o.name, dialog).name
    shown = re.search(r"Port: (\d+)\nTable code: (\w+)\nCertificate fingerprint:\n"
                      r"\s*([0-9a-fA-F ]+)\n\s*([0-9a-fA-F ]+)$", where)
    if not check(shown, "the host's dialog shows %r" % where):
        raise StepTimeout("no table to join")
    return dialog, shown.group(1), shown.group(2), shown.group(3) + " " + shown.group(4)


def join_table(guest, port, code, fingerprint):
    """Joins with the port, code and fingerprint typed as the host's dialog shows them, and is
    seated: the table's certificate is the host's."""
    guest.choose_menu("Game", "Join a Table...")
    dialog = guest.named("dialog", "Join a Table")
    for label, text in (("Address", "127.0.0.1"), ("Port", port), ("Table code", code),
                        ("Certificate fingerprint", fingerprint)):
        guest.type_into(guest.find(label, lambda o: o.getRoleName() in ("text", "spin button")
                                   and o.name == label, dialog), text)
    guest.click(guest.named("push button", "OK", dialog))
    guest.bus.wait_for("the guest seated at the table whose fingerprint he gave", lambda: any(
        told.startswith("You sit in chair 3") for told in guest.told), timeout=TIMEOUT)


def start_table(host, dialog):
    start = host.named("push button", "Start", dialog)
    host.bus.wait_for("Start to be enabled once the guest sits",
                      lambda: start.getState().contains(host.bus.pyatspi.STATE_ENABLED),
                      timeout=TIMEOUT)
    seated = host.find("who sits where", lambda o: o.getRoleName() == "label" and
                       o.name.startswith("Chair 1: "), dialog).name
    check(seated == "Chair 1: %s\nChair 3: %s" % (HOST, GUEST),
          "the host's dialog shows %r" % seated)
    extents = start.queryComponent().getExtents(host.bus.pyatspi.DESKTOP_COORDS)
    check(extents.y >= 0 and extents.y + extents.height <= host.session.height,
          "Start lies at y %d to %d on a screen %d high"
          % (extents.y, extents.y + extents.height, host.session.height))
    host.bring_forward("Host a Table")
    host.click(start)


def same_table(players, moves):
    """Waits until both programs have told every move so far and show the same table, each the
    other's score and number of tiles as his own program shows them."""
    for player in players:
        player.bus.wait_for("%s: move %d told" % (player.who, moves),
                            lambda: len(player.moves_told()) >= moves, timeout=TIMEOUT)

    def agree():
        host, guest = (player.seen() for player in players)
        return host[0] == guest[0] and host[1] == guest[2] and host[2] == guest[1]

    try:
        players[0].bus.wait_for("both programs to agree after move %d" % moves, agree,
                                timeout=TIMEOUT)
    except StepTimeout:
        check(False, "after move %d the host shows %r and the guest %r"
              % (moves, players[0].seen(), players[1].seen()))


def play_hand(players):
    """Each move by the player whose program says it is his turn, until the hand is over."""
    moves = 0
    while not all(player.hand_over() for player in players):
        check(moves < MOST_MOVES, "the hand went on past %d moves" % MOST_MOVES)
        if moves >= MOST_MOVES:
            return
        mover = players[0].bus.wait_for(
            "someone's turn or the hand's end after move %d" % moves,
            lambda: [p for p in players if p.my_turn()] or all(p.hand_over() for p in players),
            timeout=TIMEOUT)
        if mover is True:
            break
        check(len(mover) == 1, "after move %d both programs say it is their turn" % moves)
        mover[0].move()
        moves += 1
        same_table(players, moves)
    print("played a hand of %d moves" % moves, flush=True)


def private_home(session, who):
    home = os.path.join(session.folder, who)
    os.makedirs(home)
    return {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache")}


def run(program):
    with XSession(1024, 768, program) as session:
        bus = AtspiSession(session, [])
        settings = {"sound": 0, "nump": 2}
        games = [session.start_game(settings, extra_env=private_home(session, "host"))]
        players = [Player(bus, session, games[0], "the host", HOST)]
        try:
            host = players[0]
            dialog, port, code, fingerprint = host_table(host)
            # The guest's windows come up over the host's: he starts once the host is done.
            games.append(session.start_game(dict(settings, pnm1=GUEST),
                                            extra_env=private_home(session, "guest")))
            players.append(Player(bus, session, games[1], "the guest", GUEST))
            guest = players[1]
            join_table(guest, port, code, fingerprint)
            start_table(host, dialog)
            play_hand(players)
            # The end of the hand is told in a message that keeps the windows until it goes.
            for player in players:
                bus.wait_for("%s: the end of the hand's message to go" % player.who,
                             lambda: not player.message_shown(), timeout=TIMEOUT)
            host.face_forward()
            host.choose_menu("Game", "Exit\tAlt+X")
            guest.bus.wait_for("the guest told that the host has gone",
                               lambda: guest.status().endswith(HOST_CLOSED), timeout=TIMEOUT)
            wait_for("the host's program to end", lambda: host.game.process.poll() is not None,
                     timeout=TIMEOUT)
            check(host.game.process.returncode == 0,
                  "the host's program ended with %d" % host.game.process.returncode)
            check(guest.game.process.poll() is None, "the guest's program ended with the table")
        except StepTimeout as timeout:
            told = ["%s's status line reads %r; it told:\n  %s\nthe program said: %s"
                    % (player.who, player.status(), "\n  ".join(player.told),
                       player.game.output()) for player in players]
            check(False, "%s\n%s" % (timeout, "\n".join(told)))


if __name__ == "__main__":
    sys.exit(run_on_program_with_bus(__doc__, run))
