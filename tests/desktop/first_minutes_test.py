#!/usr/bin/env python3
"""A newcomer's first minutes at 800 x 600, from the keyboard alone, read as a screen reader reads
them: at each step the status line says what to do or what happened, and Save, Hint and Draw can
be chosen exactly when they can act. The first start tells how a game starts; New deals; a lead,
a hint and the play or draw it names each end with the newcomer told that it is his turn; a save
says that it worked. Skipped where the accessibility bus or pyatspi is missing.

Usage: first_minutes_test.py PROGRAM"""

import os
import re
import sys
import time

from atspi_session import AtspiSession, find_all, run_on_program_with_bus
from x_session import StepTimeout, XSession, check, wait_for

TIMEOUT = 60
# The commands greyed until a game is dealt, by the start of their menu item's name.
COMMANDS = ("Save", "Hint", "Draw")
YOUR_TURN = "Player's turn"


class Newcomer:
    def __init__(self, bus, session, game):
        self.bus = bus
        self.session = session
        self.game = game
        self.app = bus.wait_for("the program on the bus",
                                lambda: bus.application(game.process.pid), timeout=TIMEOUT)
        self.status_bar = bus.wait_for("the status line", lambda: find_all(
            self.app, lambda o: o.getRoleName() == "status bar"), timeout=TIMEOUT)[0]
        self.items = {}
        for command in COMMANDS:
            self.items[command] = bus.wait_for("the menu item " + command, lambda: find_all(
                self.app, lambda o: o.getRoleName() == "menu item"
                and o.name.replace("&", "").startswith(command)), timeout=TIMEOUT)[0]
        self.human = wait_for("the human's window", lambda: session.x(
            "xdotool", "search", "--onlyvisible", "--pid", str(game.process.pid), "--name",
            "Player$").split(), timeout=TIMEOUT)[0]

    def status(self):
        self.bus.pump()
        return self.status_bar.queryText().getText(0, -1)

    def can_act(self):
        states = self.bus.pyatspi
        return {command: item.getState().contains(states.STATE_SENSITIVE)
                for command, item in self.items.items()}

    def keys(self, *keys):
        for key in keys:
            self.session.x("xdotool", "windowactivate", self.human)
            time.sleep(0.5)
            self.session.x("xdotool", "key", "--clearmodifiers", key)

    def save_as(self, path):
        """Save, with the dialog's proposed name replaced by path."""
        self.keys("ctrl+s")
        dialog = wait_for("the save dialog", lambda: self.session.x(
            "xdotool", "search", "--onlyvisible", "--pid", str(self.game.process.pid), "--name",
            "Save this Domino Game").split(), timeout=TIMEOUT)[0]
        self.session.x("xdotool", "windowactivate", dialog)
        time.sleep(0.5)
        self.session.x("xdotool", "key", "--clearmodifiers", "ctrl+a")
        self.session.x("xdotool", "type", "--delay", "20", path)
        self.session.x("xdotool", "key", "--clearmodifiers", "Return")

    def step(self, name, act, status, can_act):
        """Acts and waits for the status line to read as status says (a text, or a pattern it
        starts with), then checks which commands can act."""
        before = self.status()
        if act:
            act()
        matches = (lambda text: text == status) if isinstance(status, str) else status.match
        try:
            self.bus.wait_for("%s: the status line" % name,
                              lambda: self.status() != before or not act, timeout=TIMEOUT)
            self.bus.wait_for("%s: the status line" % name, lambda: matches(self.status()),
                              timeout=TIMEOUT)
        except StepTimeout:
            check(False, "%s: the status line reads %r" % (name, self.status()))
            return
        shown = self.can_act()
        check(shown == {command: can_act for command in COMMANDS},
              "%s: the commands that can act are %r" % (name, shown))
        print("checked", name, "-", self.status(), flush=True)


def run(program):
    with XSession(800, 600, program) as session:
        bus = AtspiSession(session, ["object:text-changed:insert"])
        game = session.start_game({"sound": 0, "delay": 0, "nump": 2})
        try:
            newcomer = Newcomer(bus, session, game)
            keys = newcomer.keys
            newcomer.step("the first start", None, "Game \u25b8 New deals", False)
            newcomer.step("New", lambda: keys("ctrl+n"), re.compile(r"Player's (down|turn)$"),
                          True)
            # The deal is the time of day's: the human leads, or the computer player led.
            if newcomer.status().endswith("down"):
                newcomer.step("the lead", lambda: keys("Home", "space"), YOUR_TURN, True)
            newcomer.step("a hint", lambda: keys("h"), re.compile(r"(Play|Draw|Pass)\b"), True)
            # A hinted play is picked up with its end chosen: Enter plays it.
            move = "Return" if newcomer.status().startswith("Play") else "ctrl+a"
            newcomer.step("the hinted move", lambda: keys(move), YOUR_TURN, True)
            saved = os.path.join(game.folder, "first minutes.dom")
            newcomer.step("a save", lambda: newcomer.save_as(saved), "Game saved", True)
            check(os.path.exists(saved) and os.path.getsize(saved) > 0,
                  "no saved game at %s" % saved)
            check(game.process.poll() is None, "the program ended")
        except StepTimeout as timeout:
            check(False, "%s\n%s" % (timeout, game.output()))
        finally:
            game.end()


if __name__ == "__main__":
    sys.exit(run_on_program_with_bus(__doc__, run))
