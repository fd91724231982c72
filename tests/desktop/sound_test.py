#!/usr/bin/env python3
"""The game's sounds through a real sound server: PulseAudio with a null sink, its monitor
recorded while the game deals and the first tiles are played. The shuffle must be heard when the
deal starts and last as long as its wave; each tile's click must come after the shuffle, as long
as its wave, the computer player's one after its pause. The deal is the one of SEED, in which the
computer player answers the human's lead without drawing. Skips (code 77) when the machine has no
sound server to start.

Usage: sound_test.py PROGRAM SOUNDS_FOLDER"""

import array
import os
import shutil
import subprocess
import sys
import wave

from x_session import StepTimeout, XSession, report, wait_for, window_info

SKIP = 77
RATE = 22050
SHUFFLE, CLICK = "138.wav", "140.wav"
SEED = "1"
# How long after the key press the shuffle may begin: the X server, the program and the sound
# server may each be held up by other work on the machine.
SHUFFLE_START_TOLERANCE = 1.0
# A sound cut short is a fault; one heard a little longer than its wave is the sound server running
# dry for a moment on a busy machine and going on where it stopped, which stretches the sound.
STRETCH_TOLERANCE = 0.25
# The same may start one sound a little later than another: a gap this much shorter than the
# computer player's pause is still that pause (without it the tiles would land together).
PAUSE_TOLERANCE = 0.25


def heard_wrongly(heard, wave, cut_tolerance):
    """Whether a sound heard for heard seconds, its wave for wave seconds, was cut short or
    stretched past what a busy machine explains."""
    return heard < wave - cut_tolerance or heard > wave + STRETCH_TOLERANCE


def heard_length(folder, name):
    """How long a wave is heard: from its first sound to its last, as bursts() finds them in the
    8-bit file itself."""
    with wave.open(os.path.join(folder, name)) as w:
        assert w.getframerate() == RATE and w.getsampwidth() == 1 and w.getnchannels() == 1
        frames = w.readframes(w.getnframes())
    return span(bursts(array.array("h", ((v - 128) * 256 for v in frames))))


def span(found):
    return found[-1][0] + found[-1][1] - found[0][0] if found else 0.0


def start_sound_server(session):
    """PulseAudio on the session's runtime folder with one null sink; False when it cannot run."""
    config = os.path.join(session.folder, "pulse.pa")
    with open(config, "w") as pa:
        pa.write("load-module module-native-protocol-unix\n"
                 "load-module module-null-sink sink_name=pipwick_test rate=%d channels=1\n"
                 "set-default-sink pipwick_test\n" % RATE)
    session.env["PULSE_RUNTIME_PATH"] = os.path.join(session.folder, "pulse")
    session.start_child(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                         "--disable-shm=yes", "--use-pid-file=no", "-F", config],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for("the sound server", lambda: "pipwick_test" in session.x("pactl", "info"),
                 timeout=8, interval=0.2)
    except StepTimeout:
        return False
    return True


