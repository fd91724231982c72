"""A private X desktop for the desktop tests: Xvfb on a free display, openbox on it, and the
game started from a copy in a temporary folder with its own settings. Everything started here is
ended when the session closes, and dies with this script if it is killed."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)
    os.setpgrp()


class StepTimeout(Exception):
    pass


# The faults met so far: a check notes its own and the test goes on, so one run reports them all.
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def report(found):
    """Prints each fault found; the exit code says whether there was any."""
    for failure in found:
        print("FAILED:", failure)
    return 1 if found else 0


def run_on_program(usage, run):
    """Runs run(program) on the program named on the command line and reports its faults."""
    if len(sys.argv) != 2:
        print(usage)
        return 2
    run(sys.argv[1])
    return report(failures)


def wait_for(what, check, timeout=60.0, interval=0.05):
    """Polls check() until it returns something true; fails the step after timeout seconds. The
    deadline is generous: a machine busy with other work may delay the X server, the window
    manager and the program by seconds, and a wait that meets its condition ends at once."""
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise StepTimeout("timed out waiting for " + what)
        time.sleep(interval)


class XSession:
    """with_wm=False leaves the screen without a window manager until start_wm()."""

    def __init__(self, width, height, program, with_wm=True):
        self.width = width
        self.height = height
        self.program = program
        self.with_wm = with_wm
        self.children = []
        self.folder = tempfile.mkdtemp(prefix="pipwick-desktop-")
        self.env = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def start_child(self, args, env=None, **kwargs):
        child = subprocess.Popen(args, env=env or self.env, preexec_fn=_die_with_parent,
                                 stdin=subprocess.DEVNULL, **kwargs)
        self.children.append(child)
        return child

    def _start(self):
        home = os.path.join(self.folder, "home")
        os.makedirs(home)
        read_fd, write_fd = os.pipe()
        self.start_child(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                          "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp",
                          "-noreset"], env=dict(os.environ), pass_fds=(write_fd,),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_RUNTIME_DIR": self.folder,
            "DISPLAY": ":" + display,
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
        }
        if self.with_wm:
            self.start_wm()

    def wm_check_window(self):
        """The window through which the running window manager says it is there, or None."""
        match = re.search(r"window id # (0x[0-9a-f]+)",
                          self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        return match.group(1) if match else None

    def start_wm(self, replace=False):
        """Starts openbox, in place of the running one with replace, and waits until it has
        announced itself on the root window."""
        before = self.wm_check_window()
        self.start_child(["openbox", "--sm-disable"] + (["--replace"] if replace else []),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager", lambda: self.wm_check_window() not in (None, before))

    def close(self):
        for child in reversed(self.children):
            if child.poll() is None:
                try:
                    os.killpg(child.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                child.wait()
        self.children = []
        shutil.rmtree(self.folder, ignore_errors=True)

    def x(self, *args):
        """Runs an X client against the session's display; its standard output."""
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=10)
        return result.stdout

    def start_game(self, settings, arguments=(), extra_env=None):
        """Starts a fresh copy of the game with the given settings file contents."""
        game_folder = tempfile.mkdtemp(prefix="game-", dir=self.folder)
        executable = os.path.join(game_folder, os.path.basename(self.program))
        shutil.copy2(self.program, executable)
        help_folder = os.path.join(os.path.dirname(self.program), "help")
        if os.path.isdir(help_folder):
            shutil.copytree(help_folder, os.path.join(game_folder, "help"))
        with open(os.path.join(game_folder, "pipwick.ini"), "w") as ini:
            ini.write("[pipwick]\n")
            for key, value in settings.items():
                ini.write("%s=%s\n" % (key, value))
        env = dict(self.env)
        env.update(extra_env or {})
        log = open(os.path.join(game_folder, "output.txt"), "w")
        child = self.start_child([executable, *arguments], env=env, stdout=log,
                                 stderr=subprocess.STDOUT)
        return Game(self, child, game_folder)


