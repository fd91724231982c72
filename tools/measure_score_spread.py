#!/usr/bin/env python3
"""Measures how far a hand moves the difference between two sides' scores, for each table.

The Expert turns scores into a chance of winning the game (ai/win_chance.cpp) with one figure per
table: the mean square of the difference a hand makes between two sides, over the mean of what
the hand adds to them both. This plays Advanced players' games with the simulator and prints that
figure for every game at two, three and four players and with partners.

usage: tools/measure_score_spread.py build/release/sim/pipwick-sim [games]
"""
import itertools
import json
import subprocess
import sys

TABLES = [("two", 2, False), ("three", 3, False), ("four", 4, False), ("pairs", 4, True)]
GAMES = ["fives", "draw", "block", "fives-threes"]


def sides(players, partners):
    """Index pairs of the seats set against each other; a pair of partners speaks by its first."""
    if partners:
        return [(0, 1)]
    seats = [0, 2] if players == 2 else list(range(players))
    return list(itertools.combinations(seats, 2))


def spread(sim, game, players, partners, games):
    command = [sim, "--game", game, "--games", str(games), "--players", str(players),
               "--levels", "1,1,1,1", "--seed", "9", "--trace"]
    if partners:
        command.append("--partners")
    trace = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    squares = added = 0
    before = [0, 0, 0, 0]
    for line in trace.splitlines():
        event = json.loads(line)
        if event["event"] == "hand" and event["hand"] == 1:
            before = [0, 0, 0, 0]
        elif event["event"] == "handEnd":
            gain = [after - was for after, was in zip(event["scores"], before)]
            before = event["scores"]
            for a, b in sides(players, partners):
                squares += (gain[a] - gain[b]) ** 2
                added += gain[a] + gain[b]
    return squares / added


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    games = int(sys.argv[2]) if len(sys.argv) == 3 else 400
    for game in GAMES:
        figures = [f"{name} {spread(sys.argv[1], game, p, pairs, games):.1f}"
                   for name, p, pairs in TABLES]
        print(f"{game}: " + ", ".join(figures))


if __name__ == "__main__":
    main()
