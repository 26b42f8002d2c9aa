#!/usr/bin/env bash
# Installs what the builds and the tests need, only when something is missing (never wine32).
set -eu
packages="cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine64 wine fonts-wine xvfb xauth x11-utils xdotool
  pulseaudio pulseaudio-utils clang libclang-rt-14-dev valgrind imagemagick qemu-system-x86 debootstrap cpio
  e2fsprogs util-linux"
missing=
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
