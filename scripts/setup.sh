#!/usr/bin/env bash
# Installs the Debian 12 packages Velkor needs (only those missing). Run as root or with sudo.
# Names given as arguments are installed too (scripts/package.sh adds its packaging tools).
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev fonts-liberation2 libgl1-mesa-dev
          poppler-utils nlohmann-json3-dev qt6-translations-l10n "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
