#!/bin/sh
# Runs a command on a clock that starts at noon of today and runs on from
# there (faketime), so that the end-to-end tests and the program they start
# see one date even when the run crosses midnight. VARIDEL_TODAY=YYYY-MM-DD
# picks another day. Only the wall clock is moved: wine's timers and waits
# keep the real monotonic clock.
#   scripts/noon-today.sh COMMAND [ARGS...]
set -e
export FAKETIME_DONT_FAKE_MONOTONIC=1
exec faketime "${VARIDEL_TODAY:-$(date +%F)} 12:00:00" "$@"
