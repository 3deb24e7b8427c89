#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, but
# only the ones that are missing, so a set-up machine is not touched.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config make
  libsdl2-dev libxmp-dev libpng-dev zlib1g-dev libcairo2-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-freefont-ttf
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  sox xvfb xauth
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
