#!/usr/bin/env bash
# tockly-inspect language FILE as support people use it: the real program on real files.
# usage: language_command_test.sh INSPECT LANGUAGE_FOLDER
set -euo pipefail
inspect=$1
shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { printf 'FAIL %s\n' "$1" >&2; failures=$((failures + 1)); }
expect_in() {  # expect_in NAME OUTPUT PART: OUTPUT holds PART
    case "$2" in *"$3"*) ;; *) fail "$1: no $3 in ${2:0:200}" ;; esac
}
utf16() { printf '%b' "$1" | iconv -f UTF-8 -t UTF-16LE; }
texts_count() { grep -o '"[0-9]*":' <<<"$1" | wc -l; }

out=$("$inspect" language "$shipped/Deutsch.lng")
expect_in "shipped German" "$out" '{"offered":true,"name":"Deutsch","texts":{"100":"Deutsch",'
expect_in "shipped German" "$out" '"1000":"Einstellungen"'
expect_in "shipped German" "$out" '"1005":"Internet-\nverbindungen"'
expect_in "built-in at" "$out" '"16025":"at"'
[ "$(texts_count "$out")" -eq 231 ] || fail "every keyed number and 16025: $(texts_count "$out")"

# Not offered: no "lng" in the name, a LANGUAGE line that ends past byte 498, no file at all.
cp "$shipped/Deutsch.lng" "$work/Deutsch.txt"
padding=$(printf ';%0244d\\r\\n' 0)
utf16 "${padding}LANGUAGE=Late\r\nGENERAL_SETTINGS=Sp\xc3\xa4t\r\n" >"$work/late.lng"
for file in "$work/Deutsch.txt" "$work/late.lng" "$work/missing.lng"; do
    out=$("$inspect" language "$file")
    expect_in "$file not offered" "$out" '{"offered":false,"name":null,"texts":{"100":"ERROR",'
    expect_in "$file English" "$out" '"1000":"Settings"'
done

# Offered, with the keys it lacks in English and a name with characters JSON must escape.
utf16 '; x\r\nLANGUAGE=Fr "\xc3\xa9"\\\r\nGENERAL_SETTINGS=Param\xc3\xa8tres\r\n' >"$work/fr.lng.old"
out=$("$inspect" language "$work/fr.lng.old")
expect_in "odd name" "$out" '{"offered":true,"name":"Fr \"é\"\\","texts":{"100":"Fr \"é\"\\",'
expect_in "own text" "$out" '"1000":"Paramètres"'
expect_in "English fallback" "$out" '"1001":"Informations"'
expect_in "mended" "$out" '"10001":"Change counter task"'

for arguments in "language" "language a b"; do
    status=0
    # shellcheck disable=SC2086
    "$inspect" $arguments >/dev/null 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] || fail "exit status of '$arguments': $status"
done

[ "$failures" -eq 0 ] && echo "inspect language: all checks passed"
exit "$failures"
