#!/usr/bin/env bash
# Installs the Debian packages the build needs, or names them when it cannot.
set -euo pipefail
packages=(cmake ninja-build g++ python3 libgtest-dev libgmock-dev libbenchmark-dev libicu-dev rapidjson-dev libboost-dev doxygen pybind11-dev python3-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends "${missing[@]}" || { apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"; }
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