class Game:
    def __init__(self, session, process, folder):
        self.session = session
        self.process = process
        self.folder = folder

    def output(self):
        with open(os.path.join(self.folder, "output.txt")) as log:
            return log.read()

    def window(self, title):
        """The id of the game's window with exactly this title, or None; one on the screen comes
        before one that is not (Qt keeps windows of its own that may carry the same title)."""
        ids = self.session.x("xdotool", "search", "--pid", str(self.process.pid)).split()
        found = [wid for wid in ids
                 if self.session.x("xdotool", "getwindowname", wid).rstrip("\n") == title]
        shown = [wid for wid in found if window_info(self.session, wid)["mapped"]]
        return (shown or found or [None])[0]

    def end(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()


def window_info(session, wid):
    """Client rectangle, frame extents, map state and allowed actions of a window, and what it
    asks the window manager to allow."""
    info = session.x("xwininfo", "-id", wid)
    values = {}
    for key, pattern in (("x", r"Absolute upper-left X:\s+(-?\d+)"),
                         ("y", r"Absolute upper-left Y:\s+(-?\d+)"),
                         ("width", r"Width:\s+(\d+)"), ("height", r"Height:\s+(\d+)")):
        match = re.search(pattern, info)
        values[key] = int(match.group(1)) if match else None
    match = re.search(r"Map State:\s+(\w+)", info)
    values["mapped"] = bool(match) and match.group(1) == "IsViewable"
    props = session.x("xprop", "-id", wid, "_NET_FRAME_EXTENTS", "_NET_WM_ALLOWED_ACTIONS",
                      "WM_STATE", "_MOTIF_WM_HINTS")
    match = re.search(r"_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+)", props)
    values["frame"] = tuple(int(v) for v in match.groups()) if match else (0, 0, 0, 0)
    match = re.search(r"_NET_WM_ALLOWED_ACTIONS\(ATOM\) = (.*)", props)
    values["actions"] = set(re.findall(r"_NET_WM_ACTION_(\w+)", match.group(1))) if match else set()
    match = re.search(r"window state: (\w+)", props)
    values["state"] = match.group(1) if match else None
    values["asks_for"] = _asked_functions(props)
    return values


_MOTIF_FUNCTIONS = {2: "RESIZE", 4: "MOVE", 8: "MINIMIZE", 16: "MAXIMIZE", 32: "CLOSE"}


def _asked_functions(props):
    """What the window asks a window manager to let the player do through the Motif hints, by
    the names of _NET_WM_ALLOWED_ACTIONS; None where it asks for no limit."""
    match = re.search(r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = (0x[0-9a-f]+), (0x[0-9a-f]+)", props)
    if not match:
        return None
    flags, functions = (int(value, 16) for value in match.groups())
    if not flags & 1 or functions & 1:
        return None
    return {name for bit, name in _MOTIF_FUNCTIONS.items() if functions & bit}


def outer_rect(info):
    """left, top, right, bottom of the window with its frame; right and bottom just outside."""
    left, right, top, bottom = info["frame"]
    return (info["x"] - left, info["y"] - top, info["x"] + info["width"] + right,
            info["y"] + info["height"] + bottom)


class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def ask_to_close(session, wid):
    """Asks the window manager to close a window, as its close box would. Unlike a key, the
    request reaches the window itself, whichever window the program last took the keyboard's
    focus to be in."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(_XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(session.env["DISPLAY"].encode())
    if not display:
        raise RuntimeError("cannot open display " + session.env["DISPLAY"])
    event = _XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = int(wid)
    event.xclient.message_type = x.XInternAtom(display, b"_NET_CLOSE_WINDOW", 0)
    event.xclient.format = 32
    event.xclient.data[1] = 2  # from a tool acting for the user
    substructure_notify_and_redirect = (1 << 19) | (1 << 20)
    x.XSendEvent(display, x.XDefaultRootWindow(display), 0, substructure_notify_and_redirect,
                 ctypes.byref(event))
    x.XFlush(display)
    x.XCloseDisplay(display)
