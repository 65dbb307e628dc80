#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the program and the tests need: both Windows
# compilers and both Wine loaders, so that the 64-bit path works on machines that cannot run 32-bit programs.
# Safe to run again: packages already present are skipped, and apt is only asked when one is missing.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo sudo; fi; }
SUDO=$(need_root)

native_pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
             libbenchmark-dev libsqlite3-dev sqlite3 tcl dpkg-dev python3 locales
             g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb x11-apps imagemagick fonts-nanum fonts-nanum-coding fonts-wine xauth fontconfig)
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

# Wine takes its ANSI code page from LANG; non-ASCII file names need the glibc locale itself.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
  if [ -f /etc/locale.gen ] && ! grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ko_KR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen ko_KR.UTF-8 >/dev/null 2>&1 || $SUDO localedef -i ko_KR -f UTF-8 ko_KR.UTF-8
fi

# SQLite for the Windows build is compiled from Debian's own source package.
"$(dirname "$0")/fetch-sqlite-source.sh"
