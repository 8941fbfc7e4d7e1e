#!/usr/bin/env bash
# Runs every libFuzzer target for a set time, JOBS at a time, each on a
# working copy of its committed corpus (fuzz/corpus/<target>/). A finding
# is left in fuzz-findings/<target>/ and makes the run fail. With MERGE=1 the
# inputs under 8 KB that reach code the committed corpus does not are added
# to it (named by their SHA-1).
#
# usage: tools/fuzz-run.sh BUILD-DIR SECONDS-PER-TARGET JOBS [MERGE]
set -uo pipefail
build=$1 seconds=$2 jobs=$3 merge=${4:-0}
# The targets are the libFuzzer programs fuzz/CMakeLists.txt built.
mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' \
    ! -name '*_replay' ! -name 'fuzz_make_seeds' -printf '%f\n' | sed 's/^fuzz_//' | sort)
[ "${#targets[@]}" -gt 0 ] || { echo "fuzz-run.sh: no fuzz targets in $build/fuzz" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_target() {
    local target=$1 corpus="$work/$1" findings="fuzz-findings/$1"
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/"$target"/* "$corpus"/
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$work/$target.log" 2>&1
    local status=$?
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$findings")" ]; then
        echo "fuzz_$target: FINDING after ${runs:-?} runs, see $findings/ and the log below"
        tail -n 40 "$work/$target.log"
        return 1
    fi
    rmdir "$findings"
    echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, no finding"
    if [ "$merge" = 1 ]; then
        find "$corpus" -type f -size +8k -delete
        local before after
        before=$(ls fuzz/corpus/"$target" | wc -l)
        "$build/fuzz/fuzz_$target" -merge=1 fuzz/corpus/"$target" "$corpus" >/dev/null 2>&1
        after=$(ls fuzz/corpus/"$target" | wc -l)
        echo "fuzz_$target: $((after - before)) inputs added to fuzz/corpus/$target/"
    fi
}

failed=0
pids=()
for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
    if [ "${#pids[@]}" -ge "$jobs" ]; then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
rmdir fuzz-findings 2>/dev/null || true
exit $failed