class Recording:
    """The null sink's monitor as signed 16-bit mono samples, written as it plays."""

    def __init__(self, session):
        self.path = os.path.join(session.folder, "monitor.raw")
        self.file = open(self.path, "wb")
        session.start_child(["parec", "-d", "pipwick_test.monitor", "--format=s16le",
                             "--rate=%d" % RATE, "--channels=1", "--latency-msec=10"],
                            stdout=self.file, stderr=subprocess.DEVNULL)

    def now(self):
        """The recording's present moment, in seconds from its start."""
        return os.path.getsize(self.path) / 2 / RATE

    def samples(self):
        data = array.array("h")
        with open(self.path, "rb") as raw:
            data.frombytes(raw.read()[: os.path.getsize(self.path) // 2 * 2])
        return data


def bursts(samples, threshold=400, gap=0.08):
    """(start, length) in seconds of every stretch of sound, pauses shorter than gap joined."""
    step = RATE // 200
    loud = [max(abs(v) for v in samples[i:i + step]) > threshold
            for i in range(0, len(samples) - step, step)]
    found = []
    start = None
    quiet = 0
    for index, is_loud in enumerate(loud):
        if is_loud:
            if start is None:
                start = index
            quiet = 0
            end = index + 1
        elif start is not None:
            quiet += 1
            if quiet * step / RATE >= gap:
                found.append((start * step / RATE, (end - start) * step / RATE))
                start = None
    if start is not None:
        found.append((start * step / RATE, (end - start) * step / RATE))
    return found


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, sounds = sys.argv[1], sys.argv[2]
    for tool in ("pulseaudio", "pactl", "parec"):
        if shutil.which(tool) is None:
            print("SKIPPED: %s is not installed, so there is no sound server to test with" % tool)
            return SKIP
    shuffle_length = heard_length(sounds, SHUFFLE)
    click_length = heard_length(sounds, CLICK)
    failures = []
    with XSession(800, 600, program) as session:
        if not start_sound_server(session):
            print("SKIPPED: PulseAudio does not start on this machine")
            return SKIP
        recording = Recording(session)
        game = session.start_game({"nump": 2, "sound": 1, "delay": 1, "speed": 10},
                                  extra_env={"PIPWICK_SEED": SEED})
        dealt_at = played_at = 0.0
        try:
            human = wait_for("the human's window", lambda: game.window("Player"))
            # Whatever the program may sound at start-up is on the recording before the deal.
            wait_for("the recording to run", lambda: recording.now() > 1.0)
            dealt_at = recording.now()
            session.x("xdotool", "windowactivate", "--sync", human)
            session.x("xdotool", "key", "--window", human, "ctrl+n")
            # The deal waits for the shuffle; then the human leads with a click on his first tile.
            def shuffled():
                heard = [b for b in bursts(recording.samples()) if b[0] >= dealt_at]
                return (span(heard) >= shuffle_length - 0.05
                        and recording.now() > heard[-1][0] + heard[-1][1] + 1.0)

            wait_for("the shuffle to be heard whole", shuffled, interval=0.5)
            info = window_info(session, human)
            played_at = recording.now()
            session.x("xdotool", "mousemove", str(info["x"] + 10),
                      str(info["y"] + info["height"] - 20), "click", "1")

            def two_clicks_and_quiet():
                clicks = [b for b in bursts(recording.samples()) if b[0] >= played_at]
                return len(clicks) >= 2 and recording.now() > clicks[1][0] + 2.0

            # The computer player answers once; then it is the human's turn and all is quiet.
            wait_for("the two tiles' clicks", two_clicks_and_quiet, interval=0.5)
        except StepTimeout as timeout:
            failures.append(str(timeout))
        finally:
            game.end()
        samples = recording.samples()
        found = bursts(samples)
        output = game.output()
    print("sounds heard (start, length):", ["%.3f %.3f" % b for b in found])
    print("new game at %.3f, tile clicked at %.3f; the waves are heard for %.3f and %.3f s"
          % (dealt_at, played_at, shuffle_length, click_length))
    shuffle = [b for b in found if dealt_at <= b[0] < played_at]
    clicks = [b for b in found if b[0] >= played_at]
    if len(shuffle) + len(clicks) != len(found):
        failures.append("a sound before the deal: %s" % found[0:1])
    if not shuffle:
        failures.append("no shuffle was heard")
    else:
        if shuffle[0][0] > dealt_at + SHUFFLE_START_TOLERANCE:
            failures.append("the shuffle began at %.3f, the deal at %.3f"
                            % (shuffle[0][0], dealt_at))
        if heard_wrongly(span(shuffle), shuffle_length, 0.05):
            failures.append("the shuffle was heard for %.3f s, its wave for %.3f s"
                            % (span(shuffle), shuffle_length))
    if len(clicks) != 2:
        failures.append("%d tile clicks after the human's play, expected 2" % len(clicks))
    for start, length in clicks:
        if heard_wrongly(length, click_length, 0.02):
            failures.append("a click at %.3f was heard for %.3f s, its wave for %.3f s"
                            % (start, length, click_length))
    if len(clicks) >= 2 and clicks[1][0] - clicks[0][0] < 1.0 - PAUSE_TOLERANCE:
        failures.append("the computer's tile landed %.3f s after the human's, before its "
                        "one-second pause" % (clicks[1][0] - clicks[0][0]))
    if output.strip():
        print("the game said:", output)
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
