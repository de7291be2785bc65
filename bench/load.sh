#!/usr/bin/env bash
# Runs `make bench` several times in a row, optionally beside busy loops that load the
# machine, and prints each run's goal lines and whether it passed:
#   bash bench/load.sh            five runs on the machine as it is
#   LOAD=8 RUNS=3 bash bench/load.sh   three runs beside eight busy loops
# The busy loops are this script's own children and end with it.
set -u
cd "$(dirname "$0")/.."
LOAD=${LOAD:-0}
RUNS=${RUNS:-5}
JOBS=${JOBS:-3}
pids=()
trap '[ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null' EXIT
for _ in $(seq "$LOAD"); do
  (while :; do :; done) &
  pids+=($!)
done
passed=0
for r in $(seq "$RUNS"); do
  echo "== run $r of $RUNS ($LOAD busy loops), load average $(cut -d' ' -f1-3 /proc/loadavg)"
  if make --no-print-directory bench JOBS="$JOBS" 2>&1 | grep --line-buffered -E '^(goal |  rounds of |bench: |== )'; [ "${PIPESTATUS[0]}" -eq 0 ]; then
    passed=$((passed + 1))
    echo "== run $r: PASS"
  else
    echo "== run $r: FAIL"
  fi
done
echo "== $passed of $RUNS runs passed"
[ "$passed" -eq "$RUNS" ]
