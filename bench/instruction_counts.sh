#!/usr/bin/env bash
# Instruction counts of the calculation under callgrind, repeatable on a busy machine: the full
# run and the numbers-only evaluation of the default design, and the evaluation of the defaults
# with both water cases and of the defaults as three cells with the wheels at every position,
# the first call in a process and each later one; and one wheel position
# of a three-cell frame solved with its members' largest moments. Usage: bench/instruction_counts.sh BUILD_DIR
set -euo pipefail
program="$1/bench/count_instructions"
collected() { # function, mode, times
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "--toggle-collect=$1(*" \
        "$program" "$2" "$3" 2>&1 | sed -n 's/.*Collected : //p'
}
for pair in RunCalculation:run EvaluateDesign:evaluate EvaluateDesign:wet EvaluateDesign:cells SolveWheelPositions:frame; do
    function=${pair%%:*} mode=${pair##*:}
    first=$(collected "$function" "$mode" 1)
    eleven=$(collected "$function" "$mode" 11)
    printf '%-15s %-8s: %9d instructions the first call, %9d each later call\n' \
        "$function" "$mode" "$first" $(((eleven - first) / 10))
done
