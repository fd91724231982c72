"""A trial player: a person's chair played by this script over a real connection. On its turn it
tries its tiles on the ends its news says are open, each in turn until the table takes one, then
Draw/Pass; should the table answer that it must play, it tries every tile on every arm. It keeps
every message it was sent, so that the tests can hold them against the server's own trace.

It follows the table only from its own news: whose turn it is, how many tiles each hand holds, and
each arm's open pip. Its guess is only a guess; the table decides, and a refusal costs nothing
but a message. It keeps well under the table's limit of messages per second."""

import selectors
import time

from ws_client import Message, Timeout, WebSocket, remaining

PROTOCOL_VERSION = 2
# Tiles 1..28 run through the suits: 0-0, 0-1, ... 0-6, 1-1, ... 6-6.
PIPS = [None] + [(low, high) for low in range(7) for high in range(low, 7)]
SPINNER_GAMES = (0,)  # only All Fives makes its first double a spinner
MESSAGES_PER_SECOND = 15  # the table lets a player go above 20


def takes_part(players, seat):
    return seat in (1, 3) or (seat == 2 and players >= 3) or (seat == 4 and players == 4)


def seats_of(players):
    return [seat for seat in (1, 2, 3, 4) if takes_part(players, seat)]


def next_seat(players, seat):
    order = seats_of(players)
    return order[(order.index(seat) + 1) % len(order)]


def tiles_in(news):
    """Every tile a news item names, in any field."""
    shown = {tile for hand in news["hands"] for tile in hand}
    if news["tile"]:
        shown.add(news["tile"])
    return shown


class Board:
    """The open pip of each arm (None while closed), as the plays on it leave it. The first double
    of a spinner game becomes the root of arm 0; its side arms 1 and 3 open once both of its
    sides carry tiles, from the play after the one that laid it."""

    def __init__(self, spinner_game):
        self.spinner_game = spinner_game
        self.open = [None] * 4
        self.length = [0] * 4
        self.spinner = None

    def lay(self, tile, arm):
        low, high = PIPS[tile]
        if self.length == [0] * 4:
            arm = 0
            self.open[0], self.open[2] = high, low
        else:
            self.open[arm] = high if low == self.open[arm] else low
        self.length[arm] += 1
        if self.spinner_game and self.spinner is None and low == high:
            self._root_at_spinner(arm, low)
        elif self.spinner is not None and self.open[1] is None and self.length[2] > 0 and \
                self.length[0] >= 2:
            self.open[1] = self.open[3] = self.spinner

    def _root_at_spinner(self, arm, pip):
        # The main line is read again from the double outward; each end keeps its arm.
        line = self.length[0] + self.length[2]
        self.length[0], self.length[2] = (1, line - 1) if arm == 0 else (line, 0)
        self.spinner = pip

    def fitting(self, tile):
        return [arm for arm in range(4) if self.open[arm] is not None and
                self.open[arm] in PIPS[tile]]


