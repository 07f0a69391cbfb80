#!/bin/sh
# Runs a command on a clock that the command can move while it runs: the
# wall clock is the real one plus the offset held in the file named by
# VARIDEL_CLOCK_FILE ("+Ns" or "-Ns"), which libfaketime reads again at every
# reading of the clock, in this process and in every one it starts. The
# clock starts at noon of today (VARIDEL_TODAY=YYYY-MM-DD picks another day).
# Only the wall clock moves: timers and waits keep the real monotonic clock.
#   scripts/moving-clock.sh CLOCK_FILE COMMAND [ARGS...]
set -e
clock="$1"
shift
library="$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1)"
[ -n "$library" ] || { echo "libfaketime is not installed" >&2; exit 1; }
mkdir -p "$(dirname "$clock")"
now=$(date +%s)
noon=$(date -d "${VARIDEL_TODAY:-$(date +%F)} 12:00:00" +%s)
offset=$((noon - now))
if [ "$offset" -ge 0 ]; then echo "+${offset}s" >"$clock"; else echo "${offset}s" >"$clock"; fi
export VARIDEL_CLOCK_FILE="$clock"
export FAKETIME_TIMESTAMP_FILE="$clock"
export FAKETIME_NO_CACHE=1
export FAKETIME_DONT_FAKE_MONOTONIC=1
export LD_PRELOAD="$library${LD_PRELOAD:+:$LD_PRELOAD}"
exec "$@"
