#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those
# that are missing. Extra package names may be given as arguments.
set -euo pipefail

packages=(g++ cmake make libgtest-dev qt6-base-dev fonts-dejavu-core "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
((${#missing[@]})) || exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
