#!/usr/bin/env bash
# Makes the SQLite amalgamation (sqlite3.c, sqlite3.h) for the Windows build from Debian's sqlite3
# source package, into the ignored folder .cache/sqlite. Nothing of SQLite's source is committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/.cache/sqlite"
[ -f "$out/sqlite3.c" ] && [ -f "$out/sqlite3.h" ] && exit 0

SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
src_list=/etc/apt/sources.list.d/vesperal-deb-src.sources
# Without source entries, add deb-src twins of the machine's own sources of sqlite3 (same mirror, release,
# components and keyring).
if ! apt-get source --print-uris sqlite3 >/dev/null 2>&1; then
  entries=$(python3 "$root/scripts/apt-deb-src.py" libsqlite3-0) || {
    echo "fetch-sqlite-source: cannot derive a deb-src entry from the apt sources; add one for sqlite3 by hand" >&2
    exit 1
  }
  echo "fetch-sqlite-source: adding deb-src entries in $src_list"
  printf '%s\n' "$entries" | $SUDO tee "$src_list" >/dev/null
  $SUDO apt-get update -qq
fi

work=$(mktemp -d "$root/.cache/sqlite-src.XXXXXX" 2>/dev/null || { mkdir -p "$root/.cache"; mktemp -d "$root/.cache/sqlite-src.XXXXXX"; })
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "fetch-sqlite-source: apt-get source sqlite3"
apt-get source -qq --download-only sqlite3 >/dev/null 2>&1 || apt-get source -qq --download-only sqlite3
dpkg-source -x --no-check ./sqlite3_*.dsc srcdir >/dev/null
cd srcdir
echo "fetch-sqlite-source: making the amalgamation"
./configure --disable-tcl >/dev/null
make -s sqlite3.c >/dev/null 2>&1 || make sqlite3.c
mkdir -p "$out"
cp sqlite3.c sqlite3.h "$out/"
echo "fetch-sqlite-source: $(grep -m1 '#define SQLITE_VERSION ' sqlite3.h)"
