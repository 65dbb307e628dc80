#!/usr/bin/env bash
# Builds the program and starts it under Wine.
#  - builds Vesperal.exe (32-bit Windows, the product) and the plan compiler, and makes one program folder,
#    build/program, with the exe, its greeting sound, its help (psaltery.hlp and the page psaltery.html), and
#    the reading plans of last, this and next year as a release makes them: the whole Bible in a year from the
#    installed Bible module (scripts/plan-files.sh; compiled once and kept). The team's sample plan, which is
#    not scripture, is used where no module is installed, or when asked for with VESPERAL_RELEASE_TEXT=sample;
#  - on a machine that cannot run 32-bit programs (or with VESPERAL_WIN64=1) the 32-bit exe is still built and
#    checked, and the program folder gets the 64-bit build of the same sources instead, which Wine can run there;
#  - starts the program on $DISPLAY, or on an Xvfb of its own when there is none, and saves a screenshot
#    to build/screenshots/ (its name is printed).
# With a display of your own the program keeps running until you close it; on the private Xvfb it is
# stopped after the screenshot.
# The system locale is Korean (LANG=ko_KR.UTF-8, code page 949); VESPERAL_LANG=en_US.UTF-8 starts the program
# under an English one (code page 1252) instead, as on a Windows whose display language is not Korean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
. "$root/scripts/xvfb-lib.sh"
. "$root/scripts/wine-lib.sh"
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
quietly() {  # runs a build step, showing its output only when it fails
  "$@" >"$log" 2>&1 || { cat "$log"; echo "run: failed: $*" >&2; exit 1; }
}

choose_windows_build
echo "run: the $windows_build build runs: $windows_build_reason"
builds=(win32)
[ "$windows_build" = win64 ] && builds+=(win64)
for build in "${builds[@]}"; do
  toolchain=cmake/mingw-i686.cmake
  [ "$build" = win64 ] && toolchain=cmake/mingw-x86_64.cmake
  quietly cmake -S . -B "build/$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/$toolchain"
  quietly cmake --build "build/$build" --target Vesperal -j "$jobs"
done
python3 tools/check_exe.py build/win32/Vesperal.exe i386
quietly cmake -S . -B build/tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESPERAL_SANITIZE=OFF
quietly cmake --build build/tools --target plancompile -j "$jobs"

program=build/program
mkdir -p "$program" build/screenshots
cp "build/$windows_build/Vesperal.exe" "$program/"
for extra in Vesperal.wav psaltery.hlp psaltery.html; do
  [ -f "build/$windows_build/$extra" ] && cp "build/$windows_build/$extra" "$program/"
done
year=$(date +%Y)
years=($((year - 1)) "$year" $((year + 1)))
if ! text=$(scripts/plan-files.sh build/tools/plancompile "$program" "${years[@]}"); then
  echo "run: no Bible module to build the plans from; the sample plan (not scripture) is used" >&2
  text=$(VESPERAL_RELEASE_TEXT=sample scripts/plan-files.sh build/tools/plancompile "$program" "${years[@]}")
fi
echo "run: reading plans of ${years[*]} from: ${text%%$'\t'*}"
echo "run: program folder $root/$program"

use_wine_for "$(pe_machine "$program/Vesperal.exe")"
export VESPERAL_WINEPREFIX="$root/build/$windows_build/wineprefix"
lang=${VESPERAL_LANG:-ko_KR.UTF-8}
locale -a 2>/dev/null | grep -qix "$(sed 's/UTF-8$/utf8/I' <<<"$lang")" ||
  { echo "run: the locale $lang is not installed (scripts/setup.sh makes ko_KR.UTF-8 and en_US.UTF-8)" >&2; exit 1; }
echo "run: system locale $lang"
export WINEPREFIX=$VESPERAL_WINEPREFIX WINEDEBUG=-all LANG=$lang LC_ALL=$lang
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
own_display=0
if [ -z "${DISPLAY:-}" ]; then
  XVFB_SCREEN=1024x768x24 start_xvfb
  own_display=1
  trap 'stop_xvfb; rm -f "$log"' EXIT
fi
"$root/scripts/wine-prefix.sh"

shot="$root/build/screenshots/vesperal-${lang%%.*}-$(date +%Y%m%d-%H%M%S).png"
take_shot() {
  sleep "${VESPERAL_SHOT_DELAY:-8}"
  if import -display "$DISPLAY" -window root "$shot"; then echo "run: screenshot $shot"
  else echo "run: could not take a screenshot of display $DISPLAY" >&2; fi
}

cd "$program"
# The explorer desktop gives the windows frames and a taskbar with the tray, as on Windows.
"$WINE_LOADER" explorer.exe /desktop=Vesperal,1024x768 Vesperal.exe "$@" >/dev/null 2>&1 &
wine_pid=$!
if [ "$own_display" = 1 ]; then
  take_shot
  kill -0 "$wine_pid" 2>/dev/null || echo "run: the program had already ended before the screenshot" >&2
  stop_xvfb
  wait "$wine_pid" 2>/dev/null || true
else
  take_shot &
  wait "$wine_pid" || true
fi
