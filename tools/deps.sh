#!/usr/bin/env bash
# Installs the Debian packages Tumbrix needs that are not installed yet.
# Runs apt-get update only when something must be installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
  libboost-regex-dev libcurl4-openssl-dev libcpp-httplib-dev libssl-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Tumbrix needs ${missing[*]}; run as root or install sudo." >&2; exit 1; }
  sudo="sudo"
fi
echo "Installing missing packages: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
