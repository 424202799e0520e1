#!/usr/bin/env bash
# Medians of separate launches: the machine's load, and anything that differs from one process
# to the next, shows between launches rather than within one. Each launch of the calculation is
# followed by the machine's probes, which run none of the program's code: when a launch is
# slower and the probes are too, the machine was in a slower phase. Usage:
#   bench/launch_medians.sh BUILD_DIR [LAUNCHES]
set -euo pipefail
build="$1"
launches="${2:-3}"
medians() { # launch, benchmark program, filter
    "$build/bench/$2" --benchmark_filter="$3" --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true 2>/dev/null |
        awk -v launch="$1" '/_median/ {
            value = $2 " " $3
            for (i = 4; i <= NF; ++i) if ($i ~ /^time_per_step=/) value = substr($i, 15) " a step"
            printf "launch %d  %-40s %16s\n", launch, $1, value
        }'
}
for ((launch = 1; launch <= launches; ++launch)); do
    medians "$launch" bench_calc 'BM_RunDefaults$|BM_EvaluateDefaults$'
    medians "$launch" bench_machine 'Probe'
done
for ((launch = 1; launch <= launches; ++launch)); do
    medians "$launch" bench_study 'BM_Sweep1000Covers/0|BM_SizingCovers05To10/0'
done
