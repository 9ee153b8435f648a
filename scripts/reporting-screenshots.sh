#!/usr/bin/env bash
# Takes the pictures of the reporting tabs for docs/images under Xvfb, with an SQLite file and
# a throw-away PostgreSQL server (needs root, as the tests do). The build folder is $BUILD_DIR,
# else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake --build "$build" --target reportingtabs_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/tests/reportingtabs/reportingtabs_screenshots" "$root/docs/images"
