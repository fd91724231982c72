"""A private accessibility bus for a desktop test, read as a screen reader reads it: a D-Bus
session bus of the test's own, the at-spi2 bus launcher and registry on it, and pyatspi in this
process listening to the events the program sends. Start it before the program, so that the
program finds the registry and the listeners already there; every process it starts belongs to
the X session and ends with it."""

import os
import subprocess
import time

from x_session import StepTimeout, run_on_program

# The exit code that tells ctest a test was skipped.
SKIP = 77

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def run_on_program_with_bus(usage, run):
    """run_on_program for a test that reads the bus: skipped where the bus cannot be had."""
    if not available():
        print("SKIPPED: the at-spi2 bus launcher or pyatspi is not installed")
        return SKIP
    return run_on_program(usage, run)


def available():
    """Whether this machine has the bus launcher and pyatspi."""
    if not os.path.exists(BUS_LAUNCHER):
        return False
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        return False
    return True


class AtspiSession:
    """Events heard are kept as (type, source name, source role name, detail1, any_data)."""

    def __init__(self, session, event_types):
        self.session = session
        self.events = []
        read_fd, write_fd = os.pipe()
        session.start_child(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                             "--print-address=%d" % write_fd], pass_fds=(write_fd,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            address = pipe.readline().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        session.env["DBUS_SESSION_BUS_ADDRESS"] = address
        session.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        session.env["NO_AT_BRIDGE"] = "0"
        # libatspi in this process finds the bus through the same variables as the program.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DISPLAY"] = session.env["DISPLAY"]
        session.start_child([BUS_LAUNCHER, "--launch-immediately", "--a11y=1"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self._wait_for_registry()
        for event_type in event_types:
            pyatspi.Registry.registerEventListener(self._heard, event_type)

    def _wait_for_registry(self, timeout=30.0):
        deadline = time.monotonic() + timeout
        while True:
            try:
                self.pyatspi.Registry.getDesktop(0).childCount
                return
            except Exception:  # the registry is not on the bus yet
                if time.monotonic() > deadline:
                    raise StepTimeout("timed out waiting for the accessibility registry")
                time.sleep(0.1)

    def _heard(self, event):
        source = event.source
        try:
            name, role = source.name, source.getRoleName()
        except Exception:  # the object has gone
            name, role = None, None
        data = event.any_data
        self.events.append((event.type, name, role, event.detail1,
                            data if isinstance(data, (str, int)) else None))

    def pump(self):
        """Delivers the events that have arrived to the listeners."""
        while self.context.iteration(False):
            pass

    def wait_for(self, what, check, timeout=30.0, interval=0.02):
        """Pumps the events and polls check() until it returns something true."""
        deadline = time.monotonic() + timeout
        while True:
            self.pump()
            result = check()
            if result:
                return result
            if time.monotonic() > deadline:
                raise StepTimeout("timed out waiting for " + what)
            time.sleep(interval)

    def application(self, pid):
        """The program's application object on the bus, or None."""
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that has just gone
                continue
        return None


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def find_all(root, predicate, depth=12):
    """Every object under root (itself included) for which predicate holds."""
    found = []
    if root is None or depth < 0:
        return found
    if predicate(root):
        found.append(root)
    for child in children(root):
        found.extend(find_all(child, predicate, depth - 1))
    return found


def names(accessible, role_name=None):
    """The names of accessible's children, of the given role only when one is given."""
    return [child.name for child in children(accessible)
            if child is not None and (role_name is None or child.getRoleName() == role_name)]
