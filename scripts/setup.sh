#!/usr/bin/env bash
# Installs the Debian packages Quillery needs when some are missing, then
# configures and builds it in build/. Sourced by run.sh and test.sh.
set -euo pipefail

packages=(
  cmake g++ qt6-base-dev qt6-qpa-plugins libqscintilla2-qt6-dev libgtest-dev
  xvfb xauth xdotool xclip x11-utils openbox fonts-liberation fonts-wqy-microhei
  libbenchmark-dev python3
  imagemagick
)
# The fuzz targets: clang with libFuzzer and its sanitizers, and the symbolizer
# for their stacks.
packages+=(clang libclang-rt-14-dev llvm)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

# --packages-only: for bench.sh, which builds a tree of its own.
[ "${1:-}" = "--packages-only" ] && exit 0

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" --parallel "$(nproc)"
