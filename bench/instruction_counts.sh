#!/usr/bin/env bash
# Instruction counts of the calculation under callgrind, repeatable on a busy machine: the full
# run and the numbers-only evaluation of the default design, the first call in a process and
# each later one. Usage: bench/instruction_counts.sh BUILD_DIR
set -euo pipefail
program="$1/bench/count_instructions"
collected() { # function, mode, times
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "--toggle-collect=$1(*" \
        "$program" "$2" "$3" 2>&1 | sed -n 's/.*Collected : //p'
}
for pair in RunCalculation:run EvaluateDesign:evaluate; do
    function=${pair%%:*} mode=${pair##*:}
    first=$(collected "$function" "$mode" 1)
    eleven=$(collected "$function" "$mode" 11)
    printf '%-15s defaults: %9d instructions the first call, %9d each later call\n' \
        "$function" "$first" $(((eleven - first) / 10))
done
