#!/usr/bin/env bash
# Builds Quindle with its tests and runs them all headless.
# Usage: scripts/test.sh [build|run]   (no argument: both)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"

# The presets are in CMakePresets.json.
build_all() {
  "$root/scripts/deps.sh" test
  cd "$root"
  # The core must stand without Qt: built alone once, then everything, then
  # everything once more under the sanitizers, without tools and benchmarks.
  for preset in core-only default asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$(nproc)"
  done
}

# Every stage runs, so one failure does not hide another.
run_all() {
  local failed=0
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$build/core-only" --output-on-failure || failed=1
  ctest --test-dir "$build/all" --output-on-failure --parallel "$(nproc)" || failed=1
  # The tests set these themselves; listing the tests runs the programs too.
  # Options the caller gives come after ours.
  export ASAN_OPTIONS=detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp
  # The end-to-end tests ran above; under the sanitizers only the monkey does.
  ctest --test-dir "$build/asan" --output-on-failure --parallel "$(nproc)" -LE e2e || failed=1
  ctest --test-dir "$build/asan" --output-on-failure -L monkey --no-tests=ignore || failed=1
  return $failed
}

# Called as plain commands, so that set -e holds inside them.
case "${1:-}" in
  build) build_all ;;
  run) run_all ;;
  "") build_all; run_all ;;
  *) echo "usage: $0 [build|run]" >&2; exit 2 ;;
esac
