#!/usr/bin/env bash
# Shared by ./run and ./test: install what is missing, then configure and build the targets
# named (./run: the program and the panel simulator), or everything when none is named.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-translations-l10n: Qt's own dialogs in Hebrew (qtbase_he); poppler-utils: the print tests
# read their PDF back with pdftotext.
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libqt6serialport6 libgl-dev
          libgtest-dev googletest culmus fonts-dejavu-core qt6-translations-l10n
          poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_dir=${VD_BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja
fi
# VD_JOBS: fewer parallel jobs on a small or shared machine.
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build_dir" -j "${VD_JOBS:-$(nproc)}" "${targets[@]}"
