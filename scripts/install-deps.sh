#!/usr/bin/env bash
# Installs the Debian packages that building and testing Pipwick needs, skipping those already
# present. Runs apt-get directly as root, through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-websockets-dev libxcb1-dev
  libsodium-dev openssl
  python3 xvfb xauth openbox xdotool x11-utils x11-apps
  pulseaudio pulseaudio-utils
  dbus at-spi2-core python3-pyatspi
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  dpkg-dev lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
