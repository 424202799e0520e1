#!/usr/bin/env bash
# Medians of separate launches: the machine's load, and anything that differs from one process
# to the next, shows between launches rather than within one. Usage:
#   bench/launch_medians.sh BUILD_DIR [LAUNCHES]
set -euo pipefail
build="$1"
launches="${2:-3}"
medians() { # benchmark program, filter
    for ((launch = 1; launch <= launches; ++launch)); do
        "$build/bench/$1" --benchmark_filter="$2" --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true 2>/dev/null |
            awk -v launch="$launch" '/_median/ { printf "launch %d  %-40s %12s %s\n", launch, $1, $2, $3 }'
    done
}
medians bench_calc 'BM_RunDefaults$|BM_EvaluateDefaults$'
medians bench_study 'BM_Sweep1000Covers/0|BM_SizingCovers05To10/0'