class TrialPlayer:
    def __init__(self, port, code, name):
        self.ws = WebSocket(port)
        self.code = code
        self.name = name
        self.messages = []  # every message read, the JSON of each text frame, in order
        self.end = None  # the close frame or end of stream that ended the connection
        self.seat = 0
        self.players = 0
        self.spinner_game = False
        self.hand = []
        self.counts = [0] * 5
        self.board = Board(False)
        self.turn = 0
        self.passes = 0
        self.game_over = False
        self.pending = None  # the move sent and not yet answered
        self.tries = []  # what is left to try this turn
        self.try_all = False
        self.sent_in_second = (0, 0)
        self.refusals = 0
        self.playing = True  # False: reads its news but makes no move

    def join(self, deadline):
        self.ws.open(deadline)
        self.ws.send_json({"type": "hello", "version": PROTOCOL_VERSION, "code": self.code,
                           "name": self.name})
        return self

    def news(self):
        return [m for m in self.messages if m.get("type") == "news"]

    def ended(self):
        return self.end is not None

    def take(self, message):
        """Takes one message read from the table."""
        if message.kind in ("close", "eof"):
            self.end = message
            return
        data = message.json()
        self.messages.append(data)
        kind = data["type"]
        if kind == "welcome":
            self.seat, self.players = data["seat"], data["players"]
        elif kind == "refused":
            self._refused(data["reason"])
        elif kind == "news":
            self._follow(data)

    def _refused(self, reason):
        self.pending = None
        self.refusals += 1
        if reason == "must-play" and not self.try_all:
            self.try_all = True
            self.tries = [(tile, arm) for tile in self.hand for arm in range(4)]
        elif reason in ("not-your-turn", "no-game"):
            # Its news is behind the table's: it waits for the next item.
            self.tries = []
            self.turn = 0

    def _follow(self, news):
        kind, seat = news["kind"], news["seat"]
        if kind == "game-started":
            self.spinner_game = news["rules"]["game"] in SPINNER_GAMES
        elif kind == "hand-dealt":
            self.hand = list(news["hands"][self.seat])
            self.counts = list(news["counts"])
            self.board = Board(self.spinner_game)
            self.passes = 0
            self._turn_to(seat)
        elif kind == "tile-laid":
            self.board.lay(news["tile"], news["arm"])
            self.counts[seat] -= 1
            self.passes = 0
            if seat == self.seat and news["tile"] in self.hand:
                self.hand.remove(news["tile"])
            self._turn_to(0 if self.counts[seat] == 0 else next_seat(self.players, seat))
        elif kind == "tile-drawn":
            self.counts[seat] += 1
            if seat == self.seat:
                self.hand.append(news["tile"])
            self._turn_to(seat)
        elif kind == "passed":
            self.passes += 1
            blocked = self.passes >= self.players
            self._turn_to(0 if blocked else next_seat(self.players, seat))
        elif kind == "hand-ended":
            self._turn_to(0)
        elif kind == "game-ended":
            self.game_over = True
            self._turn_to(0)

    def _turn_to(self, seat):
        """A move was made (or the hand began): whatever was pending has been answered."""
        self.turn = seat
        self.pending = None
        self.try_all = False
        self.tries = self._first_tries() if seat == self.seat else []

    def _first_tries(self):
        if self.board.length == [0] * 4:
            return [(self.hand[0], 0)] if self.hand else []
        return [(tile, arm) for tile in self.hand for arm in self.board.fitting(tile)]

    def wants_to_move(self):
        return (self.playing and not self.game_over and not self.ended() and self.seat != 0 and
                self.turn == self.seat and self.pending is None and
                (self.tries or not self.try_all))

    def wait_before_moving(self):
        """Seconds to wait before the next message may go, to stay under the table's limit."""
        second, sent = self.sent_in_second
        now = time.time()
        if int(now) == second and sent >= MESSAGES_PER_SECOND:
            return second + 1 - now
        return 0.0

    def move(self):
        if self.tries:
            tile, arm = self.tries.pop(0)
            self.send({"type": "move", "draw": False, "tile": tile, "arm": arm})
        else:
            self.send({"type": "move", "draw": True, "tile": 0, "arm": 0})

    def send(self, message):
        second, sent = self.sent_in_second
        now = int(time.time())
        self.sent_in_second = (now, sent + 1 if now == second else 1)
        self.pending = message
        self.ws.send_json(message)

    def leave(self):
        """Loses the connection at once, with no close frame: a player whose line went down."""
        self.ws.close()
        self.end = "left"


def play(players, done, deadline):
    """Reads every player's messages and makes their moves until done() or every connection
    has ended; Timeout at the deadline."""
    selector = selectors.DefaultSelector()
    for player in players:
        if not player.ended():
            selector.register(player.ws.sock, selectors.EVENT_READ, player)
    try:
        while not done():
            for player in players:
                _take_buffered(player)
            if done():
                return
            pause = _move_all(players)
            if not selector.get_map():
                return
            for key, _ in selector.select(min(remaining(deadline), pause)):
                player = key.data
                open_still = player.ws.pump(deadline)
                _take_buffered(player)
                if not open_still and not player.ended():
                    player.take(Message("eof"))
                if player.ended():
                    selector.unregister(player.ws.sock)
            remaining(deadline)
    finally:
        selector.close()


def _take_buffered(player):
    while not player.ended():
        message = player.ws.take_buffered()
        if message is None:
            return
        player.take(message)


def _move_all(players):
    """Makes each player's move that may go now; the seconds until the next one may."""
    pause = 1.0
    for player in players:
        if player.wants_to_move():
            wait = player.wait_before_moving()
            if wait > 0:
                pause = min(pause, wait)
            else:
                player.move()
    return pause


def run_until_over(players, deadline):
    """Plays on until every player still connected has seen the game end."""
    try:
        play(players, lambda: all(p.game_over or p.ended() for p in players), deadline)
    except Timeout:
        raise Timeout("the game did not end in time; turns: " +
                      ", ".join("%s in seat %d thinks seat %d" % (p.name, p.seat, p.turn)
                                for p in players)) from None
