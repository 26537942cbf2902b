#!/usr/bin/env bash
# Renders every page of the main window, every dialog and the wall picture
# window, the results window and the interaction diagram for three example
# projects (two working-stress walls, one strength design, which has no
# interaction diagram) and the design sweep dialog with the ranked walls of
# the default sweep into PNG files under a virtual X display:
#   bash scripts/screenshots.sh [BUILD_DIR]     # default: build
# Then pages 1 and 3 of the calculation package of a working-stress and of a
# strength example (calvix-cli solve --pdf, rendered with pdftoppm).
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
cmake --build "$build_dir" --target calvix_screenshots calvix-cli -j 2
out="$build_dir/screenshots"
mkdir -p "$out"
for example in cmu-bearing-wall retail-parapet-wall-si ibc-strength-wall; do
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build_dir/bin/calvix_screenshots" "$build_dir/bin" "examples/$example.cxl" "$out" "$example"
done
for example in cmu-bearing-wall ibc-strength-wall; do
  "$build_dir/bin/calvix-cli" solve "examples/$example.cxl" --pdf "$out/package-$example.pdf" \
    >/dev/null 2>&1 || true
  for page in 1 3; do
    pdftoppm -r 110 -png -f "$page" -l "$page" -singlefile "$out/package-$example.pdf" \
      "$out/package-$example-page$page"
  done
  rm -f "$out/package-$example.pdf"
done
ls "$out"
