#!/usr/bin/env bash
# Takes the picture of the cut/paste dialog for docs/images under Xvfb. The build folder is
# $BUILD_DIR, else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake --build "$build" --target codegen_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/tests/codegen/codegen_screenshots" "$root/docs/images"
