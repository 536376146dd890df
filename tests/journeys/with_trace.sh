#!/usr/bin/env bash
# with_trace.sh TRACE_FILE COMMAND...: runs COMMAND with its standard error (where Wine writes the
# platform's trace of the programs it starts) in TRACE_FILE, named to it as TOCKLY_TRACE_FILE.
set -euo pipefail
trace=$1
shift
: >"$trace"
TOCKLY_TRACE_FILE=$trace "$@" 2>"$trace"
