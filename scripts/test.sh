#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the GoogleTest and QtTest suites, then the core suites again under ASan/UBSan, then every
# fuzz target for a bounded time (FUZZ_SECONDS per target, default 30; 0 skips fuzzing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

fuzz_seconds=${FUZZ_SECONDS:-30}
if [ "$fuzz_seconds" -gt 0 ]; then
    bash scripts/fuzz.sh "$fuzz_seconds"
fi
