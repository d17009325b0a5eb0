#!/usr/bin/env bash
# Installs the Debian packages the simulator needs to build, run and be tested.
# Idempotent: when everything is present it returns at once without touching apt.
set -euo pipefail

packages=(
  g++ cmake make pkg-config dpkg-dev
  qt6-base-dev qt6-webengine-dev
  libgtest-dev libgmock-dev libcpp-httplib-dev
  xvfb xauth xdotool
  dbus at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0 python3-xlib
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
