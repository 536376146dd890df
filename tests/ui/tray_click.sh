#!/usr/bin/env bash
# tray_click.sh RESULT_FILE left|right|find|click X Y|rightclick X Y|drag X Y TO_X TO_Y|
# wheel X Y NOTCHES|type TEXT|keys KEY...|shot FILE|crop FILE X Y WIDTH HEIGHT:
# run by the tray tests from inside Wine.
# Finds the tray icon that Wine docked in the notification-area host (an X window of Wine's
# explorer.exe that speaks XEMBED), writes "X Y WIDTH HEIGHT" of it to RESULT_FILE, and clicks it
# with the left or right button; "click X Y" clicks the left button at a point of the screen, and
# "keys" types the keys (xdotool names) into the window that has the keyboard. An icon that does
# not dock within thirty seconds gives "none". "shot" saves the whole screen as a PNG file (a host
# path), "crop" a rectangle of it.
set -uo pipefail
result=$1
action=$2
if [ "$action" = click ]; then
    xdotool mousemove "$3" "$4" click 1
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = rightclick ]; then
    xdotool mousemove "$3" "$4" click 3
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = drag ]; then
    xdotool mousemove "$3" "$4" mousedown 1 sleep 0.2 mousemove "$(( ($3 + $5) / 2 ))" \
        "$(( ($4 + $6) / 2 ))" sleep 0.2 mousemove "$5" "$6" sleep 0.2 mouseup 1
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = keys ]; then
    shift 2
    xdotool key --delay 80 "$@"
    echo "typed" >"$result"
    exit 0
fi
if [ "$action" = wheel ]; then
    xdotool mousemove "$3" "$4" click --repeat "$5" --delay 50 5
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = type ]; then
    xdotool type --delay 40 "${*:3}"
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = shot ]; then
    mkdir -p "$(dirname "$3")"
    import -window root "$3"
    echo "clicked" >"$result"
    exit 0
fi
if [ "$action" = crop ]; then
    mkdir -p "$(dirname "$3")"
    import -window root -crop "${6}x${7}+${4}+${5}" +repage "$3"
    echo "clicked" >"$result"
    exit 0
fi
for _ in $(seq 300); do
    for window in $(xdotool search --classname 'explorer.exe' 2>/dev/null); do
        xprop -id "$window" _XEMBED_INFO 2>/dev/null | grep -q '=' || continue
        eval "$(xdotool getwindowgeometry --shell "$window")"
        case $action in
        left) xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 ;;
        right) xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3 ;;
        esac
        echo "$X $Y $WIDTH $HEIGHT" >"$result.part" && mv "$result.part" "$result"
        exit 0
    done
    sleep 0.1
done
echo none >"$result"
