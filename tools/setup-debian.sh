#!/usr/bin/env bash
# Installs the Debian packages the build, the game, the tests and the scripts in tools/ need, when
# any is missing: the whole-program tests drive the game's window with xdotool, take screenshots
# with ImageMagick's `import`, measure the screen with xwininfo (x11-utils) and read both with
# Python; git lets the suite check that no test wrote into the checkout. Runs as root as it is, or
# through sudo for anyone else.
set -euo pipefail
# libbox2d-dev: only the baseline a physics benchmark is timed against; the game does not link it.
packages=(cmake g++ make pkg-config git
  libsdl2-dev libglew-dev libjsoncpp-dev libglm-dev libimgui-dev libsoil-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev libbox2d-dev
  xvfb xauth libgl1-mesa-dri xdotool imagemagick x11-utils python3 python3-pil)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "[ERROR] These packages are missing and only root can install them (there is no sudo): ${missing[*]}" >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  # sudo clears the environment, so the setting goes through env.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
