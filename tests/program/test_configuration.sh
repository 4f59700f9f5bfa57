# Malformed configured values stop CMake with a message naming the variable.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

expect_refused() {
    local variable=$1 value=$2
    if cmake -S "$source_dir" -B "$scratch/$variable" -G Ninja "-D$variable=$value" >"$scratch/log" 2>&1; then
        echo "FAIL: $variable=$value was accepted"; failed=1
    elif ! grep -q "$variable" "$scratch/log"; then
        echo "FAIL: the message for $variable=$value does not name it"; cat "$scratch/log"; failed=1
    fi
}

expect_refused KORINVIEW_SHARE_KEY 123456789
expect_refused KORINVIEW_GROUP_KEY ABCDEF
expect_refused KORINVIEW_SITE http://www.korinware.com/
expect_refused KORINVIEW_VIDEO_SITE "ftp://video.korinware.com"
expect_refused KORINVIEW_PRODUCT_SITE "http://a b"
expect_refused KORINVIEW_SUPPORT_EMAIL "no-at-sign"
expect_refused KORINVIEW_SITE_CAPTION 'say "hi"'
[[ $failed == 0 ]] && echo "7 passed, 0 failed"
exit "$failed"
