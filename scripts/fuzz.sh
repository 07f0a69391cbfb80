#!/bin/sh
# Runs each libFuzzer target for SECONDS (default 300) from a corpus seeded
# with the real book, keeping what it learns under build/fuzz/corpus.
#   scripts/fuzz.sh [SECONDS]
# A crash stops the run; its input is left in build/fuzz/ as crash-*.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_EACH="${1:-300}"
FUZZ="$ROOT/build/fuzz"
TOOL="${VARIDEL_BOOK_TOOL:-$ROOT/build/host/varidel-book}"
SEED="$FUZZ/seed"
for target in lesson codec layout settings; do
  mkdir -p "$SEED/$target" "$FUZZ/corpus/$target"
done

# Seeds: each container with a record index byte in front; the book sources.
"$TOOL" build "$ROOT/resources/book" "$SEED/containers"
for bin in "$SEED"/containers/*.bin; do
  id=$(basename "$bin" .bin)
  for index in 0 28; do
    { printf "\\$(printf '%03o' $index)"; cat "$bin"; } >"$SEED/lesson/$id-$index"
  done
done
cp "$ROOT"/resources/book/*.txt "$SEED/codec/"

cd "$FUZZ"
# Containers run to 30 kB; single lesson texts to a few kB. The layout and
# settings fuzzers start from nothing: every byte string is a lesson text to
# the one and a set of hand-edited registry values to the other.
for target in lesson:32768 codec:4096 layout:8192 settings:4096; do
  max_len=${target#*:}
  target=${target%:*}
  if ! "./${target}_fuzzer" -max_total_time="$SECONDS_EACH" -max_len="$max_len" -timeout=10 \
      -print_final_stats=1 "corpus/$target" "$SEED/$target" >"$target.log" 2>&1; then
    tail -n 40 "$target.log"
    echo "fuzzing $target found a fault; the input is in $FUZZ" >&2
    exit 1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$target.log")
  echo "$target fuzzer: $runs runs in ${SECONDS_EACH} s, no fault"
done
