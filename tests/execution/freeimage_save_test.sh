#!/usr/bin/env bash
# Runs freeimage_save_probe under Wine, then reads what it saved back with ImageMagick: each file
# must be of its format and size and show the probe's gradient the right way round (exactly for
# PNG and BMP, within JPEG's loss for JPEG).
#   freeimage_save_test.sh PROBE_EXE OUTPUT_FOLDER
set -euo pipefail
probe=$1
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

width=321
height=123
blue=64

rm -rf "$out"
mkdir -p "$out"
# Wine's drive Z: is the host's root.
"$root/scripts/wine-exec" "$probe" "Z:${out//\//\\}"

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# expect_file FILE FORMAT: the file exists and ImageMagick reads it as FORMAT of the probe's size.
expect_file() {
    local file=$out/$1 format=$2 found
    if [ ! -s "$file" ]; then
        fail "$1 was not written"
        return 1
    fi
    found=$(identify -format '%m %w %h' "$file" 2>&1) || true
    [ "$found" = "$format $width $height" ] || fail "$1: expected '$format $width $height', read '$found'"
}

# expect_gradient FILE TOLERANCE: the corners and the middle have the probe's colours; (0,0) is
# the top-left corner.
expect_gradient() {
    local file=$out/$1 tolerance=$2 x y expected found channel
    for point in "0 0" "$((width - 1)) 0" "0 $((height - 1))" "$((width - 1)) $((height - 1))" \
        "$((width / 2)) $((height / 2))"; do
        read -r x y <<<"$point"
        expected=("$((x * 255 / (width - 1)))" "$((y * 255 / (height - 1)))" "$blue")
        read -r -a found < <(convert "$file" -format \
            "%[fx:round(255*p{$x,$y}.r)] %[fx:round(255*p{$x,$y}.g)] %[fx:round(255*p{$x,$y}.b)]\n" info:)
        for channel in 0 1 2; do
            local difference=$((found[channel] - expected[channel]))
            if [ "${difference#-}" -gt "$tolerance" ]; then
                fail "$1 at ($x,$y): expected RGB ${expected[*]}, read ${found[*]}"
                break
            fi
        done
    done
}

expect_file gradient.png PNG && expect_gradient gradient.png 0
expect_file gradient.bmp BMP3 && expect_gradient gradient.bmp 0
expect_file gradient.jpeg JPEG && expect_gradient gradient.jpeg 4
if [ -s "$out/gradient.jpeg" ]; then
    # JPEG_QUALITYSUPERB is quality 100.
    quality=$(identify -format '%Q' "$out/gradient.jpeg")
    [ "$quality" = 100 ] || fail "gradient.jpeg: quality $quality, expected 100"
fi
[ ! -e "$out/missing" ] || fail "a save into a missing folder created it"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PNG, JPEG and BMP saved and read back"
