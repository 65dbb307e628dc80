#!/usr/bin/env bash
# Builds the program and starts it under Wine.
#  - builds Vesperal.exe (32-bit Windows) and the plan compiler, and makes one program folder, build/program,
#    with the exe, its greeting sound, and the sample reading plan compiled for last, this and next year;
#  - starts the program on $DISPLAY, or on an Xvfb of its own when there is none, and saves a screenshot
#    to build/screenshots/ (its name is printed).
# With a display of your own the program keeps running until you close it; on the private Xvfb it is
# stopped after the screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
. "$root/scripts/xvfb-lib.sh"
jobs=$(nproc)

cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build build/win32 --target Vesperal -j "$jobs"
cmake -S . -B build/tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESPERAL_SANITIZE=OFF >/dev/null
cmake --build build/tools --target plancompile -j "$jobs"

program=build/program
mkdir -p "$program" build/screenshots
cp build/win32/Vesperal.exe "$program/"
[ -f build/win32/Vesperal.wav ] && cp build/win32/Vesperal.wav "$program/"
year=$(date +%Y)
for y in $((year - 1)) "$year" $((year + 1)); do
  build/tools/plancompile --year "$y" samples/sample-plan.txt "$program/$y.dat"
done
echo "run: program folder $root/$program"

export VESPERAL_WINEPREFIX="$root/build/win32/wineprefix"
export WINEPREFIX=$VESPERAL_WINEPREFIX WINEARCH=win32 WINEDEBUG=-all LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
own_display=0
if [ -z "${DISPLAY:-}" ]; then
  XVFB_SCREEN=1024x768x24 start_xvfb
  own_display=1
  trap stop_xvfb EXIT
fi
"$root/scripts/wine-prefix.sh"

shot="$root/build/screenshots/vesperal-$(date +%Y%m%d-%H%M%S).png"
take_shot() { sleep "${VESPERAL_SHOT_DELAY:-8}"; import -display "$DISPLAY" -window root "$shot" && echo "run: screenshot $shot"; }

cd "$program"
# The explorer desktop gives the windows frames and a taskbar with the tray, as on Windows.
wine explorer /desktop=Vesperal,1024x768 Vesperal.exe "$@" >/dev/null 2>&1 &
wine_pid=$!
if [ "$own_display" = 1 ]; then
  take_shot
  stop_xvfb
  wait "$wine_pid" 2>/dev/null || true
else
  take_shot &
  wait "$wine_pid" || true
fi
