#!/bin/bash
# The desktop entry and the AppStream metadata pass the freedesktop
# validators without warnings, and name each other and the icon consistently.
# Usage: test_desktop_files.sh <path-to-korinview> <build-dir>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
app_id=com.korinware.Korinview
desktop=$root/resources/$app_id.desktop
metainfo=$root/resources/$app_id.metainfo.xml
status=0
fail() { echo "FAIL: $*"; status=1; }

# desktop-file-validate exits 0 on warnings; any output is a finding.
findings=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$findings" ] || fail "desktop-file-validate: $findings"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name the icon $app_id"
grep -qx "Exec=korinview" "$desktop" || fail "desktop entry does not start korinview"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
for size in 48 64 128 256; do
    icon=$root/resources/icons/hicolor/${size}x$size/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size x $size PNG"
done

[ "$status" -eq 0 ] && echo "PASS: desktop files"
exit "$status"
