#!/usr/bin/env bash
# Builds the editor and starts it on the sample definitions. The first time, it creates the
# base directory (the installation folder: $SENTREL_HOME, else ~/.local/share/sentrel) from
# data/, and on every run it records that folder as "basedir" in the key store. Files already
# in the base directory are never replaced: intdata.dtl there holds the recent-files list.
# The build folder is $BUILD_DIR, else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
base="$(realpath -m "${SENTREL_HOME:-$HOME/.local/share/sentrel}")"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build"

# The reports folder holds the SQLite reports database ("SNReports.db") and the reports
# service's logs; the database file chooser starts there.
mkdir -p "$base" "$base/reports"
cp -Rn "$root/data/." "$base/"
# Each shipped definition file gets its BDD beside it, as an installation would have it, so
# the detection library can read the definitions from the start.
for bdf in "$base"/maindefs.bdf "$base"/intmpl.bdf; do
    bdd="${bdf%.bdf}.bdd"
    [ -e "$bdd" ] || "$build/app/bdf/sentrel-bdf" export "$bdf" "$bdd" >/dev/null
done
"$build/app/sentrel-editor" --register-basedir "$base"
exec "$build/app/sentrel-editor" "$base/maindefs.bdf"
