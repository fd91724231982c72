#!/usr/bin/env python3
"""The network tables over real sockets: pipwick-server on a free port of 127.0.0.1, and players
of this script's own (trial_player.py, over the WebSocket client in ws_client.py).

- Hostile players: broken frames and messages, moves out of turn or of another's hand, a flood,
  too many connections, connections that never finish the handshake or never say hello; each
  is answered or let go as the table's limits say, and a fresh table then plays a whole game.
- What each chair learns, over a whole game of four and one of three with drawing: every item
  is held against the server's trace, and no item shows a tile of another chair before it was
  laid or turned face up.
- A player who loses his connection mid-hand: the others see a stand-in play his chair, and when
  he says hello again he gets his chair and all his news back, his hand as the table holds it.
- Whole games of every kind at 2, 3 and 4 chairs, each chair a pipwick-sim --connect: the
  server's trace is the one-person simulator's for the same seed and levels. A table of people
  ends a blocked hand at the pass that completes a round, where the one-person game waits for a
  computer player's pass after it, so passes are left out of the comparison.

Every server is started here and ended here, on failure too; every wait has a deadline.

Usage: network_play_test.py SERVER SIM"""

import sys

sys.dont_write_bytecode = True  # nothing is written beside the sources

import ctypes  # noqa: E402
import json  # noqa: E402
import os  # noqa: E402
import selectors  # noqa: E402
import signal  # noqa: E402
import subprocess  # noqa: E402
import tempfile  # noqa: E402
import time  # noqa: E402

from trial_player import (PROTOCOL_VERSION, TrialPlayer, play, run_until_over,  # noqa: E402
                          seats_of, takes_part, tiles_in)
from ws_client import (BINARY, CONTINUATION, TEXT, ProtocolFault, Timeout,  # noqa: E402
                       WebSocket, connect_tcp)

HAND_SIZE = 7
# Generous bounds: the machine may be busy with other builds. A wait that is met ends at once.
STEP_SECONDS = 20
GAME_SECONDS = 120
# The table lets a connection go when it has not said hello in 10 seconds.
HELLO_WITHIN = 10

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def deadline_in(seconds):
    return time.monotonic() + seconds


def _die_with_parent():
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Server:
    """pipwick-server on a free port with the given options, ended when the block ends."""

    def __init__(self, program, folder, *options):
        self.program = program
        self.folder = folder
        self.options = [str(option) for option in options]
        self.process = None
        self.port = 0
        self.codes = []
        self.trace_path = os.path.join(folder, "trace.jsonl")

    def __enter__(self):
        self.errors = open(os.path.join(self.folder, "server-errors.txt"), "w+")
        self.process = subprocess.Popen([self.program, "--port", "0"] + self.options,
                                        stdout=subprocess.PIPE, stderr=self.errors,
                                        preexec_fn=_die_with_parent)
        try:
            self._read_address(deadline_in(STEP_SECONDS))
        except BaseException:
            self.stop()
            raise
        return self

    def _read_address(self, deadline):
        """Reads the line 'ws://127.0.0.1:PORT CODE[,CODE...]'."""
        line = b""
        with selectors.DefaultSelector() as selector:
            selector.register(self.process.stdout, selectors.EVENT_READ)
            while not line.endswith(b"\n"):
                if not selector.select(max(0.0, deadline - time.monotonic())):
                    raise Timeout("the server printed no address in time")
                byte = os.read(self.process.stdout.fileno(), 1)
                if not byte:
                    raise ProtocolFault("the server ended before listening: " + self._errors())
                line += byte
        address, codes = line.decode().split()
        self.port = int(address.rsplit(":", 1)[1])
        self.codes = codes.split(",")

    def _errors(self):
        self.errors.seek(0)
        return self.errors.read().strip()

    def trace(self):
        with open(self.trace_path) as trace:
            return [json.loads(line) for line in trace]

    def stop(self):
        """Ends the server as a service manager would (SIGTERM); its exit code, or None when it
        had to be killed."""
        code = None
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                code = self.process.wait(STEP_SECONDS)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        else:
            code = self.process.returncode
        self.process.stdout.close()
        return code

    def __exit__(self, *exception):
        if self.process.poll() is None:
            self.stop()
        self.errors.close()


