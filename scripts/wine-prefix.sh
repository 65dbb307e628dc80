#!/usr/bin/env bash
# Sets up the Wine prefix $WINEPREFIX once for $WINEARCH (win32 or win64), guarded by a lock so parallel
# test runs wait for one set-up. On failure it says which step failed and how to see Wine's own messages.
set -u
: "${WINEPREFIX:?}"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-lib.sh"
export WINEARCH=${WINEARCH:-win32}
# The mark names the settings below; a prefix made with older settings is set up again. VESPERAL_DPI (for
# example 144 or 192) makes a prefix whose display is scaled so, as Windows' display settings do.
mark="$WINEPREFIX/.vesperal-ready-fonts4-dpi${VESPERAL_DPI:-96}"
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
# Small Korean text is drawn without smoothing, crisp as the bitmap strikes of the Windows system fonts.
reg 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 0
# The dialogs ask for the Korean system fonts by name; map them to installed Korean fonts whose glyphs stay
# inside their own line height, so that wrapped lines of a verse never touch (measured with font_fit.exe of the
# Windows build: wine-run.sh build/win32/font_fit.exe FACE...).
# At 9 points UnDotum and UnBatang leave 2 empty rows between lines in a 15-pixel line, so the page's third
# header line (20 pixels apart, the rule 15 below its top) keeps clear of the rule; LexiGulim's 16-pixel cells
# would cover it, and the Nanum and Baekmuk fonts leave no empty row at all.
for pair in '굴림체=UnDotum' 'GulimChe=UnDotum' '굴림=UnDotum' 'Gulim=UnDotum' \
            '돋움=UnDotum' 'Dotum=UnDotum' '돋움체=UnDotum' 'DotumChe=UnDotum' \
            '바탕=UnBatang' 'Batang=UnBatang'; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}"
done
if [ -n "${VESPERAL_DPI:-}" ]; then
  reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VESPERAL_DPI"
fi
wineserver -w
touch "$mark"
