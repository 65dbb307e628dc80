#!/usr/bin/env bash
# Sets up the Wine prefix $WINEPREFIX once for $WINEARCH (win32 or win64), guarded by a lock so parallel
# test runs wait for one set-up. On failure it says which step failed and how to see Wine's own messages.
set -u
: "${WINEPREFIX:?}"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-lib.sh"
export WINEARCH=${WINEARCH:-win32}
mark="$WINEPREFIX/.vesperal-ready"
[ -f "$mark" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$mark" ] && exit 0

case $WINEARCH in win64) use_wine_for amd64 ;; *) use_wine_for i386 ;; esac
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log="$WINEPREFIX.setup.log"
fail() {
  echo "wine-prefix: could not set up the $WINEARCH Wine prefix $WINEPREFIX: $1" >&2
  echo "wine-prefix: Wine's messages are in $log; to see more, run:" >&2
  echo "  WINEPREFIX=$WINEPREFIX WINEARCH=$WINEARCH WINEDEBUG=err+all $WINE_LOADER wineboot.exe -i" >&2
  exit 1
}
[ -x "$WINE_LOADER" ] || fail "the loader $WINE_LOADER is not installed (run scripts/setup.sh)"
if [ "$WINEARCH" = win32 ] && ! runs_32bit_programs; then
  fail "this machine cannot run 32-bit programs; use the 64-bit build (VESPERAL_WIN64=1)"
fi
"$WINE_LOADER" wineboot.exe -i >"$log" 2>&1 || fail "wineboot failed"
reg() { "$WINE_LOADER" reg.exe add "$@" /f >>"$log" 2>&1 || fail "reg add $1 /v $3 failed"; }
# Without a window manager on Xvfb, Wine would wait for every destroyed window.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# The dialogs ask for the Korean system fonts by name; map them to installed Korean fonts.
for pair in '굴림체=NanumGothicCoding' 'GulimChe=NanumGothicCoding' '굴림=NanumGothic' 'Gulim=NanumGothic' \
            '돋움=NanumGothic' 'Dotum=NanumGothic' '돋움체=NanumGothicCoding' 'DotumChe=NanumGothicCoding' \
            '바탕=NanumMyeongjo' 'Batang=NanumMyeongjo'; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}"
done
wineserver -w
touch "$mark"
