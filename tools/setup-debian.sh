#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
set -euo pipefail
# libbox2d-dev: only the baseline a physics benchmark is timed against; the game does not link it.
packages=(cmake g++ make pkg-config
  libsdl2-dev libglew-dev libjsoncpp-dev libglm-dev libimgui-dev libsoil-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev libbox2d-dev
  xvfb xauth libgl1-mesa-dri python3 python3-pil)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
