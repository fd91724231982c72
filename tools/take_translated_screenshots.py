#!/usr/bin/env python3
"""Takes the pictures of the program in Spanish and Brazilian Portuguese (docs/translated-*.png) on
a private X desktop at 800 x 600, the smallest screen the game supports: the whole screen during a
hand, the two preferences dialogs, the statistics and the help page in the game's own window.
With a help folder, also the help page's picture of your window in each language
(HELP_FOLDER/images/LANGUAGE/hand.png); pipwick-records-screenshots takes its score sheet and
statistics in the language of LANG. Needs what the desktop tests need; writes the PNG files
itself.

Usage: tools/take_translated_screenshots.py PROGRAM DOCS_FOLDER [HELP_FOLDER]"""

import os
import struct
import sys
import time
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "desktop"))
from screen_pixels import ScreenPixels  # noqa: E402
from x_session import XSession, wait_for, window_info  # noqa: E402

LANGUAGES = {"es": "es_ES.UTF-8", "pt_BR": "pt_BR.UTF-8"}
# The titles of the windows to take, as each translation has them.
TITLES = {
    "es": {"you": "Jugador", "general": "Preferencias generales de Pipwick",
           "players": "Preferencias de jugadores de Pipwick",
           "statistics": "Estadísticas", "help": "Ayuda de Pipwick"},
    "pt_BR": {"you": "Jogador", "general": "Preferências gerais do Pipwick",
              "players": "Preferências de jogadores do Pipwick",
              "statistics": "Estatísticas", "help": "Ajuda do Pipwick"},
}
# The keys that open each window from yours; the help window comes last, as it stays open.
# Statistics has no key of its own: Alt and the Game menu's letter, then the item's.
KEYS = {"general": ["ctrl+g"], "players": ["ctrl+p"], "statistics": ["alt+p", "t"],
        "help": ["F1"]}


def write_png(path, pixels, left, top, right, bottom):
    """The rectangle of the screen as a 24-bit PNG."""
    raw = bytearray()
    for y in range(top, bottom):
        raw.append(0)
        for x in range(left, right):
            raw.extend(pixels.at(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", right - left, bottom - top, 8, 2, 0, 0, 0)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    print("wrote", path)


def shoot_window(session, wid, path):
    """The window with the frame the window manager drew round it."""
    info = window_info(session, wid)
    left, right, top, bottom = info["frame"]
    pixels = ScreenPixels(session)
    write_png(path, pixels, max(info["x"] - left, 0), max(info["y"] - top, 0),
              min(info["x"] + info["width"] + right, pixels.width),
              min(info["y"] + info["height"] + bottom, pixels.height))


def find(session, game, title):
    for wid in session.x("xdotool", "search", "--onlyvisible", "--pid", str(game.process.pid),
                         "--name", ".").split():
        if session.x("xdotool", "getwindowname", wid).rstrip("\n") == title:
            return wid
    return None


def close(session, game, wid, title):
    """Escape closes a dialog; one that had not the focus yet misses it, so it is pressed again."""
    for _ in range(20):
        if not find(session, game, title):
            return
        session.x("xdotool", "windowactivate", wid)
        time.sleep(0.3)
        session.x("xdotool", "key", "Escape")
        time.sleep(0.5)
    raise RuntimeError("could not close " + title)


def take(program, docs, language, locale):
    titles = TITLES[language]
    with XSession(800, 600, program) as session:
        # Without xdg-open on the path the help page opens in the game's own window.
        game = session.start_game({"nump": 4, "sound": 0, "delay": 0, "speed": 10},
                                  extra_env={"LANG": locale, "PATH": "/nonexistent"})
        try:
            human = wait_for("your window", lambda: game.window(titles["you"]), timeout=20)
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "--window", human, "ctrl+n")
            time.sleep(3)
            pixels = ScreenPixels(session)
            write_png(os.path.join(docs, "translated-%s-800x600.png" % language), pixels,
                      0, 0, pixels.width, pixels.height)
            for name, keys in KEYS.items():
                session.x("xdotool", "windowactivate", human)
                time.sleep(0.5)
                for key in keys:
                    session.x("xdotool", "key", key)
                    time.sleep(0.3)
                wid = wait_for(titles[name], lambda n=name: find(session, game, titles[n]),
                               timeout=15)
                time.sleep(1)
                shoot_window(session, wid, os.path.join(docs, "translated-%s-%s.png" %
                                                        (language, name)))
                if name != "help":
                    close(session, game, wid, titles[name])
        finally:
            print(game.output(), end="")
            game.end()


def take_help_pictures(program, help_folder, language, locale):
    """The help page's picture of your window, as the English page has it: two players at
    1024 x 768."""
    titles = TITLES[language]
    folder = os.path.join(help_folder, "images", language)
    os.makedirs(folder, exist_ok=True)
    with XSession(1024, 768, program) as session:
        game = session.start_game({"nump": 2, "sound": 0, "delay": 0, "speed": 10},
                                  extra_env={"LANG": locale})
        try:
            human = wait_for("your window", lambda: game.window(titles["you"]), timeout=20)
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "--window", human, "ctrl+n")
            time.sleep(3)
            wid = wait_for("your window", lambda: find(session, game, "0 - " + titles["you"]),
                           timeout=15)
            shoot_window(session, wid, os.path.join(folder, "hand.png"))
        finally:
            game.end()


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__)
        return 2
    for language, locale in LANGUAGES.items():
        take(sys.argv[1], sys.argv[2], language, locale)
        if len(sys.argv) == 4:
            take_help_pictures(sys.argv[1], sys.argv[3], language, locale)
    return 0


if __name__ == "__main__":
    sys.exit(main())
