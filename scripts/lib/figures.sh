# What the figures scripts read of the Wine processes they measure. Sourced after wine-env.sh, with
# WINEPREFIX set to the prefix the figures run in.

# prefix_process PATTERN: the newest process of this prefix whose command line matches PATTERN
# (other work on the machine may run the same programs in prefixes of its own).
prefix_process() {
    local pid
    for pid in $(pgrep -f "$1" | sort -rn); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}

# wine_server: this prefix's server, the one working in the folder Wine names after the prefix's
# device and inode.
wine_server() {
    local pid folder
    folder=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for pid in $(pgrep -x "wineserver(64)?"); do
        case "$(readlink "/proc/$pid/cwd")" in *"$folder") echo "$pid"; return ;; esac
    done
}

# cpu_ticks PID: user and system time the process has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# private_mb PID: the process's private pages (Private_Clean + Private_Dirty), in MB.
private_mb() {
    awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { printf "%.2f\n", kb / 1024 }' \
        "/proc/$1/smaps_rollup"
}

thread_count() { awk '/^Threads:/ { print $2 }' "/proc/$1/status"; }

# serve_markers FOLDER FIGURES_PID [CPU_SECONDS]: while the figures program FIGURES_PID runs, reads
# the process that each marker it makes in FOLDER names ("tockly": Tockly.exe; "empty": its empty
# window) and removes the marker. Prints "figure memory-LABEL MB" and "figure threads-LABEL", and
# for a label that says "running", "figure cpu-LABEL %" of one core over CPU_SECONDS (default 60)
# with the Wine server's share beside it.
serve_markers() {
    local folder=$1 figures=$2 seconds=${3:-60} marker label pid server before after sbefore safter
    while kill -0 "$figures" 2>/dev/null; do
        for marker in "$folder"/*; do
            [ -e "$marker" ] || continue
            label=$(basename "$marker")
            case "$(cat "$marker")" in
                tockly) pid=$(prefix_process '^[^ ]*Tockly\.exe') ;;
                *) pid=$(prefix_process 'startup-figures\.exe --hold-empty') ;;
            esac
            if [ -z "$pid" ]; then
                echo "no process found for $label" >&2
            elif [[ $label == *running* ]]; then
                server=$(wine_server)
                before=$(cpu_ticks "$pid") sbefore=$(cpu_ticks "$server")
                sleep "$seconds"
                after=$(cpu_ticks "$pid") safter=$(cpu_ticks "$server")
                awk -v p=$((after - before)) -v s=$((safter - sbefore)) -v hz="$(getconf CLK_TCK)" \
                    -v t="$seconds" -v label="$label" 'BEGIN {
                        printf "CPU of Tockly with %s over %d s: %.3f%% of one core, and the Wine " \
                               "server %.3f%%\n", label, t, 100 * p / hz / t, 100 * s / hz / t
                        printf "figure cpu-process-%s %.4f %%\n", label, 100 * p / hz / t
                        printf "figure cpu-server-%s %.4f %%\n", label, 100 * s / hz / t
                        printf "figure cpu-%s %.4f %%\n", label, 100 * (p + s) / hz / t }'
            else
                printf 'private memory of %s: %s MB, %s threads\n' "$label" "$(private_mb "$pid")" \
                    "$(thread_count "$pid")"
                printf 'figure memory-%s %s MB\nfigure threads-%s %s threads\n' "$label" \
                    "$(private_mb "$pid")" "$label" "$(thread_count "$pid")"
            fi
            rm -f "$marker"
        done
        sleep 0.1
    done
}