def stop_cleanly(server, what):
    code = server.stop()
    check(code == 0, "%s: the server ended with %s on SIGTERM: %s" % (what, code, server._errors()))


def close_all(players, deadline):
    for player in players:
        if not player.ended():
            player.ws.send_close()
            player.ws.receive_until_end(deadline)
        player.ws.close()


# --- The hostile players ---------------------------------------------------------------------

def hello(code, name="Visitor", version=PROTOCOL_VERSION):
    return json.dumps({"type": "hello", "version": version, "code": code, "name": name})


def turned_away(reason):
    return [{"type": "turned-away", "reason": reason}], 1000, "turned away"


def strangers(code):
    """Connections that are never seated: what each sends, and the answers before the close
    frame, its code and the start of its reason. Codes: 1002 protocol error, 1003 a kind of
    frame the table does not take, 1007 text that is not UTF-8, 1009 too big."""
    wrong_code = ("B" if code[0] == "A" else "A") + code[1:]
    return [
        ("malformed JSON", lambda ws: ws.send_text('{"type":"hello",'),
         ([], 1002, "the message is not JSON")),
        ("a frame over 16 KB", lambda ws: ws.send_text(hello(code, "x" * 17000)),
         ([], 1009, "")),
        ("a message over 16 KB in small pieces",
         lambda ws: [ws.send_frame(TEXT if i == 0 else CONTINUATION, b" " * 1000, fin=i == 19)
                     for i in range(20)],
         ([], 1009, "")),
        ("a binary frame", lambda ws: ws.send_frame(BINARY, hello(code).encode()),
         ([], 1003, "text frames only")),
        ("text that is not UTF-8", lambda ws: ws.send_frame(TEXT, b'{"type":"\xff"}'),
         ([], 1007, "")),
        ("JSON nested too deep",
         lambda ws: ws.send_text('{"type":"hello","x":' + "[" * 20 + "]" * 20 + "}"),
         ([], 1002, "the message is not JSON")),
        ("a name too long", lambda ws: ws.send_text(hello(code, "n" * 65)),
         ([], 1002, 'the field "name" is too long')),
        ("a move before hello",
         lambda ws: ws.send_json({"type": "move", "draw": True, "tile": 0, "arm": 0}),
         ([], 1002, "a move before hello")),
        ("a wrong code", lambda ws: ws.send_text(hello(wrong_code)), turned_away("wrong-code")),
        ("a wrong protocol version",
         lambda ws: ws.send_text(hello(code, version=PROTOCOL_VERSION + 1)),
         turned_away("wrong-version")),
    ]


def expect_let_go(ws, what, expected, deadline):
    """Reads until the table closes the connection and holds what came against expected."""
    answers, code, reason = expected
    messages = ws.receive_until_end(deadline)
    got = [m.json() for m in messages if m.kind == "text"]
    end = messages[-1]
    check(got == answers, "%s: answered %s, not %s" % (what, got, answers))
    if check(end.kind == "close", "%s: the connection ended with no close frame" % what):
        check(end.code == code and end.reason.startswith(reason),
              "%s: closed with %s %r, not %s %r..." % (what, end.code, end.reason, code, reason))
    check(ws.wait_for_eof(deadline), "%s: the table kept the stream open after closing" % what)
    ws.close()


def too_many_connections(port):
    """Eight connections from one address are let in; the ninth is let go, and once the eight
    are closed the address may connect again (the cases after this one do)."""
    deadline = deadline_in(STEP_SECONDS)
    held = [WebSocket(port).open(deadline) for _ in range(8)]
    expect_let_go(WebSocket(port).open(deadline), "a ninth connection from one address",
                  ([], 1008, "too many connections from one address"), deadline)
    for ws in held:
        ws.send_close()
        ws.receive_until_end(deadline)
        ws.wait_for_eof(deadline)
        ws.close()


