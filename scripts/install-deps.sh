#!/usr/bin/env bash
# Installs every Debian package the demo, its content pipeline and its tests
# need, skipping what is already installed. Runs as root or through sudo.
# clang and its runtime libraries build the readers' fuzz targets (libFuzzer
# and the sanitizers); llvm-14 brings the symbolizer that names the source
# lines in a sanitizer report. The sync tests play the demo through a private
# PulseAudio server; ALSA's PulseAudio plugin is the other road to one.
# lintian checks the release package. GNU parallel spreads the render farm's
# pieces over job slots and hosts.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl1.2-compat-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libdevil-dev zlib1g-dev libmpg123-dev libx11-dev libxft-dev
  libpulse-dev libasound2-dev libasound2-plugins pulseaudio pulseaudio-utils
  libmp3lame-dev libfreetype-dev fonts-dejavu-core
  googletest libgtest-dev xvfb xauth libxtst-dev
  clang libclang-rt-14-dev llvm-14 lintian
  ffmpeg parallel
  libembree-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "# setup: all ${#packages[@]} packages present"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "## ERROR: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "# setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
