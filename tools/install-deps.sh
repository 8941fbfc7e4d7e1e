#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# As root it uses apt-get; otherwise it lists what to install and fails.
set -euo pipefail
packages=(cmake g++ make qtbase5-dev nlohmann-json3-dev libgtest-dev libbenchmark-dev
          clang libclang-rt-14-dev openjdk-17-jdk-headless ccache jq)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