def open_silent_connections(port, deadline):
    """A connection that sends nothing, one that stops inside its handshake, and one that
    finishes the handshake but never says hello."""
    quiet = connect_tcp(port, deadline)
    half = connect_tcp(port, deadline)
    half.sendall(b"GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n")
    return quiet, half, WebSocket(port).open(deadline)


def expect_silent_let_go(silent, deadline):
    quiet, half, mute = silent
    for sock, what in ((quiet, "a connection that sends nothing"),
                       (half, "a connection that stops inside its handshake")):
        check(stream_ends(sock, deadline), what + ": not let go")
        sock.close()
    expect_let_go(mute, "a connection that never says hello", ([], 1008, "no hello in time"),
                  deadline)


def stream_ends(sock, deadline):
    """Whether the server ends the stream before the deadline (anything it says is skipped)."""
    while True:
        sock.settimeout(max(0.01, deadline - time.monotonic()))
        try:
            if not sock.recv(4096):
                return True
        except ConnectionResetError:
            return True
        except OSError:
            return False


def answer(player, deadline):
    """The next message to player, taken into its record."""
    message = player.ws.receive(deadline)
    player.take(message)
    return message.json() if message.kind == "text" else message


def seated_mischief(port, code):
    """Two players seated at a table of two that they do not play at: the one not on turn, the
    one on turn, and strangers, try what a table must refuse."""
    deadline = deadline_in(STEP_SECONDS)
    pair = [TrialPlayer(port, code, name).join(deadline) for name in ("Ann", "Bob")]
    for player in pair:
        player.playing = False
    play(pair, lambda: all(p.hand for p in pair), deadline)
    check([p.seat for p in pair] == [1, 3], "a table of two seated its players in chairs %s"
          % [p.seat for p in pair])
    on_turn, waiting = sorted(pair, key=lambda p: p.turn != p.seat)
    for name, what, reason in ((on_turn.name, "a name already at the table", "name-taken"),
                               ("Cy", "a hello at a full table", "table-full")):
        ws = WebSocket(port).open(deadline)
        ws.send_text(hello(code, name))
        expect_let_go(ws, what, turned_away(reason), deadline)
    for attempt in (1, 2):
        waiting.send({"type": "move", "draw": False, "tile": waiting.hand[0], "arm": 0})
        got = answer(waiting, deadline)
        check(got == {"type": "refused", "reason": "not-your-turn"},
              "a move out of turn (try %d) was answered %s" % (attempt, got))
    on_turn.send({"type": "move", "draw": False, "tile": waiting.hand[0], "arm": 0})
    got = answer(on_turn, deadline)
    check(got == {"type": "refused", "reason": "not-your-tile"},
          "a tile from another chair's hand was answered %s" % got)
    flood(waiting, deadline)
    got = answer(on_turn, deadline)
    check(got.get("kind") == "stand-in" and got.get("seat") == waiting.seat,
          "the flooder's departure was told as %s" % got)
    got = answer(on_turn, deadline)
    check(got == {"type": "chairs", "names": ["", "Ann", "", "Bob", ""]},
          "the flooder's chair was not kept under his name: %s" % got)
    on_turn.ws.send_text(hello(code, on_turn.name))
    expect_let_go(on_turn.ws, "a second hello", ([], 1002, "a hello once seated"), deadline)


def flood(player, deadline):
    """200 moves at once: the table answers at most its share of them and lets the player go.
    Its share is 20 a second; a burst that began late in one second may be counted in two."""
    for _ in range(200):
        player.ws.send_json({"type": "move", "draw": False, "tile": 0, "arm": 0})
    messages = player.ws.receive_until_end(deadline)
    answers = [m.json() for m in messages if m.kind == "text"]
    check(len(answers) <= 40 and all(a["type"] == "refused" for a in answers),
          "a flood of 200 messages was answered %d times" % len(answers))
    end = messages[-1]
    check(end.kind == "close" and end.code == 1008 and end.reason == "too many refused moves",
          "a flood of 200 messages ended with %s" % end)
    player.ws.close()


