#!/usr/bin/env bash
# Makes the game's fourteen sounds, all mono 8-bit PCM at 22050 Hz:
#   138      the shuffle: a riffle of small tile clicks, about 2.5 s
#   140      a tile landing: one short, dry click
#   148..153 "Pass!"   male for players 2, 3, 4, then female for players 2, 3, 4
#   154..159 "Domino!" in the same order
# Each seat speaks with its own pitch and speed, so the three computer players sound like three
# people whichever gender they have. Speech comes from espeak-ng, everything else from sox; both
# are installed from Debian's packages when missing.
#   tools/make_sounds.sh [output folder, default resources/sounds]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-resources/sounds}
mkdir -p "$out"

missing=()
command -v espeak-ng >/dev/null || missing+=(espeak-ng)
command -v sox >/dev/null || missing+=(sox)
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
format=(-r 22050 -c 1 -b 8 -e unsigned-integer)
# Repeatable runs: sox seeds its noise and its dither the same way every time.
sox() { command sox -R "$@"; }

# One click: a few milliseconds of noise through a band-pass, dying away fast. $1 the file,
# $2 the centre frequency, $3 the length in seconds, $4 the gain in dB.
click() {
  sox -n -r 22050 -c 1 -b 16 "$1" synth "$3" whitenoise \
    sinc 900-"$2" fade q 0.001 "$3" "$3" gain -n "$4"
}

# 140: a tile set down on a hard table. Two close strikes, the second a little softer, and no
# room echo.
click "$work/strike1.wav" 5200 0.018 -1
click "$work/strike2.wav" 3800 0.022 -7
sox -n -r 22050 -c 1 -b 16 "$work/gap.wav" trim 0 0.009
sox "$work/strike1.wav" "$work/gap.wav" "$work/strike2.wav" "${format[@]}" "$out/140.wav" \
  pad 0 0.01

# 138: the shuffle. About ninety tile clicks of varied pitch and loudness with uneven gaps, in
# three swells as hands push the tiles about, then a short settle.
ms() { printf '0.%03d' "$1"; }
RANDOM=138
parts=()
for swell in 1 2 3; do
  for ((i = 0; i < 30; i++)); do
    # Drawn here, not inside $(...): a subshell would draw from a fresh seed.
    pitch=$((2600 + RANDOM % 3200)) length=$((10 + RANDOM % 12)) gain=$((4 + RANDOM % 12))
    gap=$((4 + RANDOM % 13))
    f="$work/s${swell}_$i.wav"
    click "$f" "$pitch" "$(ms "$length")" "-$gain"
    g="$work/g${swell}_$i.wav"
    sox -n -r 22050 -c 1 -b 16 "$g" trim 0 "$(ms "$gap")"
    parts+=("$f" "$g")
  done
  pause="$work/p$swell.wav"
  sox -n -r 22050 -c 1 -b 16 "$pause" trim 0 0.09
  parts+=("$pause")
done
sox "${parts[@]}" "$work/riffle.wav"
sox "$work/riffle.wav" "${format[@]}" "$out/138.wav" fade t 0.05 -0 0.25 gain -n -3 \
  pad 0 0.05

# The calls. A voice: espeak-ng variant, pitch (0..99) and speed in words per minute.
declare -A voice=(
  [male2]="en+m3 60 175" [male3]="en+m1 10 140" [male4]="en+m7 72 200"
  [female2]="en+f2 62 170" [female3]="en+f4 74 150" [female4]="en+f1 86 190"
)
say() {  # $1 file, $2 words, $3 voice key
  read -r variant pitch speed <<<"${voice[$3]}"
  espeak-ng -v "$variant" -p "$pitch" -s "$speed" -w "$work/say.wav" "$2"
  # Trim the silence around the word, keep a few milliseconds of lead-in, and bring every call to
  # the same peak.
  sox "$work/say.wav" "${format[@]}" "$1" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
    gain -n -2 pad 0.02 0.03
}

id=148
for word in "Pass!" "Domino!"; do
  for gender in male female; do
    for player in 2 3 4; do
      say "$out/$id.wav" "$word" "$gender$player"
      id=$((id + 1))
    done
  done
done

for f in "$out"/*.wav; do
  printf '%s %6.3f s\n' "$(basename "$f")" "$(soxi -D "$f")"
done
