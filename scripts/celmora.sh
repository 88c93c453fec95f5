#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Set up, build and run Celmora Pro on Debian 12.
#   scripts/celmora.sh start   install what is missing, build (release), produce the data, start the workstation
#   scripts/celmora.sh test    the same set-up, then run the whole test suite
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${CELMORA_BUILD_DIR:-$ROOT/build}
JOBS=${CELMORA_JOBS:-$(nproc)}

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6sql6-sqlite libxkbcommon-dev
  libsqlite3-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  libswe-dev swetest fonts-noto-cjk qt6-translations-l10n
  xvfb xauth imagemagick poppler-utils
  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo: as root, run" >&2
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  # Through env: sudo drops the caller's environment, and without this variable a
  # package such as tzdata stops the install to ask a question.
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build "$BUILD" -j "$JOBS"
}

case "${1:-}" in
  start)
    install_packages
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/bin/celmora"
    fi
    exec "$BUILD/bin/celmora"
    ;;
  test)
    install_packages
    build
    cd "$BUILD"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" --timeout 600
    ;;
  *)
    echo "usage: $0 start|test" >&2
    exit 64
    ;;
esac
