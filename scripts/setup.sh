#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the program and the tests need: both Windows
# compilers and both Wine loaders, so that the 64-bit path works on machines that cannot run 32-bit programs.
# Safe to run again: packages already present are skipped, and apt is only asked when one is missing.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo sudo; fi; }
SUDO=$(need_root)

native_pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
             libbenchmark-dev libsqlite3-dev sqlite3 tcl dpkg-dev python3 locales
             g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb x11-apps x11-utils imagemagick fonts-nanum
             fonts-unfonts-core fonts-wine xauth fontconfig nsis zip
             pkg-config libsword-dev libsword-common libsword-utils sword-text-kjv mdbtools)
i386_pkgs=(wine wine32:i386)

missing=()
for p in "${native_pkgs[@]}" "${i386_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from LANG (949 under ko_KR, 1252 under en_US); non-ASCII file names need the
# glibc locale itself. The tests run in both locales.
for wanted in ko_KR en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8\$"; then
    if [ -f /etc/locale.gen ] && ! grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$wanted.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen "$wanted.UTF-8" >/dev/null 2>&1 || $SUDO localedef -i "$wanted" -f UTF-8 "$wanted.UTF-8"
  fi
done

# SQLite for the Windows build is compiled from Debian's own source package.
"$(dirname "$0")/fetch-sqlite-source.sh"
