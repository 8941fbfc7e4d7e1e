#!/usr/bin/env bash
# Every speed goal in one run, for the table in docs/benchmarks.md: the
# machine and its load, both benchmark programs (median of 3), and the
# command line's import of a 100,000-row broker export timed end to end.
#
# usage: tools/bench-goals.sh [BUILD-DIR]   (after `make bench` built it)
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
aggregates=(--benchmark_repetitions=3 --benchmark_report_aggregates_only=true)
"$build/bench/trustella_bench" "${aggregates[@]}" 2>&1 | grep -v -e '_mean' -e '_stddev' -e '_cv' -e 'propagateSizeHints'
QT_QPA_PLATFORM=offscreen "$build/bench/trustella_gui_bench" "${aggregates[@]}" 2>&1 |
    grep -v -e '_mean' -e '_stddev' -e '_cv' -e 'propagateSizeHints'

# The same trades as the benchmarks' import, as a file.
awk 'BEGIN {
    print "Security,Quantity,Proceeds,Cost,Commission"
    for (i = 0; i < 100000; i++)
        printf "\"ETF %d, units\",%d,\"$1,%d.25\",%d.10,9.99\n", i % 500, 10 + i % 90, 100 + i % 900, 900 + i % 300
}' >"$work/trades.csv"
echo "== trustella import-shares, 100,000 rows ($(stat -c %s "$work/trades.csv") bytes), 3 runs: wall user system (s)"
TIMEFORMAT='%R %U %S'
for run in 1 2 3; do
    "$build/app/trustella" new -o "$work/r.t3r" Sch1 >/dev/null
    time "$build/app/trustella" import-shares "$work/r.t3r" "$work/trades.csv" \
        --name 1 --shares 2 --proceeds 3 --cost 4 --expenses 5 --skip-header >/dev/null
done
echo "== load average at the end $(cut -d ' ' -f 1-3 /proc/loadavg)"
