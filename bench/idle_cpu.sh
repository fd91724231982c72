#!/usr/bin/env bash
# How much of one core the game uses while a computer player waits before its move: the game runs
# under Xvfb with a 5-second delay, the human leads, and the process's CPU time is read over three
# seconds of the wait. Needs xvfb and xdotool (installed here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/release/shell/pipwick}
for p in xvfb xdotool; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    { [ "$(id -u)" -eq 0 ] && apt-get install -y -q --no-install-recommends "$p" >/dev/null; }
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
cp "$game" "$work/pipwick"
printf '[pipwick]\ndelay=5\nsound=0\n' > "$work/pipwick.ini"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
sleep 1
DISPLAY=$display "$work/pipwick" >/dev/null 2>&1 &
pid=$!
sleep 2
DISPLAY=$display xdotool key ctrl+n
sleep 1
# The human's first tile: slot 0 of his window, centred at the bottom of the screen.
DISPLAY=$display xdotool mousemove 402 706 click 1
sleep 1
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep 3
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU during a computer player's wait: $(( (after - before) * 1000 / (3 * hz) / 10 )).$(( (after - before) * 1000 / (3 * hz) % 10 ))% of one core"
