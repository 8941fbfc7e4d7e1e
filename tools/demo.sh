#!/usr/bin/env bash
# The main job on the bundled sample return: calculate it, then check it.
set -euo pipefail
build=${1:-build}
sample=examples/testamentary-trust-2024.json
echo "== trustella calc $sample"
"$build/app/trustella" calc "$sample"
echo
echo "== trustella check $sample"
"$build/app/trustella" check "$sample"
