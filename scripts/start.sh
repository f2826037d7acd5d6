#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on the sample zone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target tarnholt
exec ./build/default/src/editor/tarnholt "$PWD/examples/castle.rlm" "$@"
