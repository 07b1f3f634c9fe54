#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine; quick when all is there.
# Both halves of Wine: the 64-bit loader and, from the i386 architecture, the 32-bit one
# that runs the i686 library, its tests and the 32-bit script hosts.
set -eu
packages="cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
          wine64 wine wine32:i386 libwine-dev googletest xvfb xauth fonts-wine fonts-liberation zip unzip wixl"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in *"ok installed"*) ;; *) missing="$missing $package" ;; esac
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
    *" i386 "*) ;;
    *) $sudo dpkg --add-architecture i386 ;;
  esac
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
