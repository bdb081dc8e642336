#!/usr/bin/env bash
# Installs what building, playing and testing Pondrake need on Debian 12, then configures and
# builds one build folder. Usage: scripts/setup.sh <build-folder> [extra cmake arguments...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-dejavu-core
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils python3 python3-pil python3-mido
  desktop-file-utils appstream librsvg2-bin dpkg-dev lintian groff-base
  # The world table's server: HTTP, JSON, its SQL drivers, a PostgreSQL to test it on, and
  # systemd's checker for its unit; curl and jq for the README's example of talking to it.
  libcpp-httplib-dev libsimdjson-dev libqt6sql6-sqlite libqt6sql6-psql postgresql-15 systemd curl jq
)
# For the tests alone (test.sh asks): a real browser for the world table's pages, about 380 MB, and
# a session bus with the desktop's accessibility bus, to hear what a screen reader hears.
if [ "${PONDRAKE_SETUP_TESTS:-}" = 1 ]; then
  packages+=(chromium chromium-driver python3-selenium dbus-daemon at-spi2-core python3-pyatspi)
fi
# The fuzzers of the file readers are built with clang and its libFuzzer.
for arg in "$@"; do
  if [ "$arg" = "-DPONDRAKE_FUZZ=ON" ]; then packages+=(clang libclang-rt-14-dev); fi
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build folder}
shift
cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
