#!/usr/bin/env bash
# tockly-inspect settings: JSON of what Tockly would use, --rewrite, and its exit statuses.
set -euo pipefail
inspect=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {  # expect NAME ACTUAL WANTED
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  got:  %s\n  want: %s\n' "$1" "$2" "$3" >&2
        failures=$((failures + 1))
    fi
}
utf16() { printf '%b' "$1" | iconv -f UTF-8 -t UTF-16LE; }

expect "missing file gives the start-up defaults" "$("$inspect" settings "$work/none.ini")" \
    '{"loaded":false,"language":"English","startWithSystem":false,"widgetTransparency":10,"removeTaskAfterEnd":false,"showProgressBar":true,"widgetsAlwaysOnTop":false,"stickyNoteTheme":0}'

utf16 'DEFAULT_LANGUAGE=Fran\xc3\xa7ais "FR"\r\nSTART_PROGRAM_ON_SYSTEM_STARTUP=1\r\nDEFAULT_WIDGETS_TRANSPARENCY= 30x\r\nSTICKY_NOTE_THEME=-1\r\nSHOW_PROGRESS_BAR=1' > "$work/user.ini"
expect "values as read, unended last line ignored" "$("$inspect" settings "$work/user.ini")" \
    '{"loaded":true,"language":"Français \"FR\"","startWithSystem":true,"widgetTransparency":30,"removeTaskAfterEnd":false,"showProgressBar":false,"widgetsAlwaysOnTop":false,"stickyNoteTheme":-1}'

"$inspect" settings "$work/user.ini" --rewrite "$work/out.ini" >/dev/null
utf16 '; Tockly 1.0.0 \r\n; Application settings\r\n\r\nDEFAULT_LANGUAGE=Fran\xc3\xa7ais "FR"\r\nSTART_PROGRAM_ON_SYSTEM_STARTUP=1\r\nDEFAULT_WIDGETS_TRANSPARENCY=30\r\nREMOVE_TASK_AFTER_END=0\r\nSHOW_PROGRESS_BAR=0\r\nSHOW_WIDGETS_ALWAYS_ON_TOP=0\r\nSTICKY_NOTE_THEME=-1\r\n; ------------------' > "$work/want.ini"
cmp -s "$work/out.ini" "$work/want.ini" || { echo "FAIL rewrite differs from Save's file" >&2; failures=$((failures + 1)); }

for arguments in "" "settings" "settings a b" "settings a --rewrite" "nothing x"; do
    status=0
    # shellcheck disable=SC2086
    "$inspect" $arguments >/dev/null 2>"$work/err" || status=$?
    expect "exit status of '$arguments'" "$status" 2
    expect "one line on standard error for '$arguments'" "$(wc -l < "$work/err")" 1
done

[ "$failures" -eq 0 ] && echo "inspect settings: all checks passed"
exit "$failures"
