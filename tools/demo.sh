#!/usr/bin/env bash
# The main job on the bundled sample return.
set -euo pipefail
build=${1:-build}
"$build/app/trustella"
"$build/app/trustella" naics 541110
