#!/bin/sh
# Runs the printing tests under wine, out of reach of any printer the machine
# may have, each way in a wine prefix of its own beside the usual one, so that
# no other test sees what is set up here.
#   --queue       a CUPS daemon of the tests' own (its files in a temporary
#                 folder, a local socket, no network) with one queue,
#                 VaridelPDF, the default, that turns every job into a PDF at
#                 OUT_DIR/job.pdf; the daemon stops when the tests end
#   --no-printer  no printer at all: the CUPS server named is a socket that
#                 nobody listens on
#   scripts/print-tests.sh --queue|--no-printer DRIVER VARIDEL_EXE OUT_DIR [DRIVER ARGS...]
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -ge 4 ] || { echo "usage: $0 --queue|--no-printer DRIVER VARIDEL_EXE OUT_DIR [ARGS...]" >&2; exit 2; }
mode=$1 driver=$2 exe=$3 out=$4
shift 4
mkdir -p "$out"
out="$(cd "$out" && pwd)"

# Short and private: a socket's path has to fit in about a hundred bytes.
work="$(mktemp -d /tmp/varidel-print.XXXXXX)"
CUPSD_PID=""
cleanup() {
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null || true
    wait "$CUPSD_PID" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
export CUPS_SERVER="$work/cups.sock"
prefix="${WINEPREFIX:-$ROOT/build/wineprefix}"

start_queue() {
  # The filters run as the daemon's user, lp, and read the job from here.
  chmod 755 "$work"
  mkdir -p "$work/etc" "$work/log"
  mkdir -m 1777 "$work/tmp"
  cat >"$work/etc/cupsd.conf" <<CONF
Listen $CUPS_SERVER
LogLevel warn
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
FileDevice Yes
SystemGroup root
CONF
  /usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" </dev/null &
  CUPSD_PID=$!
  tries=0
  until lpstat -r 2>/dev/null | grep -q 'is running'; do
    tries=$((tries + 1))
    [ "$tries" -gt 200 ] && { echo "cupsd did not start:" >&2; cat "$work/log/error_log" >&2; exit 1; }
    sleep 0.05
  done
  lpadmin -p VaridelPDF -E -v "file://$out/job.pdf" \
    -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
  lpadmin -d VaridelPDF
}

case "$mode" in
  --queue) start_queue; prefix="$prefix-print"; tests='Printing.*' ;;
  --no-printer) prefix="$prefix-noprinter"; tests='NoPrinter.*' ;;
  *) echo "$0: unknown mode $mode" >&2; exit 2 ;;
esac
VARIDEL_WINEPREFIX="$prefix" "$ROOT/scripts/with-wine.sh" wine "$driver" "$exe" "$out" --gtest_filter="$tests" "$@"