def hostile_players(server_program, folder):
    with Server(server_program, folder, "--players", 2, "--tables", 2) as server:
        code, fresh_code = server.codes
        too_many_connections(server.port)
        silent_deadline = deadline_in(HELLO_WITHIN + STEP_SECONDS)
        silent = open_silent_connections(server.port, silent_deadline)
        for what, send, expected in strangers(code):
            deadline = deadline_in(STEP_SECONDS)
            ws = WebSocket(server.port).open(deadline)
            send(ws)
            expect_let_go(ws, what, expected, deadline)
        seated_mischief(server.port, code)
        deadline = deadline_in(GAME_SECONDS)
        fresh = [TrialPlayer(server.port, fresh_code, name).join(deadline)
                 for name in ("Cy", "Di")]
        run_until_over(fresh, deadline)
        check(all(p.game_over for p in fresh), "after the hostile players a fresh table's game "
              "did not end: %s" % [p.end for p in fresh])
        close_all(fresh, deadline)
        expect_silent_let_go(silent, silent_deadline)
        stop_cleanly(server, "after the hostile players")


# --- What each chair learns ------------------------------------------------------------------

MOVE_OF_NEWS = {"hand-dealt": "hand", "tile-laid": "play", "tile-drawn": "draw",
                "passed": "pass", "hand-ended": "handEnd", "game-ended": "gameOver"}


class Truth:
    """The whole table as the server's trace tells it: every hand, the bone pile, and the tiles
    every chair has seen (laid, or turned face up at a hand's end)."""

    def __init__(self, players):
        self.players = players
        self.hands = {}
        self.pile = []
        self.public = set()
        self.last_play = None

    def apply(self, record):
        event = record["event"]
        if event == "hand":
            self._deal(record["deck"])
        elif event == "play":
            self.hands[record["player"]].remove(record["tile"])
            self.public.add(record["tile"])
            self.last_play = record
        elif event == "draw":
            drawn = self.pile.pop(0) if self.pile else None
            if drawn != record["tile"]:
                raise ProtocolFault("the trace drew %s from a pile topped by %s"
                                    % (record["tile"], drawn))
            self.hands[record["player"]].append(record["tile"])
        elif event == "handEnd":
            for hand in self.hands.values():
                self.public.update(hand)

    def _deal(self, deck):
        """One tile of each hand per cycle, to chairs 3, 1, 2 and 4 in turn, as the game deals."""
        self.hands = {seat: [] for seat in seats_of(self.players)}
        k = 0
        for _ in range(HAND_SIZE):
            for seat in (3, 1, 2, 4):
                if takes_part(self.players, seat):
                    self.hands[seat].append(deck[k])
                    k += 1
        self.pile = list(deck[k:])
        self.public = set()


def truth_after(players, trace, moves):
    """The table after the first moves of the trace's game."""
    truth = Truth(players)
    for record in [r for r in trace if r["event"] in MOVE_OF_NEWS.values()][:moves]:
        truth.apply(record)
    return truth


def disagreement(news, record, seat, truth):
    """What in a news item differs from the trace's record of the same move, or None."""
    kind = news["kind"]
    shown = [sorted(hand) for hand in news["hands"]]
    if kind == "hand-dealt":
        dealt = [sorted(truth.hands.get(p, [])) if p == seat else [] for p in range(5)]
        counts = [len(truth.hands.get(p, [])) for p in range(5)]
        if news["seat"] != record["leader"] or shown != dealt or news["counts"] != counts:
            return "a deal to %s, %s led by %d" % (dealt, counts, record["leader"])
    elif kind == "tile-laid" and (news["seat"], news["tile"]) != (record["player"],
                                                                  record["tile"]):
        return "seat %d laying %d" % (record["player"], record["tile"])
    elif kind == "tile-drawn":
        tile = record["tile"] if seat == record["player"] else 0
        if (news["seat"], news["tile"]) != (record["player"], tile):
            return "seat %d drawing %d" % (record["player"], tile)
    elif kind == "passed" and news["seat"] != record["player"]:
        return "seat %d passing" % record["player"]
    elif kind == "hand-ended":
        left = [sorted(truth.hands.get(p, [])) for p in range(5)]
        if [news["seat"], news["points"]] != record["award"] or shown != left:
            return "hands %s left, award %s" % (left, record["award"])
    elif kind == "game-ended" and news["seat"] != record["winner"]:
        return "the game won by %d" % record["winner"]
    return None


