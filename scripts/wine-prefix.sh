#!/usr/bin/env bash
# Sets up the Wine prefix $WINEPREFIX once (guarded by a lock, so parallel test runs wait for one set-up).
set -u
: "${WINEPREFIX:?}"
mark="$WINEPREFIX/.vesperal-ready"
[ -f "$mark" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$mark" ] && exit 0

export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i >/dev/null 2>&1 || exit 1
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
# Without a window manager on Xvfb, Wine would wait for every destroyed window.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# The dialogs ask for the Korean system fonts by name; map them to the installed Nanum fonts.
for pair in '굴림체=NanumGothicCoding' 'GulimChe=NanumGothicCoding' '굴림=NanumGothic' 'Gulim=NanumGothic' \
            '돋움=NanumGothic' 'Dotum=NanumGothic' '돋움체=NanumGothicCoding' 'DotumChe=NanumGothicCoding' \
            '바탕=NanumMyeongjo' 'Batang=NanumMyeongjo'; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}"
done
wineserver -w
touch "$mark"
