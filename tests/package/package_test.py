"""The Debian package as a distribution and a player meet it: made with cpack from this build,
listed with dpkg-deb, checked by lintian, unpacked with dpkg -x, and the unpacked game started
for its version and, on a private X desktop, for a first paint and a clean exit. The listing for
software centres and the desktop entry pass their validators.

usage: package_test.py BUILD-FOLDER VERSION"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))

from screen_pixels import ScreenPixels  # noqa: E402
from x_session import XSession, check, failures, report, wait_for, window_info  # noqa: E402

APP_ID = "io.github.quellmoor.pipwick"
# What a player's system needs of the package, by path below the unpacked root.
EXPECTED = [
    "usr/games/pipwick",
    "usr/games/pipwick-sim",
    "usr/games/pipwick-server",
    "usr/lib/systemd/system/pipwick-server.service",
    "usr/share/applications/pipwick.desktop",
    "usr/share/metainfo/%s.metainfo.xml" % APP_ID,
    "usr/share/games/pipwick/help/pipwick.html",
    "usr/share/games/pipwick/help/pipwick.es.html",
    "usr/share/games/pipwick/help/pipwick.pt_BR.html",
    "usr/share/games/pipwick/help/images/es/hand.png",
    "usr/share/man/man6/pipwick.6.gz",
    "usr/share/man/man6/pipwick-sim.6.gz",
    "usr/share/man/man6/pipwick-server.6.gz",
    "usr/share/doc/pipwick/copyright",
    "usr/share/doc/pipwick/changelog.gz",
    "usr/share/icons/hicolor/scalable/apps/pipwick.svg",
] + ["usr/share/icons/hicolor/%dx%d/apps/pipwick.png" % (s, s)
     for s in (16, 22, 24, 32, 48, 64, 128, 256)]
HUMAN = "Player"


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=300, **kwargs)


def make_package(build, folder):
    made = run(["cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", folder])
    if not check(made.returncode == 0, "cpack failed:\n" + made.stdout + made.stderr):
        return None
    debs = [name for name in os.listdir(folder) if name.endswith(".deb")]
    check(len(debs) == 1, "cpack made %s" % debs)
    return os.path.join(folder, debs[0]) if debs else None


def check_listing(deb, version):
    check(os.path.basename(deb) == "pipwick_%s_amd64.deb" % version,
          "package named %s" % os.path.basename(deb))
    control = run(["dpkg-deb", "--field", deb, "Package", "Version", "Section", "Depends"]).stdout
    for line in ("Package: pipwick", "Version: " + version, "Section: games"):
        check(line in control.splitlines(), "control lacks %r:\n%s" % (line, control))
    check("libqt6widgets6" in control, "dependencies not found from the binaries:\n" + control)
    listed = run(["dpkg-deb", "--contents", deb]).stdout
    paths = {line.split()[-1].lstrip("./").rstrip("/") for line in listed.splitlines()}
    for path in EXPECTED:
        check(path in paths, "the package lacks " + path)


def check_lintian(deb, scratch):
    # lintian leaves some of its scratch files behind; they go where the test cleans up.
    os.makedirs(scratch)
    result = run(["lintian", "--fail-on", "error", "--no-tag-display-limit", deb],
                 env=dict(os.environ, TMPDIR=scratch))
    check(result.returncode == 0, "lintian found errors:\n" + result.stdout + result.stderr)


def check_validators(root):
    metainfo = os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % APP_ID)
    result = run(["appstreamcli", "validate", "--pedantic", "--no-net", "--explain", metainfo])
    # Infos are advice; a warning or an error fails, as does a pedantic remark.
    flagged = [line for line in result.stdout.splitlines() if line[:2] in ("E:", "W:", "P:")]
    check(result.returncode == 0 and not flagged,
          "appstreamcli validate:\n" + result.stdout + result.stderr)
    desktop = os.path.join(root, "usr/share/applications/pipwick.desktop")
    result = run(["desktop-file-validate", desktop])
    check(result.returncode == 0 and not result.stdout.strip(),
          "desktop-file-validate:\n" + result.stdout + result.stderr)


def check_version(root, version):
    result = run([os.path.join(root, "usr/games/pipwick"), "--version"])
    check(result.returncode == 0 and result.stdout == "Pipwick %s\n" % version,
          "pipwick --version said %r (exit %d)" % (result.stdout, result.returncode))
    result = run([os.path.join(root, "usr/games/pipwick-sim"), "--games", "1"])
    check(result.returncode == 0 and "games" in result.stdout.lower(),
          "pipwick-sim --games 1: exit %d\n%s" % (result.returncode, result.stderr))


def painted(session, wid):
    """The table window is on the screen and shows more than one colour: its first paint."""
    info = window_info(session, wid)
    if not info["mapped"] or not info["width"]:
        return False
    pixels = ScreenPixels(session)
    left, top = max(info["x"], 0), max(info["y"], 0)
    right = min(info["x"] + info["width"], pixels.width)
    bottom = min(info["y"] + info["height"], pixels.height)
    seen = {pixels.at(x, y) for y in range(top, bottom, 7) for x in range(left, right, 7)}
    return len(seen) > 1


def check_start_and_exit(root):
    program = os.path.join(root, "usr/games/pipwick")
    with XSession(1024, 768, program) as session:
        log = open(os.path.join(session.folder, "output.txt"), "w")
        game = session.start_child([program], stdout=log, stderr=subprocess.STDOUT)

        def window(title):
            for wid in session.x("xdotool", "search", "--pid", str(game.pid)).split():
                if session.x("xdotool", "getwindowname", wid).rstrip("\n") == title:
                    return wid
            return None

        table = wait_for("the table window", lambda: window("Pipwick"), timeout=20)
        wait_for("the table's first paint", lambda: painted(session, table), timeout=20)
        human = wait_for("the human's window", lambda: window(HUMAN), timeout=20)
        session.x("xdotool", "windowactivate", "--sync", human)
        session.x("xdotool", "key", "--window", human, "alt+x")
        wait_for("the program to end", lambda: game.poll() is not None, timeout=20)
        log.close()
        with open(os.path.join(session.folder, "output.txt")) as output:
            said = output.read()
        check(game.returncode == 0, "the unpacked game ended with code %d:\n%s"
              % (game.returncode, said))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    build, version = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="pipwick-package-") as folder:
        deb = make_package(build, os.path.join(folder, "made"))
        if deb:
            check_listing(deb, version)
            check_lintian(deb, os.path.join(folder, "lintian"))
            root = os.path.join(folder, "root")
            unpacked = run(["dpkg", "-x", deb, root])
            if check(unpacked.returncode == 0, "dpkg -x: " + unpacked.stderr):
                check_validators(root)
                check_version(root, version)
                check_start_and_exit(root)
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