def check_news(who, seat, players, news, trace):
    """Holds one chair's news of a whole game against the trace, move by move, and finds any
    tile it was shown that was neither its own nor seen by every chair."""
    moves = [r for r in trace if r["event"] in MOVE_OF_NEWS.values()]
    truth = Truth(players)
    step = 0
    for index, item in enumerate(news):
        kind = item["kind"]
        where = "%s, item %d (%s)" % (who, index, kind)
        if kind in MOVE_OF_NEWS:
            if not check(step < len(moves) and moves[step]["event"] == MOVE_OF_NEWS[kind],
                         "%s: the trace has %s here" % (where, moves[step:step + 1])):
                return
            truth.apply(moves[step])
            differs = disagreement(item, moves[step], seat, truth)
            # Past the first item that differs the two no longer line up: one fault, not a flood.
            if not check(differs is None, "%s: %s, but the trace has %s" % (where, item, differs)):
                return
            step += 1
        elif kind == "play-scored":
            last = truth.last_play or {}
            check((item["seat"], item["points"]) == (last.get("player"), last.get("score")),
                  "%s: %s after the trace's %s" % (where, item, last))
        leaked = tiles_in(item) - set(truth.hands.get(seat, [])) - truth.public
        check(not leaked, "%s: shows %s, another chair's tiles: %s" % (where, sorted(leaked), item))
    check(step == len(moves), "%s: told %d moves, the trace has %d" % (who, step, len(moves)))


def whole_game_news(server_program, folder, players, game, seed):
    names = ["Ann", "Bob", "Cy", "Di"][:players]
    with Server(server_program, folder, "--players", players, "--game", game, "--seed", seed,
                "--trace", os.path.join(folder, "trace.jsonl")) as server:
        deadline = deadline_in(GAME_SECONDS)
        chairs = [TrialPlayer(server.port, server.codes[0], name).join(deadline)
                  for name in names]
        run_until_over(chairs, deadline)
        close_all(chairs, deadline)
        stop_cleanly(server, "%s with %d players" % (game, players))
        trace = server.trace()
    check(sorted(p.seat for p in chairs) == seats_of(players),
          "%d players were seated in %s" % (players, [p.seat for p in chairs]))
    for player in chairs:
        check_news("%s with %d players, seat %d" % (game, players, player.seat), player.seat,
                   players, player.news(), trace)
    return chairs


def what_each_chair_learns(server_program, folder):
    whole_game_news(server_program, folder, 4, "fives", 7)
    drawn = [n for p in whole_game_news(server_program, folder, 3, "draw", 5) for n in p.news()
             if n["kind"] == "tile-drawn"]
    check(any(n["tile"] for n in drawn) and any(not n["tile"] for n in drawn),
          "the game of Draw drew no tile, so nothing was learnt of drawing")


# --- A lost connection -----------------------------------------------------------------------

def moves_in(news):
    return sum(1 for item in news if item["kind"] in MOVE_OF_NEWS)


def lost_connection(server_program, folder):
    """Ann (seat 1) and Bob (seat 2) with a computer player in seat 3. Ann's line goes down on
    her turn in the middle of a hand; her stand-in plays at once, and Bob plays on. She says
    hello again, is seated in her own chair, and is told the whole game again."""
    with Server(server_program, folder, "--players", 3, "--people", 2, "--game", "draw",
                "--seed", 11, "--trace", os.path.join(folder, "trace.jsonl")) as server:
        deadline = deadline_in(GAME_SECONDS)
        ann, bob = [TrialPlayer(server.port, server.codes[0], name).join(deadline)
                    for name in ("Ann", "Bob")]
        play([ann, bob], lambda: ann.wants_to_move() and ann.board.length != [0] * 4, deadline)
        told_before = ann.news()
        ann.leave()
        play([bob], lambda: stood_in_and_moved(bob.news(), ann.seat), deadline)

        back = TrialPlayer(server.port, server.codes[0], "Ann")
        back.playing = False
        back.join(deadline)
        play([back, bob], lambda: returned(back.news(), ann.seat), deadline)
        hand_at_return, moves_at_return = sorted(back.hand), moves_in(back.news())
        back.playing = True
        run_until_over([back, bob], deadline)
        close_all([back, bob], deadline)
        stop_cleanly(server, "a lost connection")
        trace = server.trace()

    check(back.seat == ann.seat, "Ann came back to seat %d, not %d" % (back.seat, ann.seat))
    again = back.news()
    check(again[:len(told_before)] == told_before,
          "Ann back was not told again what she had been told before")
    truth = truth_after(3, trace, moves_at_return)
    check(hand_at_return == sorted(truth.hands[ann.seat]),
          "Ann's news when back gives her hand as %s; the table holds %s"
          % (hand_at_return, sorted(truth.hands[ann.seat])))
    check(back.game_over and bob.game_over, "the game did not end for both after Ann came back")
    check(returned(bob.news(), ann.seat), "Bob was not told that Ann is back")
    check_news("Bob", bob.seat, 3, bob.news(), trace)
    check_news("Ann back", back.seat, 3, again, trace)


