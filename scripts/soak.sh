#!/usr/bin/env bash
# Runs the test stages N times in a row beside a busy loop on every core, to
# shake out tests that pass only on an idle machine. Builds once first.
# Usage: scripts/soak.sh N    Logs of failed runs stay in build-tests/soak/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: $0 N}
logs="$root/build-tests/soak"
artifacts="$root/build-tests/all/tests/e2e/artifacts"

"$root/scripts/test.sh" build || exit 1
rm -rf "$logs"
mkdir -p "$logs"

burners=()
stop_burners() { [ ${#burners[@]} -eq 0 ] || kill "${burners[@]}" 2>/dev/null; }
trap stop_burners EXIT
trap 'exit 130' INT TERM
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  burners+=($!)
done

# Qt is built without frame pointers: only the slow unwinder names, through
# Qt's frames, who allocated what a leak report lists.
export ASAN_OPTIONS=fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}

passed=0 failed=0 start=$SECONDS
for i in $(seq "$runs"); do
  rm -rf "$artifacts"
  log="$logs/run-$i.log"
  t=$SECONDS
  if "$root/scripts/test.sh" run >"$log" 2>&1; then
    passed=$((passed + 1))
    rm -f "$log"
    echo "soak: run $i passed in $((SECONDS - t)) s"
  else
    failed=$((failed + 1))
    [ -d "$artifacts" ] && cp -r "$artifacts" "$logs/run-$i-artifacts"
    echo "soak: run $i FAILED in $((SECONDS - t)) s, log $log"
    grep -E '^[[:space:]]*[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' "$log" || true
  fi
done
echo "soak: $runs runs under $(nproc) busy loops in $(( (SECONDS - start) / 60 )) min: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
