#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Orvan, builds it, and then either starts Orvan or runs every
# test. Run as root from the repository:
#
#   bash tools/bootstrap.sh run     # install, build and start the desktop program orvan
#   bash tools/bootstrap.sh test    # install, build and run every test
#
# The build goes to ./build (override with ORVAN_BUILD_DIR). The desktop program needs a display
# (X11 or Wayland). LibreOffice Writer, when installed, opens the running report; without it the
# desktop's default application for RTF files does.
set -euo pipefail

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: bash tools/bootstrap.sh run|test" >&2; exit 2 ;;
esac

cd "$(dirname "$0")/.."
build=${ORVAN_BUILD_DIR:-build}

packages=(
  cmake ninja-build g++ pkg-config
  libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-liberation
  locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVAN_BUILD_TESTS=ON -DORVAN_BUILD_BENCHMARKS=ON

if [ "$mode" = test ]; then
  cmake --build "$build" -j "$(nproc)"
  ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
else
  cmake --build "$build" -j "$(nproc)" --target orvan orvan-cli
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "orvan is built ($build/app/orvan), but there is no display to start it on." >&2
    echo "Start it from a desktop session, or under Xvfb: xvfb-run -a $build/app/orvan" >&2
    exit 1
  fi
  exec "$build/app/orvan"
fi
