#!/bin/sh
# Installs the Debian packages that building and testing need, when missing.
# Usage: scripts/install-deps.sh [base|windows|fuzz|bench|medium|images]...
set -eu

base="cmake ninja-build g++ pkg-config make python3 qt6-base-dev qt6-image-formats-plugins
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-zenhei
  libgl-dev libgtest-dev libgmock-dev libuchardet-dev libjpeg62-turbo-dev fonts-liberation fonts-liberation2 fontconfig
  xvfb xauth xdotool x11-utils x11-apps imagemagick procps strace fonts-dejavu-core clang-format
  dbus dbus-x11 at-spi2-core python3-pyatspi"
# wine32:i386 runs the 32-bit executable (it needs the i386 architecture).
windows="g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64 wine64 wine wine32:i386 osslsigncode openssl"
fuzz="clang-14 libclang-rt-14-dev llvm-14"
medium="qt6-wayland icu-devtools debootstrap weston binutils libfuse3-dev fuse3 libxcursor1
  xorriso mtools dosfstools"
images="fuseiso squashfs-tools nautilus dbus-daemon"
bench="hyperfine valgrind linux-perf strace libx11-dev libxext-dev libxtst-dev libxdamage-dev
  libxfixes-dev libfuse3-dev fuse3"

want=""
[ $# -eq 0 ] && set -- base
for group in "$@"; do
  eval "want=\"\$want \$$group\""
done

missing=""
for pkg in $want; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $pkg"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo="sudo"
else
  echo "These Debian packages are missing:$missing" >&2
  echo "Install them as root (apt-get install$missing) and run this again." >&2
  exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
case "$missing" in
  *:i386*)
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
