#!/usr/bin/env bash
# Fuzzes one target for a given time with libFuzzer (clang, ASan + UBSan).
# Usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   TARGET: a fuzz target in tests/fuzz (jpeg, clip, ...).
# New inputs go to build-tests/fuzz/corpus/TARGET (the committed seeds in
# tests/fuzz/corpus/TARGET are only read); crashes, hangs and leaks to
# build-tests/fuzz/artifacts/TARGET/. Add a crashing input to the seeds once
# it is fixed, and CI replays it from then on.
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1 seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" fuzz
build="$root/build-tests/fuzz"
seeds="$root/tests/fuzz/corpus/$target"
[ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 2; }

cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)" --target "fuzz_$target"

work="$build/corpus/$target" artifacts="$build/artifacts/$target"
mkdir -p "$work" "$artifacts"
export QT_QPA_PLATFORM=offscreen
# The sanitizer options of the preset, as CMake expands them.
while IFS= read -r line; do
  if [[ $line =~ ^\ \ ([A-Z_]+)=\"(.*)\"$ ]]; then export "${BASH_REMATCH[1]}=${BASH_REMATCH[2]}"; fi
done < <(cmake --preset fuzz -N | sed -n '/^Preset environment variables:/,$p')
# One input running for 10 s is a hang; 2 GB resident is runaway memory.
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" "$work" "$seeds"
