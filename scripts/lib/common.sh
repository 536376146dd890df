# Shared settings of the build scripts. Sourced, not run.

TOCKLY_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Outside the work tree, so that clean clones reuse the dependency build and the Wine template.
TOCKLY_CACHE=${TOCKLY_CACHE:-/var/cache/tockly}
TOCKLY_BUILD=${TOCKLY_BUILD:-$TOCKLY_ROOT/build}
# Wine needs absolute paths; a relative one counts from the repository.
case "$TOCKLY_BUILD" in /*) ;; *) TOCKLY_BUILD="$TOCKLY_ROOT/$TOCKLY_BUILD" ;; esac
export CCACHE_DIR=${CCACHE_DIR:-$TOCKLY_CACHE/ccache}
# Paths relative to the repository, so that every clone shares the cached objects.
export CCACHE_BASEDIR=$TOCKLY_ROOT CCACHE_NOHASHDIR=1

say() { printf '== %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A short content hash of files, to key cache entries to the scripts that made them.
content_key() {
    cat "$@" | sha256sum | cut -c1-12
}
