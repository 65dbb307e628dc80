#!/usr/bin/env bash
# Runs the release and setup test (installer_test.py) on an Xvfb of its own, so that the program it starts
# never lands on a display where window tests take their pictures.
# Usage: installer_test.sh WIN32_BUILD_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
. "$here/../../scripts/xvfb-lib.sh"
. "$here/../../scripts/wine-lib.sh"
if [ "${VESPERAL_WIN64:-0}" != 1 ] && ! runs_32bit_programs; then
  export VESPERAL_NO_IA32=1  # the setup is a 32-bit program; the test says so and skips running it
fi
# stop_xvfb ends the Wine server of $WINEPREFIX: the test's own prefix, never another one.
export WINEPREFIX="$build/installer-test/prefix"
start_xvfb || exit 1
trap stop_xvfb EXIT
python3 "$here/installer_test.py" "$build"
