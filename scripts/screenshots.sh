#!/usr/bin/env bash
# Renders every page of the main window, every dialog and the wall picture
# window, the results window and the interaction diagram for three example
# projects (two working-stress walls, one strength design, which has no
# interaction diagram) and the design sweep dialog with the ranked walls of
# the default sweep into PNG files under a virtual X display:
#   bash scripts/screenshots.sh [BUILD_DIR]     # default: build
# The pictures land in BUILD_DIR/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
for tool in xvfb-run xauth; do
  command -v "$tool" >/dev/null || {
    echo "screenshots need $tool (apt-get install xvfb xauth)" >&2
    exit 2
  }
done
cmake --build "$build_dir" --target calvix_screenshots -j 2
out="$build_dir/screenshots"
mkdir -p "$out"
for example in cmu-bearing-wall retail-parapet-wall-si ibc-strength-wall; do
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build_dir/bin/calvix_screenshots" "$build_dir/bin" "examples/$example.cxl" "$out" "$example"
done
ls "$out"
