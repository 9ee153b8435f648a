#!/usr/bin/env bash
# Takes the pictures of the main window with the sample definitions for docs/images: at
# 1280 x 800, and at twice the scale on a 2560 x 1600 screen. Runs the built editor under
# Xvfb with the openbox window manager, on a key store and base directory of its own.
# Usage: scripts/main-window-screenshots.sh [DISPLAY_NUMBER] (default 29). The build folder
# is $BUILD_DIR, else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
display=":${1:-29}"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# A base directory with the sample definitions, registered, and the first run already done.
base="$work/base"
mkdir -p "$base" "$work/home"
cp "$root/data/"{intdata.dtl,intmpl.bdf,maindefs.bdf,maindefs.mrg,whatsnew.txt} "$base/"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export SENTREL_REGISTRY="$work/registry"
"$build/app/bdf/sentrel-bdf" export "$base/maindefs.bdf" >/dev/null
"$build/app/sentrel-editor" --register-basedir "$base"
printf '"firstRunDone"=dword:00000001\n' \
    >>"$SENTREL_REGISTRY/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/values.reg"

# shoot SIZE SCALE PICTURE: the editor maximised on a screen of SIZE at SCALE.
shoot() {
    local size="$1" scale="$2" picture="$3"
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
    local xvfb=$!
    sleep 1
    DISPLAY="$display" openbox &
    local wm=$!
    sleep 1
    # Maximised, as a user would have it at this screen size (sizes in twips).
    mkdir -p "$XDG_CONFIG_HOME/Sentrel"
    printf '[Settings]\nMainLeft=0\nMainTop=0\nMainWidth=14400\nMainHeight=9000\nWinState=2\nSplitBrowser=4200\nSplitFilter=4200\nHorizontal=6600\n' \
        >"$XDG_CONFIG_HOME/Sentrel/Sentrel.ini"
    DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" \
        "$build/app/sentrel-editor" "$base/maindefs.bdf" &
    local editor=$!
    sleep 6
    DISPLAY="$display" import -window root "$picture"
    kill "$editor" "$wm" "$xvfb"
    wait "$editor" "$wm" "$xvfb" 2>/dev/null || true
}

shoot 1280x800 1 "$root/docs/images/main-window.png"
shoot 2560x1600 2 "$root/docs/images/main-window-2x.png"
