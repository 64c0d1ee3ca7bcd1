#!/usr/bin/env bash
# Installs every Debian 12 package the program, its tests, benchmarks and tools need.
# Does nothing when all are there already. Run as root.
set -euo pipefail

packages=(
  # build (ccache keeps the two builds of a test run from compiling unchanged files again)
  cmake ninja-build g++ pkg-config dpkg-dev ccache
  # toolkit
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libfontconfig-dev libgl-dev libglx-dev libegl-dev libvulkan-dev
  # fonts with the metrics and code points the windows are laid out for
  fonts-liberation fonts-comic-neue fonts-urw-base35 fontconfig
  # tests, screenshots and benchmarks
  xvfb xauth xdotool x11-utils libx11-dev time bc imagemagick libbenchmark-dev desktop-file-utils
  clang clang-tidy libclang-rt-14-dev
  # the toolkit's dialogs in German; the software-centre entry checked like the desktop entry
  qt6-translations-l10n appstream
  # reading aloud: espeak-ng's German voice, played through Qt Multimedia
  libespeak-ng-dev espeak-ng-data qt6-multimedia-dev
  # the Debian packages made and checked as the distribution does; the class set-up's
  # access lists (set through opened folders with libacl) and the note on a child's folder
  debhelper lintian acl libacl1-dev attr
  # a sound server of the tests' own (a null sink, its monitor recorded)
  pulseaudio pulseaudio-utils
  # a school's server of the tests' own: the log folder mounted through sshd and sshfs
  openssh-server openssh-client sshfs
  # and a Samba share of the tests' own, mounted through smbnetfs
  samba smbnetfs
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
