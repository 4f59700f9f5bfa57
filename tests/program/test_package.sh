#!/bin/bash
# Builds the Debian package from the build directory, unpacks it, checks its
# files and control fields, and starts the unpacked program headless.
# Usage: test_package.sh <path-to-korinview> <build-dir>
set -euo pipefail

build=$(cd "$2" && pwd)
app_id=com.korinware.Korinview
work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    if [ -n "${server:-}" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# Into a directory of our own, so a package built by hand is left alone.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(find "$work/out" -maxdepth 1 -name 'korinview_*.deb' | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no korinview package built"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
for path in usr/bin/korinview \
            usr/share/applications/$app_id.desktop \
            usr/share/metainfo/$app_id.metainfo.xml \
            usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$app_id.png; do
    [ -f "$work/root/$path" ] || fail "package lacks /$path"
done
[ -x "$work/root/usr/bin/korinview" ] || fail "/usr/bin/korinview is not executable"
[ -n "$(find "$work/root/usr/lib" -path '*/korinview/libkorinview-web.so')" ] || fail "package lacks the web engine module"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = korinview ] || fail "package name is $(field Package)"
depends=$(field Depends)
recommends=$(field Recommends)
for needed in "qt6-qpa-plugins" "fonts-liberation2 | fonts-liberation" "libqt6widgets6" "libqt6webenginewidgets6"; do
    [[ ", $depends," == *", $needed"[\ ,\(]* ]] || fail "Depends lacks '$needed': $depends"
done
for wanted in "fonts-wqy-microhei | fonts-noto-cjk" "qt6-translations-l10n" "xdg-utils"; do
    [[ ", $recommends," == *", $wanted"[\ ,\(]* ]] || fail "Recommends lacks '$wanted': $recommends"
done
[[ $(field Suggests) == qt6-wayland && $recommends != *qt6-wayland* ]] || fail "Suggests: $(field Suggests)"

# The program must come up and keep running, its web engine loaded from the
# package's own module (the engine's helper process running); it is stopped
# after a while. The engine starts for a page: the loopback server, the only
# way out, answers the first side address with one.
source "$(dirname "$0")/../../scripts/loopback.sh"
LOOPBACK_PAGES=/soft/images/1.jpg loopback_start 0 "$work" || { echo "FAIL: no loopback server"; exit 1; }
server=$LOOPBACK_PID
cd "$work"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 http_proxy=http://127.0.0.1:$LOOPBACK_PORT \
    QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=127.0.0.1:$LOOPBACK_PORT" \
    "$work/root/usr/bin/korinview" >"$work/run.log" 2>&1 &
pid=$!
sleep 5
if kill -0 "$pid" 2>/dev/null; then
    pgrep -P "$pid" -f QtWebEngineProcess >/dev/null || { fail "the web engine did not start"; cat "$work/run.log"; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    wait "$pid" && code=0 || code=$?
    fail "the unpacked program ended within 5 seconds with status $code"
    cat "$work/run.log"
fi
pid=

[ "$status" -eq 0 ] && echo "PASS: package $(basename "$deb")"
exit "$status"