def stood_in_and_moved(news, seat):
    """Whether a stand-in for seat was told and, after it, a move of that seat."""
    kinds = [(n["kind"], n["seat"]) for n in news]
    if ("stand-in", seat) not in kinds:
        return False
    after = kinds[kinds.index(("stand-in", seat)) + 1:]
    return any(kind in ("tile-laid", "tile-drawn", "passed") and who == seat
               for kind, who in after)


def returned(news, seat):
    return any(n["kind"] == "returned" and n["seat"] == seat for n in news)


CASES = [
    ("hostile players", hostile_players),
    ("what each chair learns", what_each_chair_learns),
    ("a lost connection", lost_connection),
]


def without_passes(lines):
    return [line for line in lines if '"event":"pass"' not in line]


def computer_chairs(server_program, sim_program, folder):
    for game in ("fives", "draw", "block", "fives-threes"):
        for players in (2, 3, 4):
            what = "%s with %d computer chairs" % (game, players)
            seed = 20 + players
            with Server(server_program, folder, "--players", players, "--game", game,
                        "--seed", seed, "--trace", os.path.join(folder, "trace.jsonl")) as server:
                chairs = [subprocess.Popen(
                    [sim_program, "--connect", "127.0.0.1:%d" % server.port, "--code",
                     server.codes[0], "--level", "1", "--name", "chair %d" % i],
                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                    preexec_fn=_die_with_parent) for i in range(players)]
                codes = []
                for chair in chairs:
                    try:
                        chair.wait(GAME_SECONDS)
                    except subprocess.TimeoutExpired:
                        chair.kill()
                        chair.wait()
                    codes.append(chair.returncode)
                    chair.stderr.close()
                check(codes == [0] * players, "%s: the chairs ended with %s" % (what, codes))
                stop_cleanly(server, what)
            one_person = subprocess.run(
                [sim_program, "--players", str(players), "--game", game, "--levels", "1,1,1,1",
                 "--seed", str(seed), "--trace"], capture_output=True, text=True,
                timeout=GAME_SECONDS)
            with open(os.path.join(folder, "trace.jsonl")) as trace:
                served = trace.read().splitlines()
            check(without_passes(served) == without_passes(one_person.stdout.splitlines()),
                  "%s: the table's trace is not the one-person game's" % what)


def main():
    if len(sys.argv) != 3:
        print(__doc__.rsplit("\n", 1)[-1])
        return 2
    server_program = sys.argv[1]
    sim_program = sys.argv[2]
    cases = CASES + [("computer chairs", lambda server, folder:
                      computer_chairs(server, sim_program, folder))]
    for name, case in cases:
        with tempfile.TemporaryDirectory(prefix="pipwick-network-") as folder:
            started = time.monotonic()
            try:
                case(server_program, folder)
            except (Timeout, ProtocolFault, OSError, ValueError, KeyError,
                    subprocess.SubprocessError) as error:
                failures.append("%s: %s: %s" % (name, type(error).__name__, error))
            print("%s: %.1f s" % (name, time.monotonic() - started))
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
