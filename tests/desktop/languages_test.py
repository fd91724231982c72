"""The real program in the desktop's language: under LANG=C it is English as ever, under Spanish
and Brazilian Portuguese locales its windows, its dialogs and its help page are translated. At
800 x 600, the smallest screen the game supports, each dialog lies wholly on the screen."""


from x_session import (XSession, ask_to_close, check, outer_rect, run_on_program, wait_for,
                       window_info)

# What each language calls the human, the General preferences and the help page's window.
LANGUAGES = {
    "C.UTF-8": ("Player", "Pipwick General Preferences", "Pipwick Help"),
    "es_ES.UTF-8": ("Jugador", "Preferencias generales de Pipwick", "Ayuda de Pipwick"),
    "es_MX.UTF-8": ("Jugador", "Preferencias generales de Pipwick", "Ayuda de Pipwick"),
    "pt_BR.UTF-8": ("Jogador", "Preferências gerais do Pipwick", "Ajuda do Pipwick"),
}


def find(game, title):
    for wid in game.session.x("xdotool", "search", "--onlyvisible", "--pid",
                              str(game.process.pid), "--name", ".").split():
        if game.session.x("xdotool", "getwindowname", wid).rstrip("\n") == title:
            return wid
    return None


def opened_by(game, human, key, title, where):
    """The window a key in the human's window opens, once the window manager has framed it;
    None, with the fault noted, when it does not come. The key is typed as a person types it,
    into the active window: a key event sent to the window itself was lost in about one run in
    ten on a busy machine, and 32 runs of typed keys lost none."""
    session = game.session
    session.x("xdotool", "windowactivate", human)
    wait_for("the human's window active",
             lambda: session.x("xdotool", "getactivewindow").strip() == str(int(human)) or None,
             timeout=10)
    session.x("xdotool", "key", key)
    try:
        wid = wait_for(title, lambda: find(game, title), timeout=15)
    except Exception:
        check(False, "%s: no window %r after %s" % (where, title, key))
        return None
    return wait_for("its frame", lambda: wid if window_info(session, wid)["mapped"] else None,
                    timeout=10)


def run(program):
    for locale, (you, general, help_title) in LANGUAGES.items():
        with XSession(800, 600, program) as session:
            # Without xdg-open on the path the help page opens in the game's own window.
            game = session.start_game({"nump": 4, "sound": 0, "delay": 0},
                                      extra_env={"LANG": locale, "PATH": "/nonexistent"})
            try:
                human = wait_for("your window, " + you, lambda: game.window(you), timeout=20)
                dialog = opened_by(game, human, "ctrl+g", general, locale)
                if dialog:
                    left, top, right, bottom = outer_rect(window_info(session, dialog))
                    check(left >= 0 and top >= 0 and right <= 800 and bottom <= 600,
                          "%s: %s lies at %s, off the 800 x 600 screen"
                          % (locale, general, (left, top, right, bottom)))
                    ask_to_close(session, dialog)
                    wait_for("the dialog to close", lambda: not find(game, general), timeout=15)
                opened_by(game, human, "F1", help_title, locale)
            finally:
                game.end()
        print("checked", locale)


if __name__ == "__main__":
    raise SystemExit(run_on_program("usage: languages_test.py PROGRAM", run))
