#!/usr/bin/env bash
# Times the program's count and split against the bare tools on one 1 GiB file of 10 million
# lines, for 10 and for 1,000 sub-files, and prints each ratio program/bare. Not a test: it
# measures and reports, it never fails on a timing.
#
#   bench/split_benchmark.sh [BUILD-DIR]     (default: build; configure it with -DCMAKE_BUILD_TYPE=Release)
#
# Needs about 3 GiB of free space in $TMPDIR (default /tmp); everything it writes there is removed
# when it ends.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
driver=$build/bench/split_driver
if [[ ! -x $driver ]]; then
  echo "no driver at $driver; build the target split_driver first" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/shardwick-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

lines=10000000
size=$((1024 * 1024 * 1024))
source="$work/Bench Data.csv"
echo "generating $lines lines, $size bytes: $source"
# 107-byte lines, the first (size - 107 * lines) of them one byte longer: exactly 1 GiB.
awk -v n=$lines -v extra=$((size - 107 * lines)) 'BEGIN {
  pad = sprintf("%95s", ""); gsub(/ /, "x", pad)
  for (i = 1; i <= n; i++) printf "%010d,%s%s\n", i, pad, (i <= extra ? "y" : "")
}' > "$source"
[[ $(stat -c %s "$source") -eq $size ]] || { echo "generated file has the wrong size" >&2; exit 1; }
cat "$source" > /dev/null  # the same warm page cache for every run below

now_ns() { date +%s%N; }
ms_since() { echo "scale=1; ($(now_ns) - $1) / 1000000" | bc; }
ratio() { echo "scale=3; $1 / $2" | bc; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

runs=5
for pieces in 10 1000; do
  per=$((lines / pieces))
  echo
  echo "== $pieces sub-files of $per lines ($runs runs each, medians) =="
  p_first=() p_count=() p_split=() p_rename=() p_stall=() b_count=() b_split=() b_rename=()
  for ((run = 1; run <= runs; run++)); do
    out=$work/out
    mkdir -p "$out"
    report=$("$driver" "$source" "$out" "$per") || { echo "driver failed: $report" >&2; exit 1; }
    value() { sed -n "s/^$1=//p" <<<"$report"; }
    [[ $(value count_lines) -eq $lines ]] || { echo "program counted $(value count_lines) lines" >&2; exit 1; }
    made=$(ls "$out/Bench-Data_split" | wc -l)
    [[ $made -eq $pieces ]] || { echo "program wrote $made pieces" >&2; exit 1; }
    p_first+=("$(value first_count_ms)") p_count+=("$(value count_ms)") p_split+=("$(value split_ms)") p_rename+=("$(value rename_ms)")
    p_stall+=("$(value longest_stall_ms)")
    rm -rf "$out"

    bare=$work/bare
    mkdir -p "$bare"
    t=$(now_ns); wc -l "$source" > /dev/null; b_count+=("$(ms_since "$t")")
    t=$(now_ns); split -a 4 -l "$per" "$source" "$bare/"; b_split+=("$(ms_since "$t")")
    t=$(now_ns)
    /bin/sh -c "for FILENAME in '$bare'/*; do mv \"\$FILENAME\" \"\$FILENAME\"-'Bench-Data.csv'; done"
    b_rename+=("$(ms_since "$t")")
    rm -rf "$bare"
  done
  pc=$(median "${p_count[@]}") ps=$(median "${p_split[@]}") pr=$(median "${p_rename[@]}")
  bc_=$(median "${b_count[@]}") bs=$(median "${b_split[@]}") br=$(median "${b_rename[@]}")
  printf '%-8s %12s %12s %8s\n' step program_ms bare_ms ratio
  printf '%-8s %12s %12s %8s\n' count "$pc" "$bc_" "$(ratio "$pc" "$bc_")"
  printf '%-8s %12s %12s %8s\n' split "$ps" "$bs" "$(ratio "$ps" "$bs")"
  printf '%-8s %12s %12s %8s\n' rename "$pr" "$br" "$(ratio "$pr" "$br")"
  echo "the program's first count in a process (ms, per run): ${p_first[*]}"
  echo "longest event-loop stall during split and rename (ms, per run): ${p_stall[*]}"
done
