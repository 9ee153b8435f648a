#!/usr/bin/env bash
# Builds the editor, installs it into the base directory and starts it on the sample
# definitions. The base directory is the installation folder: $SENTREL_HOME, else
# ~/.local/share/sentrel; every run records it as "basedir" in the key store.
#
# The program's own files are refreshed on every run: the help pages (docs/help), the
# samples with the detection program they call, the new-file template intmpl.bdf,
# whatsnew.txt and, once they are built, the reports service and the download manager.
# The user's own files are installed only when missing and never replaced: intdata.dtl (the
# recent-files list), maindefs.bdf with its .mrg and .bdd, and the reports/ folder. The
# samples get an entry in the desktop's application menu.
# The build folder is $BUILD_DIR, else build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
base="$(realpath -m "${SENTREL_HOME:-$HOME/.local/share/sentrel}")"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build"

# A folder of the program's: replaced whole, so pages removed from the program go too.
refresh_folder() {
    local from="$1" to="$2"
    rm -rf "$to.new"
    mkdir -p "$(dirname "$to")"
    cp -R "$from" "$to.new"
    rm -rf "$to"
    mv "$to.new" "$to"
}

# A file of the program's: replaced by a rename, so a reader never sees half of it.
refresh_file() {
    local from="$1" to="$2"
    [ -e "$from" ] || return 0
    cp "$from" "$to.new"
    mv -f "$to.new" "$to"
}

mkdir -p "$base"
# The user's files: only when missing.
for own in intdata.dtl maindefs.bdf maindefs.mrg; do
    [ -e "$base/$own" ] || cp "$root/data/$own" "$base/$own"
done
# The reports folder holds the SQLite reports database ("SNReports.db") and the reports
# service's logs; the database file chooser starts there.
mkdir -p "$base/reports"

# The program's files: always.
refresh_file "$root/data/intmpl.bdf" "$base/intmpl.bdf"
refresh_file "$root/data/whatsnew.txt" "$base/whatsnew.txt"
refresh_folder "$root/docs/help" "$base/docs/help"
refresh_folder "$root/samples" "$base/samples"
refresh_file "$build/detect/tool/sentrel-detect" "$base/sentrel-detect"
refresh_file "$build/app/sentrel-update" "$base/sentrel-update"
if [ -e "$build/srws/NorvaneSRWS.dll" ]; then
    mkdir -p "$base/srws/x86"
    refresh_file "$build/srws/NorvaneSRWS.dll" "$base/srws/x86/NorvaneSRWS.dll"
    refresh_file "$build/srws/sentrel-srws-postgres" "$base/srws/sentrel-srws-postgres"
fi

# "Sentrel Samples" in the desktop's application menu opens the samples' guide.
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
cat >"$applications/sentrel-samples.desktop.new" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Sentrel Samples
Comment=Run the Sentrel samples in your browser
Exec=xdg-open "$base/samples/README.md"
Categories=Development;
DESKTOP
mv -f "$applications/sentrel-samples.desktop.new" "$applications/sentrel-samples.desktop"

# The template's BDD follows the template; maindefs.bdd is the user's, written only when
# missing, so the detection library can read the definitions from the start.
"$build/app/bdf/sentrel-bdf" export "$base/intmpl.bdf" "$base/intmpl.bdd" >/dev/null
[ -e "$base/maindefs.bdd" ] || "$build/app/bdf/sentrel-bdf" export "$base/maindefs.bdf" \
    "$base/maindefs.bdd" >/dev/null
"$build/app/sentrel-editor" --register-basedir "$base"
exec "$build/app/sentrel-editor" "$base/maindefs.bdf"
