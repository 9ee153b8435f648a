#!/usr/bin/env bash
# Takes the picture of the web directory selection dialog for docs/images under Xvfb with
# openbox (for the caption in the title bar), over a copy of this machine's Apache httpd
# configuration. The build folder is $BUILD_DIR, else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake --build "$build" --target webdirs_screenshot
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    openbox & wm=$!
    sleep 1
    "$0" "$1"; status=$?
    kill $wm
    exit $status' "$build/tests/webdirs/webdirs_screenshot" "$root/docs/images"
