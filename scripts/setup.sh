#!/usr/bin/env bash
# Sets up a Debian 12 machine for Calvix (run as root), builds it, and then
# either runs the program's main job or the whole test suite.
#   bash scripts/setup.sh run [FILE.cxl]
#                                # build, install the desktop entry and the .cxl file
#                                # type, then start the desktop program on FILE (or,
#                                # without a display, solve a shipped example wall
#                                # with calvix-cli)
#   bash scripts/setup.sh test   # build, then run every test, then build and
#                                # run every test again with AddressSanitizer
#                                # and UndefinedBehaviorSanitizer (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

job="${1:-}"
shift || true
case "$job" in
  run|test) ;;
  *) echo "usage: bash scripts/setup.sh run|test" >&2; exit 2 ;;
esac

packages=(build-essential cmake libgtest-dev libgmock-dev nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  clang libclang-rt-14-dev libbenchmark-dev hyperfine
  groff poppler-utils xvfb xauth fonts-dejavu-core
  qt6-pdf-dev shared-mime-info desktop-file-utils xdg-utils)
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
    # The desktop entry and the .cxl file type: a file manager opens project
    # files with Calvix.
    bash desktop/install-desktop.sh "$(realpath "$build_dir/bin/calvix")"
    if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
      exec "$build_dir/bin/calvix" "$@"
    fi
    echo "No display: solving examples/cmu-bearing-wall.cxl with calvix-cli instead." >&2
    "$build_dir/bin/calvix-cli" solve examples/cmu-bearing-wall.cxl --json -
    ;;
  test)
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
    # The same suite under AddressSanitizer and UndefinedBehaviorSanitizer;
    # the desktop program is left out there to keep the run short.
    asan_dir="${CALVIX_ASAN_BUILD_DIR:-build-asan}"
    cmake -S . -B "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVIX_BUILD_DESKTOP=OFF \
      -DCALVIX_SANITIZE=ON
    cmake --build "$asan_dir" -j "$(nproc)"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir "$asan_dir" --output-on-failure -j "$(nproc)"
    ;;
esac
