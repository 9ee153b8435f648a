#!/usr/bin/env bash
# package_test.sh BUILD_DIR: builds the Debian package from the build tree's install rules,
# unpacks it with dpkg-deb -x into a temporary root (nothing is installed on the machine) and
# checks it. Prints "N passed, N failed" and exits 1 when a check failed.
set -uo pipefail
build="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@" >"$work/check.log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        sed 's/^/    /' "$work/check.log"
    fi
}

if ! cpack --config "$build/packaging/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "0 passed, 1 failed"
    exit 1
fi
deb="$(ls "$work"/out/*.deb)"
root="$work/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$work/control"

# --- control fields
field() { dpkg-deb -f "$deb" "$1"; }
depends="$(field Depends)"
in_depends() { tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qx "$1"; }
check "maintainer" test "$(field Maintainer)" = "Sentrel Editor developers <support@sentrel-editor.org>"
check "package name" test "$(field Package)" = "sentrel-editor"
for package in libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins libqt6svg6 libgeoip1 \
    geoip-database; do
    check "Depends lists $package" in_depends "$package"
done
check "apache2 is no dependency" bash -c "! grep -qw apache2 <<<'$depends'"
check "apache2 recommended" test "$(field Recommends)" = "apache2"
check "licence line" bash -c "dpkg-deb -f '$deb' Description | grep -qx ' Licence: Apache License 2.0.'"
check "postinst and postrm are executable scripts" test -x "$work/control/postinst" -a -x "$work/control/postrm"
check "postinst parses" sh -n "$work/control/postinst"
check "postinst makes the group's setgid store" grep -q 'chmod 2775' "$work/control/postinst"

# Every library the programs load directly comes from a package in Depends.
package_of() {
    local path="$1" candidate
    for candidate in "$path" "/usr$path" "${path#/usr}" "$(realpath "$path")"; do
        dpkg -S "$candidate" 2>/dev/null | head -1 | cut -d: -f1 && return 0
    done
    return 1
}
needed_packages_are_dependencies() {
    local program library path package missing=0
    for program in "$root"/usr/bin/* "$root"/usr/share/sentrel/srws/x86/NorvaneSRWS.dll; do
        for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
            path="$(ldconfig -p | awk -v l="$library" '$1 == l && /x86-64/ { print $NF; exit }')"
            package="$(package_of "$path")"
            if [ -z "$package" ] || ! in_depends "$package"; then
                echo "$(basename "$program") needs $library ($path) of '${package:-no package}'"
                missing=1
            fi
        done
    done
    return $missing
}
check "every needed library's package is in Depends" needed_packages_are_dependencies

# --- layout
for path in usr/bin/sentrel-editor usr/bin/sentrel-bdf usr/bin/sentrel-detect \
    usr/bin/sentrel-update usr/share/sentrel/sentrel-update \
    usr/share/sentrel/intmpl.bdf usr/share/sentrel/intmpl.bdd usr/share/sentrel/maindefs.bdf \
    usr/share/sentrel/maindefs.bdd usr/share/sentrel/maindefs.mrg usr/share/sentrel/intdata.dtl \
    usr/share/sentrel/whatsnew.txt usr/share/sentrel/docs/help/index.html \
    usr/share/sentrel/samples/README.md usr/share/sentrel/sentrel-detect \
    usr/share/sentrel/srws/x86/NorvaneSRWS.dll \
    usr/share/applications/sentrel-editor.desktop usr/share/mime/packages/sentrel-editor.xml \
    usr/share/icons/hicolor/scalable/apps/sentrel-editor.svg \
    usr/share/man/man1/sentrel-editor.1 usr/share/man/man1/sentrel-bdf.1 \
    usr/share/man/man1/sentrel-detect.1 usr/share/man/man1/sentrel-update.1 \
    usr/share/doc/sentrel-editor/copyright; do
    check "installs $path" test -e "$root/$path"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/sentrel-editor.png"
    check "icon ${size}x${size}" bash -c "file '$png' | grep -q 'PNG image data, $size x $size'"
done
check "sentrel-detect in the base directory runs the installed program" \
    bash -c "'$root/usr/share/sentrel/sentrel-detect' --help | grep -q '^Usage: sentrel-detect'"
check "the installed BDD detects" bash -c "'$root/usr/bin/sentrel-detect' --property Browser \
    '$root/usr/share/sentrel/maindefs.bdd' 'Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0' | grep -q Firefox"
for page in "$root"/usr/share/man/man1/*.1; do
    check "manual page $(basename "$page") formats cleanly" \
        bash -c "MANWIDTH=80 man --warnings -l '$page' 2>&1 >/dev/null | (! grep .)"
done

# --- desktop entry and file types
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/sentrel-editor.desktop"
check "desktop entry opens .bdf files" grep -qx 'MimeType=application/x-sentrel-bdf;' \
    "$root/usr/share/applications/sentrel-editor.desktop"
check "desktop entry passes the file" grep -qx 'Exec=sentrel-editor %f' \
    "$root/usr/share/applications/sentrel-editor.desktop"
mime="$root/usr/share/mime/packages/sentrel-editor.xml"
check "xmllint on the file types" xmllint --noout "$mime"
mkdir -p "$work/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$mime" "$work/mime/packages/"
check "update-mime-database takes the file types" update-mime-database "$work/mime"
check "definition files: glob *.bdf" grep -q 'application/x-sentrel-bdf:\*\.bdf' "$work/mime/globs2"
check "definition files: first line SentrelDocument" grep -qa 'SentrelDocument' "$work/mime/magic"
check "BDD files: glob *.bdd" grep -q 'application/x-sentrel-bdd:\*\.bdd' "$work/mime/globs2"

# --- the installed editor starts from the installed paths on a fresh key store
start_editor() {  # start_editor REGISTRY: runs the installed editor unattended, output in editor.log
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_DATA_HOME="$work/data" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SENTREL_REGISTRY="$1" \
        SENTREL_UNATTENDED=1 QT_QPA_PLATFORM=offscreen \
        timeout 120 "$root/usr/bin/sentrel-editor" >"$work/editor.log" 2>&1
}
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
check "the installed editor starts on a fresh key store" start_editor "$work/fresh-registry"
check "no registry error" bash -c "! grep -q 'Error reading registry' '$work/editor.log'"
user="$work/data/sentrel"
check "the user's copy links the program's files" \
    test "$(readlink "$user/intmpl.bdf")" = "$root/usr/share/sentrel/intmpl.bdf"
check "the user's copy links the help pages" test -e "$user/docs/help/index.html"
check "the user's definitions are a copy of their own" \
    bash -c "test -f '$user/maindefs.bdf' -a ! -L '$user/maindefs.bdf' -a -w '$user/maindefs.bdf'"
check "the user's reports folder" test -d "$user/reports"

# The package registers the installed data folder as "basedir": the editor still works in
# the user's copy.
rm -rf "$user"
check "register the installed base directory" env SENTREL_REGISTRY="$work/machine" \
    "$root/usr/bin/sentrel-editor" --register-basedir "$root/usr/share/sentrel"
check "the installed editor starts with the installed base directory registered" \
    start_editor "$work/machine"
check "and works in the user's copy" test -L "$user/intmpl.bdf" -a -f "$user/intdata.dtl"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
