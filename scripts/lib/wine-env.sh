# The environment in which Tockly and its tests run under Wine. Sourced, not run.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

wine_template() {
    local key
    key=$(content_key "$TOCKLY_ROOT/scripts/make-wine-template" "$TOCKLY_ROOT/scripts/lib/wine-prefix.reg")
    echo "$TOCKLY_CACHE/wine-template-$key"
}

# fresh_wine_prefix DIR: a fresh copy of the template, so that every run starts from the same
# registry and files.
fresh_wine_prefix() {
    local prefix=$1
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$(wine_template)" "$prefix"
}

# Results must not depend on the machine: Wine takes its locale from these at process start, and
# C.UTF-8 is Wine's en-US (the 12-hour clock, code page 1252) and is on every Debian, and its UTF-8
# lets Windows file names hold any character. (en_US.UTF-8 gives the same en-US where the locale
# is installed; where it is not, Wine falls back to ASCII and cannot create a file named outside
# it.) Only for Wine: the host keeps its own locale.
wine_locale=(env LANG=C.UTF-8 LC_ALL=C.UTF-8)
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers; and no host menu entries for the shortcuts that tests create.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# start_xvfb [WIDTHxHEIGHTxDEPTH]: starts a private X server (1280x800x24 unless given) and exports
# DISPLAY; stop_xvfb ends it.
start_xvfb() {
    local display screen=${1:-1280x800x24}
    for display in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$display" ] && { export DISPLAY=":$display"; return 0; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    die "cannot start Xvfb"
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
}

# start_wine_services: starts the prefix's server and its background programs (services, the
# desktop window) before the tests do. Started from a test, they would keep ctest's output pipe
# open and ctest would wait for them; started once, every program then starts in a tenth of a
# second.
start_wine_services() {
    wineserver -p 60
    "${wine_locale[@]}" wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}
