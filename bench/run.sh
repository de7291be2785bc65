#!/usr/bin/env bash
# Runs every benchmark of the build folder given (default build) and prints their goal
# lines; exits non-zero when a goal failed or a benchmark did not finish. Without a display
# the run goes under a virtual X server when xvfb-run is there, as the program runs for users.
#
# A benchmark that is slow because the machine is busy is let finish: the only guard is one
# for the whole run (MF_BENCH_GUARD seconds, default 3600), against a benchmark that hangs.
set -uo pipefail
BUILD=${1:-build}
LIST="$BUILD/bench/benchmarks.txt"
GUARD=${MF_BENCH_GUARD:-3600}
if [ ! -f "$LIST" ]; then
  echo "bench: $LIST missing; build the target 'benchmarks' first" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${MF_BENCH_NESTED:-}" ] \
   && command -v xvfb-run >/dev/null 2>&1; then
  MF_BENCH_NESTED=1 exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$@"
fi
export LANG=${LANG:-zh_CN.UTF-8}
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d)
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
failed=0
start=$(date +%s)
echo "bench: load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
while read -r exe; do
  [ -n "$exe" ] || continue
  name=$(basename "$exe")
  left=$(( GUARD - ($(date +%s) - start) ))
  if [ $left -le 0 ]; then
    echo "bench: $name not run: the run's guard of $GUARD s is used up"
    failed=$((failed + 1))
    continue
  fi
  echo "== $name"
  t0=$(date +%s)
  timeout -k 10 $left "$exe"
  rc=$?
  echo "bench: $name took $(( $(date +%s) - t0 )) s"
  if [ $rc -ne 0 ]; then
    failed=$((failed + 1))
    [ $rc -ge 124 ] && echo "bench: $name did not finish (exit code $rc)"
  fi
done < "$LIST"
echo "bench: done in $(( $(date +%s) - start )) s, load average $(cut -d' ' -f1-3 /proc/loadavg); $failed benchmark(s) with a failed goal"
[ $failed -eq 0 ]
