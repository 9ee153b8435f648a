#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the editor need, when missing.
# xdg-utils: xdg-open, through which the editor opens its help pages in the user's browser.
# qt6-svg-dev, libqt6svg6: the SVG icons; dpkg-dev, desktop-file-utils, libxml2-utils: the
# Debian package and the checks of its desktop entry and file types.
# ca-certificates: the authorities sentrel-update verifies https update sources against;
# python3 and openssl: the tests' local web servers (http and https).
set -euo pipefail
packages=(cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libgl-dev
          xvfb xauth postgresql uap-core unicode-data xdg-utils libgeoip-dev geoip-database
          apache2 python3 openssl ca-certificates libsqlite3-dev qt6-svg-dev libqt6svg6
          dpkg-dev desktop-file-utils libxml2-utils shared-mime-info file man-db)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
