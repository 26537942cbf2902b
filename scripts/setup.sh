#!/usr/bin/env bash
# Sets up a Debian 12 machine for Calvix (run as root), builds it, and then
# either runs the program's main job or the whole test suite.
#   bash scripts/setup.sh run    # build, then solve the shipped example wall
#   bash scripts/setup.sh test   # build, then run every test
set -euo pipefail
cd "$(dirname "$0")/.."

job="${1:-}"
case "$job" in
  run|test) ;;
  *) echo "usage: bash scripts/setup.sh run|test" >&2; exit 2 ;;
esac

packages=(build-essential cmake libgtest-dev libgmock-dev nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-svg-dev libgl-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

build_dir="${CALVIX_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j "$(nproc)"

case "$job" in
  run)
    "$build_dir/bin/calvix-cli" open examples/cmu-bearing-wall.cxl --json -
    ;;
  test)
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
    ;;
esac
