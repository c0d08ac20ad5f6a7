#!/usr/bin/env bash
# Start-up of the real program against a minimal Qt Widgets program, in the same run:
# wall time from process start to the main window's first paint, and peak resident memory.
# Usage: tools/measure_startup.sh [BUILD_DIR] [RUNS]   (default build, 20 runs)
# Uses the offscreen platform unless QT_QPA_PLATFORM is set. Never touches the user's settings.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target startup_probe minimal_qt >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home

# One run: prints "milliseconds peak_kib".
measure() {
  local start out shown peak
  start=$(date +%s%N)
  out=$("$1" 2>/dev/null)
  shown=$(sed -n 's/^shown_ns //p' <<<"$out")
  peak=$(sed -n 's/^peak_kib //p' <<<"$out")
  echo "$(( (shown - start) / 1000 )) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: >"$home/program" && : >"$home/minimal"
for _ in $(seq "$runs"); do  # interleaved, so both see the same machine state
  measure "$build/tools/startup_probe" >>"$home/program"
  measure "$build/tools/minimal_qt" >>"$home/minimal"
done

for name in program minimal; do
  t=$(cut -d' ' -f1 "$home/$name" | median)
  m=$(cut -d' ' -f2 "$home/$name" | median)
  printf '%-8s median start-up %8.1f ms   median peak RSS %7d KiB\n' "$name" "$(awk -v t="$t" 'BEGIN {print t / 1000}')" "$m"
  eval "${name}_t=$t ${name}_m=$m"
done
printf 'ratio    start-up %.2f   peak memory %.2f   (%s runs, platform %s)\n' \
  "$(awk -v a="$program_t" -v b="$minimal_t" 'BEGIN {print a / b}')" \
  "$(awk -v a="$program_m" -v b="$minimal_m" 'BEGIN {print a / b}')" "$runs" "$QT_QPA_PLATFORM"
