#!/usr/bin/env bash
# tockly-inspect store: JSON of the tasks as loaded, --now, --rewrite, and its exit statuses.
set -euo pipefail
inspect=$1
corpus=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {  # expect NAME ACTUAL WANTED
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  got:  %s\n  want: %s\n' "$1" "$2" "$3" >&2
        failures=$((failures + 1))
    fi
}
outcomes() { grep -o '"atLoad":"[a-z]*"' | cut -d'"' -f4 | tr '\n' ' '; }

expect "empty store" "$("$inspect" store "$corpus/accept-empty.dat")" \
    '{"length":36,"tasks":{"Application":[],"PrintScreen":[],"Internet":[],"Power":[],"Timer":[],"Counter":[],"StickyNote":[],"Stopwatch":[]}}'

# One internet task with a zero-length entry name, "true" bytes of 2 and an inverted byte of 7.
expect "odd bytes as read" "$("$inspect" store "$corpus/accept-odd-bytes.dat")" \
    '{"length":125,"tasks":{"Application":[],"PrintScreen":[],"Internet":[{"title":"t","action":1,"entryName":"","atInChoice":0,"start":{"year":2024,"month":1,"day":1,"hour":0,"minute":0,"second":0},"target":{"year":2024,"month":4,"day":31,"hour":25,"minute":0,"second":0},"delay":{"days":0,"hours":0,"minutes":0,"seconds":0},"showProgressBar":true,"removeAfterEnd":true,"shown":true,"running":true,"alwaysOnTop":true,"x":0,"y":0,"transparency":0}],"Power":[],"Timer":[],"Counter":[],"StickyNote":[],"Stopwatch":[]}}'

sample="$corpus/accept-one-of-each-kind.dat"
json=$("$inspect" store "$sample")
expect "no atLoad without --now" "$(echo "$json" | outcomes)" ""
expect "stopwatch checkpoints as durations" \
    "$(echo "$json" | grep -o '"checkpoints":\[[^]]*\]')" \
    '"checkpoints":[{"days":0,"hours":0,"minutes":10,"seconds":5},{"days":0,"hours":0,"minutes":21,"seconds":40},{"days":0,"hours":1,"minutes":2,"seconds":3}]'
# The sample's application task ends a program and is stored expanded; Tockly's widget of such a
# task starts collapsed, so a save right after loading writes the byte at offset 185 as 0.
"$inspect" store "$sample" --rewrite "$work/tidy.dat" >/dev/null
expect "only a program-ending task's expanded byte is rewritten" \
    "$(cmp -l "$sample" "$work/tidy.dat" | tr -s ' ' | sed 's/^ //')" "186 1 0"
"$inspect" store "$work/tidy.dat" --rewrite "$work/same.dat" >/dev/null
cmp -s "$work/tidy.dat" "$work/same.dat" || { echo "FAIL a tidy file is rewritten unchanged" >&2; failures=$((failures + 1)); }

# A length field that counts bytes after the last section: the tasks load, the rest is counted.
trailing=$("$inspect" store "$corpus/accept-trailing-byte.dat")
expect "bytes after the last section are ignored" "${trailing%%,\"tasks\"*}" '{"length":1072,"ignoredBytes":1'
expect "the tasks before them load" "${trailing#*,\"tasks\"}" "${json#*,\"tasks\"}"

# At the power task's own target: it is not in the future any more.
json=$("$inspect" store "$sample" --now 2024-11-05T03:04:05 --rewrite "$work/after.dat")
expect "outcomes in kind order" "$(echo "$json" | outcomes)" \
    "stop drop keep stop keep stop keep keep "
expect "a stopped task is hidden" "$(echo "$json" | grep -o '"processId":"4242"[^}]*"running":false')" \
    '"processId":"4242","showProgressBar":true,"removeAfterEnd":false,"shown":false,"running":false'
after=$("$inspect" store "$work/after.dat" --now 2024-11-05T03:04:05)
expect "the saved file leaves the dropped task out" "$(echo "$after" | outcomes)" \
    "stop keep stop keep stop keep keep "
expect "length of the saved file" "$(wc -c < "$work/after.dat" | tr -d ' ')" \
    "$(echo "$after" | grep -o '^{"length":[0-9]*' | cut -d: -f2)"

# Tockly loads nothing from a rejected file, so its next save writes a store without tasks.
status=0
"$inspect" store "$corpus/reject-truncated.dat" --rewrite "$work/emptied.dat" >/dev/null 2>&1 || status=$?
expect "exit status of a rejected file's rewrite" "$status" 2
cmp -s "$work/emptied.dat" "$corpus/accept-empty.dat" || { echo "FAIL a rejected file is rewritten without tasks" >&2; failures=$((failures + 1)); }

for arguments in "store $corpus/reject-truncated.dat" "store $corpus/reject-short.dat" \
                 "store $work/missing.dat" "store" "store $sample --now 2024-02-30T00:00:00" \
                 "store $sample --now" "store $sample --rewrite" "store $sample --other x"; do
    status=0
    # shellcheck disable=SC2086
    "$inspect" $arguments >"$work/out" 2>"$work/err" || status=$?
    expect "exit status of '$arguments'" "$status" 2
    expect "one line on standard error for '$arguments'" "$(wc -l < "$work/err")" 1
    expect "nothing on standard output for '$arguments'" "$(wc -c < "$work/out")" 0
done

[ "$failures" -eq 0 ] && echo "inspect store: all checks passed"
exit "$failures"
