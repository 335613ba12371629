#!/usr/bin/env bash
# Installs every build and test dependency on a Debian 12 machine.
# Idempotent: when everything is present it only asks dpkg and returns.
# `scripts/setup.sh --fuzz` (or ZK_FUZZ=1) adds clang and its libFuzzer runtime, which the
# fuzz targets in fuzz/ need.
set -euo pipefail

fuzz="${ZK_FUZZ:-0}"
for arg in "$@"; do
  case "$arg" in
    --fuzz) fuzz=1 ;;
    *) echo "usage: scripts/setup.sh [--fuzz]" >&2; exit 2 ;;
  esac
done

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  qt6-tools-dev libqt6opengl6-dev
  libgtest-dev libbenchmark-dev
  fp-compiler
  fonts-noto-cjk
  qt6-translations-l10n
  xvfb xauth
)
if [ "$fuzz" = 1 ] || [ "$fuzz" = ON ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
