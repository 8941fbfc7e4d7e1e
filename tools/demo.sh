#!/usr/bin/env bash
# The main job on the bundled sample returns (examples/README.md): calculate
# each, then check it. The T3 return first, then one sample of each other
# return type, then the larger T3 samples.
set -euo pipefail
build=${1:-build}
samples=(
    testamentary-trust-2024.json
    environmental-trust-2024.json
    sub-plan-2024.json
    rca-trust-2024.json
    amateur-athlete-trust-2024.json
    many-beneficiaries-trust-2024.json
    capital-gains-trust-2024.json
    business-farm-rental-trust-2024.json
    minimum-tax-trust-2024.json
    multi-jurisdiction-trust-2024.json
)
# Samples made to show validation messages: for these `check` answers 1.
shows_messages=()

for file in examples/*.json; do
    if [[ " ${samples[*]} " != *" $(basename "$file") "* ]]; then
        echo "demo.sh: $file is not in the list of samples" >&2
        exit 1
    fi
done

for name in "${samples[@]}"; do
    sample=examples/$name
    echo "== trustella calc $sample"
    "$build/app/trustella" calc "$sample"
    echo
    echo "== trustella check $sample"
    expected=0
    if [[ " ${shows_messages[*]} " == *" $name "* ]]; then expected=1; fi
    status=0
    "$build/app/trustella" check "$sample" || status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "demo.sh: check of $sample answered $status, expected $expected" >&2
        exit 1
    fi
    echo
done
