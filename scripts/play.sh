#!/usr/bin/env bash
# Builds Quindle and starts it with its cues and clip in the current directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" play
cd "$root"
cmake --preset play >/dev/null
cmake --build --preset play --parallel "$(nproc)"
cd "$root/assets"
exec "$root/build/bin/quindle"
