#!/usr/bin/env bash
# Installs the Debian packages a build needs, or names them when it cannot.
#   scripts/ensure-packages.sh          what the native build, tests and example need
#   scripts/ensure-packages.sh --all    also the other platforms: Clang + libc++,
#                                       arm64 and armhf cross compilers, qemu-user
#                                       and the multiarch libraries, and the
#                                       benchmark peers
set -euo pipefail
packages=(cmake ninja-build g++ python3 python3-dev pybind11-dev python3-pytest libgtest-dev libgmock-dev googletest
          libbenchmark-dev libicu-dev rapidjson-dev doxygen pkg-config ccache python3-setuptools dpkg-dev)
foreign_architectures=()
if [ "${1:-}" = "--all" ]; then
  foreign_architectures=(arm64 armhf)
  packages+=(clang-14 libc++-14-dev libc++abi-14-dev
             g++-aarch64-linux-gnu g++-arm-linux-gnueabihf qemu-user-static
             libboost-dev libqalculate-dev python3-matplotlib)
  for arch in "${foreign_architectures[@]}"; do
    packages+=("libicu-dev:$arch" "libgtest-dev:$arch" "libgmock-dev:$arch" "libbenchmark-dev:$arch")
  done
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

known_architectures=" $(dpkg --print-architecture) $(dpkg --print-foreign-architectures | tr '\n' ' ') "
new_architectures=()
for arch in "${foreign_architectures[@]}"; do
  [[ "$known_architectures" == *" $arch "* ]] || new_architectures+=("$arch")
done

if [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  for arch in "${new_architectures[@]}"; do echo "  dpkg --add-architecture $arch" >&2; done
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
for arch in "${new_architectures[@]}"; do dpkg --add-architecture "$arch"; done
if [ ${#new_architectures[@]} -gt 0 ] || ! apt-get install -y --no-install-recommends "${missing[@]}"; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
