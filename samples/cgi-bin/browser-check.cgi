#!/bin/sh
# Sentrel sample: a page that shows what Sentrel detects about the browser viewing it.
# Run as CGI: the web server passes the visitor's user agent in HTTP_USER_AGENT and the
# cookies in HTTP_COOKIE. The script asks the detection program sentrel-detect of the
# Sentrel installation, over the definitions maindefs.bdd, and prints an HTML page.
#
# The installation folder is the one this script was installed under (samples/cgi-bin),
# unless SENTREL_HOME names another.
here="$(cd "$(dirname "$0")" && pwd)"
base="${SENTREL_HOME:-$(cd "$here/../.." && pwd)}"
detect="$base/sentrel-detect"
bdd="$base/maindefs.bdd"
agent="${HTTP_USER_AGENT:-}"

# Text made safe for HTML.
escape() {
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'
}

# Every cookie of the request as an option for the Cookie filters of the definitions.
cookie_options() {
    printf '%s' "${HTTP_COOKIE:-}" | tr ';' '\n' | sed -e 's/^ *//' -e '/^$/d' \
        -e 's/^/--cookie=/'
}

printf 'Content-Type: text/html; charset=utf-8\r\n\r\n'
cat <<'HEAD'
<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Sentrel browser check</title>
<style>body{font-family:sans-serif;margin:2em}td,th{border:1px solid #ccc;padding:2px 8px}
table{border-collapse:collapse}th{background:#eef2f6;text-align:left}</style></head><body>
<h1>Sentrel browser check</h1>
HEAD
printf '<p>Your user agent: <code>%s</code></p>\n' "$(printf '%s' "$agent" | escape)"

if [ ! -x "$detect" ] || [ ! -r "$bdd" ]; then
    printf '<p>Sentrel is not installed completely: %s or %s is missing.</p>\n' \
        "$(printf '%s' "$detect" | escape)" "$(printf '%s' "$bdd" | escape)"
elif [ -z "$agent" ]; then
    echo '<p>Your browser sent no user agent.</p>'
else
    echo '<table><tr><th>Property</th><th>Value</th></tr>'
    # One "name: value" line per property; the first line repeats the user agent.
    # shellcheck disable=SC2046 # one option per cookie, no blanks inside
    "$detect" $(cookie_options) -- "$bdd" "$agent" 2>&1 | sed -e '/^# /d' -e '/^$/d' | escape |
        sed -e 's|^\([^:]*\): \(.*\)$|<tr><td>\1</td><td>\2</td></tr>|'
    echo '</table>'
fi
echo '</body></html>'
