#!/usr/bin/env bash
# Runs a Windows program under Wine the way the tests and the run command need it:
#  - the loader and a private prefix of the program's own architecture (32-bit for i386 programs, 64-bit for
#    x86_64 ones) in its build tree (or $VESPERAL_WINEPREFIX), set up once: no window manager waits
#    (Managed=N) and the dialog fonts mapped to installed Korean fonts;
#  - LANG=ko_KR.UTF-8, so the ANSI code page is 949; VESPERAL_LANG=en_US.UTF-8 (or another locale that
#    scripts/setup.sh made) runs it under that system locale instead (code page 1252 for en_US). Wine takes
#    the code page from each process's own LANG, so runs in both locales can share one prefix and server;
#  - a display: $DISPLAY when set, else an Xvfb started here and stopped afterwards;
#  - Wine's own output goes to a file that is printed afterwards, because Wine's helper processes inherit
#    the output and would keep a test runner's pipe open.
# Usage: wine-run.sh PROGRAM.exe [ARGS...]; exits with the program's exit code.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$1; shift
. "$here/wine-lib.sh"

find_build_root() {
  local d; d=$(cd "$(dirname "$1")" && pwd)
  while [ "$d" != / ]; do
    [ -f "$d/CMakeCache.txt" ] && { echo "$d"; return; }
    d=$(dirname "$d")
  done
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/vesperal"
}

machine=$(pe_machine "$exe")
use_wine_for "$machine" || { echo "wine-run: $exe is not a Windows program Wine can run here" >&2; exit 1; }
export WINEPREFIX=${VESPERAL_WINEPREFIX:-$(find_build_root "$exe")/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=${VESPERAL_LANG:-ko_KR.UTF-8}
export LC_ALL=$LANG

. "$here/xvfb-lib.sh"
[ -n "${DISPLAY:-}" ] || start_xvfb || exit 1
trap stop_xvfb EXIT

"$here/wine-prefix.sh" || exit 1

log=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
"$WINE_LOADER" "$exe" "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
