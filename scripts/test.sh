#!/usr/bin/env bash
# Builds Quindle with its tests and runs them all headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" test
build="$root/build-tests"
# The core must stand without Qt: configure it alone once, then everything.
cmake -S "$root" -B "$build/core-only" -DQUINDLE_GUI=OFF >/dev/null
cmake --build "$build/core-only" --parallel "$(nproc)"
cmake -S "$root" -B "$build/all" >/dev/null
cmake --build "$build/all" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build/core-only" --output-on-failure
ctest --test-dir "$build/all" --output-on-failure --parallel "$(nproc)"
