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
  cd "$root"
  ctest --preset core-only || failed=1
  ctest --preset default --parallel "$(nproc)" || failed=1
  # The preset brings the sanitizer options; the sanitizer build registers
  # the monkey alone of the end-to-end tests, and runs it on its own.
  ctest --preset asan --parallel "$(nproc)" || failed=1
  return $failed
}

# Called as plain commands, so that set -e holds inside them.
case "${1:-}" in
  build) build_all ;;
  run) run_all ;;
  "") build_all; run_all ;;
  *) echo "usage: $0 [build|run]" >&2; exit 2 ;;
esac
