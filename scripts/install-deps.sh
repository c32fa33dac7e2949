#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need. Idempotent: when every
# package is already installed it does not touch apt at all.
set -euo pipefail

packages=(
  cmake g++ make pkg-config libgtest-dev
  libtinyxml-dev mdbtools-dev
  qt6-base-dev qt6-image-formats-plugins libqt6svg6 libuemf-dev
  fonts-liberation fonts-dejavu-core
  libqpdf-dev qpdf poppler-utils dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
