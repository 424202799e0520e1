#!/bin/sh
# Fails when any expression of calc/ is evaluated in single precision. The compiler's own
# syntax tree of every calc/ source (clang-query over the build's compile commands) is
# searched for an operator whose operand is a float after the usual conversions (arithmetic,
# comparison, compound assignment, increment) and for a call or construction that passes a
# float. A Single stores a float but is read as a double, so the calculation has none; the
# float inside Single is only ever converted. A sample with each kind proves the search first.
# Usage: single_precision_check.sh CLANG_QUERY BUILD_DIR SOURCE_DIR
set -eu
query=$1 build=$2 source=$3

float='hasType(asString("float"))'
matcher="expr(unless(isExpansionInSystemHeader()), anyOf(binaryOperator(unless(hasOperatorName(\"=\")), unless(hasOperatorName(\",\")), hasLHS($float)), unaryOperator(anyOf(hasOperatorName(\"++\"), hasOperatorName(\"--\")), $float), callExpr(hasAnyArgument($float)), cxxConstructExpr(hasAnyArgument($float))))"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints the matched lines; fails when a source could not be read completely.
matches() {
    "$query" -c 'set output diag' -c "match $matcher" "$@" >"$scratch/out" 2>&1 || true
    if grep -E '^[^ ]+:[0-9]+:[0-9]+: (fatal )?error:|^Skipping ' "$scratch/out" >&2; then
        echo "single_precision_check: a source could not be parsed" >&2
        exit 1
    fi
    grep -A1 '"root" binds here' "$scratch/out" | grep -v -e '"root" binds here' -e '^--$' || true
}

cat >"$scratch/sample.cpp" <<'EOF'
#include <cmath>
float a = 1, b = 2;
double d = 3;
double sum = a + b;
bool less = a < b;
double power = std::pow(a, b);
double wide = a * d + -a;
void Step() { a += d; ++a; }
EOF
found=$(matches "$scratch/sample.cpp" -- -std=c++20 | wc -l)
if [ "$found" -ne 5 ]; then
    echo "single_precision_check: the sample shows $found of its 5 float operations" >&2
    exit 1
fi

cd "$source"
found=$(matches -p "$build" $(find calc -name '*.cpp' | sort))
if [ -n "$found" ]; then
    echo "single precision arithmetic in calc/:" >&2
    echo "$found" >&2
    exit 1
fi
echo "no expression of calc/ is evaluated in single precision"
