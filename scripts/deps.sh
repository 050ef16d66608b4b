#!/usr/bin/env bash
# Installs the Debian 12 packages Quindle needs, only those still missing.
# Usage: scripts/deps.sh [play|test|package|fuzz]
set -euo pipefail

build_pkgs=(cmake g++ make pkg-config
  qt6-base-dev qt6-base-private-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
  libcanberra-dev libcanberra-pulse sound-theme-freedesktop libxcb1-dev libsndfile1-dev
  fonts-comic-neue fonts-dejavu-core fonts-dejavu-extra)
test_pkgs=(libgtest-dev
  # the end-to-end suite: private X11 and Wayland desktops, input, accessibility
  xvfb openbox xdotool x11-utils x11-xkb-utils x11-xserver-utils python3-xlib imagemagick weston qt6-wayland
  dbus-daemon dbus-bin at-spi2-core python3 python3-gi python3-pyatspi
  # a private sound server to hear which cues play
  pulseaudio pulseaudio-utils
  # the screen reader whose speech log one test reads
  orca)
# Making and checking the Debian package: cpack's shlibdeps and strip, and
# the validators.
package_pkgs=(dpkg-dev file binutils lintian desktop-file-utils appstream)
# The benchmarks: built with the X test extension, run on a private X server and bus.
build_pkgs+=(libxcb-xtest0-dev)
# scripts/fuzz.sh: libFuzzer comes with clang's runtime libraries.
fuzz_pkgs=(clang libclang-rt-14-dev)

case "${1:-test}" in
  play) wanted=("${build_pkgs[@]}") ;;
  test) wanted=("${build_pkgs[@]}" "${test_pkgs[@]}" "${package_pkgs[@]}") ;;
  package) wanted=("${build_pkgs[@]}" "${package_pkgs[@]}") ;;
  fuzz) wanted=("${build_pkgs[@]}" "${test_pkgs[@]}" "${fuzz_pkgs[@]}") ;;
  *) echo "usage: $0 [play|test|package|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
