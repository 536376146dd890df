#!/usr/bin/env bash
# with_tray_host.sh COMMAND...: runs COMMAND with a notification-area host on $DISPLAY (trayer, a
# panel that docks the tray icons of X programs, Wine's among them), and ends the host afterwards.
# The panel stands at the top right: the main window opens at the bottom right and would cover it
# (without a window manager nothing tells the work area about the panel).
set -euo pipefail
trayer --edge top --align right --widthtype pixel --width 200 --height 32 >/dev/null 2>&1 &
host=$!
trap 'kill "$host" 2>/dev/null; wait "$host" 2>/dev/null || true' EXIT
# The host is ready once it has made the window that owns the tray selection, its second window
# named "trayer" (icons added before that would not dock); on a loaded machine that takes seconds.
for _ in $(seq 400); do
    [ "$(xdotool search --name '^trayer$' 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.05
done
sleep 0.2
"$@"
