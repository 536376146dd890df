#!/usr/bin/env bash
# Runs screen_capture_probe under Wine, then reads its screenshots back with ImageMagick: each must
# have the screen's size, be opaque, show the probe's windows in their colours (exactly for PNG and
# BMP, within JPEG's loss for JPEG) and carry exactly the name the probe gave it.
#   screen_capture_test.sh PROBE_EXE OUTPUT_FOLDER
set -euo pipefail
probe=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

rm -rf "$out"
mkdir -p "$out"
# Wine's drive Z: is the host's root.
probe_status=0
"$root/scripts/wine-exec" "$probe" "Z:${out//\//\\}" || probe_status=$?

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
[ "$probe_status" -eq 0 ] || fail "the probe ended with $probe_status"

read -r width height <"$out/screen.txt"
# The X screen the capture comes from.
screen=$(xdpyinfo -display "$DISPLAY" | awk '/dimensions:/ { print $2 }')
[ "${width}x${height}" = "$screen" ] || fail "the probe saw a ${width}x${height} screen, X has $screen"

shots="$out/Zrzuty ekranu – ąęł"
# check_shot NAME FORMAT TOLERANCE
check_shot() {
    local file="$shots/$1" format=$2 tolerance=$3 found x y red green blue channel difference
    if [ ! -s "$file" ]; then
        fail "$1 was not written; the folder holds: $(ls "$shots" 2>/dev/null | tr '\n' ' ')"
        return
    fi
    found=$(identify -format '%m %w %h %[opaque]' "$file" 2>&1) || true
    # ImageMagick writes the opacity as "True" or "true", by version.
    [ "${found,,}" = "${format,,} $width $height true" ] ||
        fail "$1: expected '$format $width $height True' (format, size, opaque), read '$found'"
    while read -r x y red green blue; do
        read -r -a found < <(convert "$file" -format \
            "%[fx:round(255*p{$x,$y}.r)] %[fx:round(255*p{$x,$y}.g)] %[fx:round(255*p{$x,$y}.b)]\n" info:)
        local expected=("$red" "$green" "$blue")
        for channel in 0 1 2; do
            difference=$((found[channel] - expected[channel]))
            if [ "${difference#-}" -gt "$tolerance" ]; then
                fail "$1 at ($x,$y): expected RGB ${expected[*]}, read ${found[*]}"
                break
            fi
        done
    done < <(tail -n +2 "$out/screen.txt")
}

check_shot "日本_0.png" PNG 0
check_shot "日本_1.jpeg" JPEG 6
check_shot "日本_2.bmp" BMP3 0
[ "$(find "$shots" -type f | wc -l)" -eq 3 ] || fail "other files beside the three shots: $(ls "$shots")"
[ ! -e "$out/missing" ] || fail "a save into a missing folder created it"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PNG, JPEG and BMP screenshots of ${width}x${height} saved under their names and read back"
