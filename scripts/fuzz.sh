#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`: clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each one for a bounded time: scripts/fuzz.sh [seconds per target, default 30].
# FUZZ_BUILD_DIR chooses another build folder than build/fuzz.
# Seeds: corpora made by fuzz_seeds, the inputs kept from earlier findings under tests/, and the
# real area files of ../shared/realdata (read in place, never copied). What a run learns stays in
# build/fuzz/corpus; a finding is written to build/fuzz/findings and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=${FUZZ_BUILD_DIR:-build/fuzz}
realdata=../shared/realdata

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)"

rm -rf "$build/seeds"
"$build/fuzz/fuzz_seeds" "$build/seeds"
mkdir -p "$build/findings"

failed=()
for target in world_file template_file item_import mob_import reformat world_json; do
    exe="$build/fuzz/fuzz_$target"
    if [ ! -x "$exe" ]; then
        echo "fuzz_$target is not built; skipped"
        continue
    fi
    dirs=("$build/corpus/$target" "$build/seeds/$target")
    mkdir -p "${dirs[@]}"
    [ -d "tests/core/robust/findings/$target" ] && dirs+=("tests/core/robust/findings/$target")
    case $target in
    item_import | mob_import)
        for d in "$realdata"/*/; do [ -d "$d" ] && dirs+=("$d"); done
        ;;
    esac
    echo "== fuzz_$target for ${seconds}s"
    if ! "$exe" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "${dirs[@]}" >"$build/fuzz_$target.log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$build/fuzz_$target.log"
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz_$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found problems in: ${failed[*]} (inputs in $build/findings)"
    exit 1
fi
echo "fuzzing: no findings"
