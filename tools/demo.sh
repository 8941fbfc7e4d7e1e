#!/usr/bin/env bash
# The main job on the bundled sample returns: calculate each, then check it.
# The T3 return first, then one sample of each other return type.
set -euo pipefail
build=${1:-build}
for sample in examples/testamentary-trust-2024.json examples/environmental-trust-2024.json \
              examples/sub-plan-2024.json examples/rca-trust-2024.json examples/amateur-athlete-trust-2024.json; do
    echo "== trustella calc $sample"
    "$build/app/trustella" calc "$sample"
    echo
    echo "== trustella check $sample"
    "$build/app/trustella" check "$sample"
    echo
done
