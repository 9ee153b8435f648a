#!/bin/sh
# Runs the browser-check sample as a web server would, over an installation made of the
# shipped definitions, and checks the page: the detected browser, the cookie filter applied,
# and a user agent with markup shown as text.
set -eu
source_dir="$1" detect="$2" bdf_tool="$3"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
cp "$detect" "$home/sentrel-detect"
"$bdf_tool" export "$source_dir/data/maindefs.bdf" "$home/maindefs.bdd" >/dev/null
mkdir -p "$home/samples"
cp -R "$source_dir/samples/cgi-bin" "$home/samples/"
page="$(HTTP_USER_AGENT='Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0 <b>' \
    "$home/samples/cgi-bin/browser-check.cgi")"
fail() { echo "sample_check: $1" >&2; echo "$page" >&2; exit 1; }
printf '%s' "$page" | head -1 | grep -q '^Content-Type: text/html' || fail "no CGI header"
printf '%s' "$page" | grep -q '<tr><td>Browser</td><td>Firefox</td></tr>' || fail "no Browser row"
printf '%s' "$page" | grep -q 'Firefox/121.0 &lt;b&gt;</code>' || fail "user agent not escaped"
printf '%s' "$page" | grep -q '<b>' && fail "markup of the request passed through"
# The request's cookies reach the Cookie filters: an unknown browser that sends the test
# cookie takes cookies.
page="$(HTTP_USER_AGENT='NoSuchBrowser/1.0' HTTP_COOKIE='a=b; sentrel_cookie_check=1' \
    "$home/samples/cgi-bin/browser-check.cgi")"
printf '%s' "$page" | grep -q '<tr><td>Cookies</td><td>True</td></tr>' || fail "cookie not used"
# Without the detection program the page says what is missing instead of failing.
rm "$home/sentrel-detect"
page="$(HTTP_USER_AGENT='x' "$home/samples/cgi-bin/browser-check.cgi")"
printf '%s' "$page" | grep -q 'Sentrel is not installed completely' || fail "no missing note"
echo OK
