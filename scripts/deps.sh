#!/bin/sh
# Installs what the build and the tests need, when it is missing. On Debian or
# Ubuntu as root it uses apt-get; elsewhere it names the packages and stops.
set -e
# fonts-liberation, which wine only recommends: without it wine's printer
# driver may print in a math face with lines twice as tall.
PACKAGES="cmake make g++ googletest libbenchmark-dev g++-mingw-w64-x86-64 mingw-w64-tools \
wine wine64 xvfb xauth x11-utils imagemagick faketime clang libclang-rt-dev cups poppler-utils \
fonts-liberation"

missing=""
for package in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
else
  echo "Varidel needs these packages (Debian/Ubuntu names):$missing" >&2
  echo "Install them as root, for example: apt-get install$missing" >&2
  exit 1
fi
