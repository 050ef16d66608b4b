#!/usr/bin/env bash
# Builds Quindle and starts it with its cues and clip in the current directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" play
cmake -S "$root" -B "$root/build" -DQUINDLE_TESTS=OFF >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
cd "$root/assets"
exec "$root/build/bin/quindle"
