#!/usr/bin/env bash
# Makes a release of the program from this tree:
#  - builds Vesperal.exe (32-bit Windows) and its greeting sound, and the plan compiler;
#  - fills the program folder build/release/Vesperal with the exe, Vesperal.wav, the help file psaltery.hlp
#    when the tree has its source, and the sample reading plan (its year title says 표본, sample) compiled for
#    last, this and next year;
#  - writes dist/Vesperal-<version>-setup.exe (makensis, installer/Vesperal.nsi), dist/Vesperal-<version>.zip
#    of the same folder, and dist/Vesperal-<version>-files.txt listing the folder's files with their SHA-256.
# The version is the one line of VERSION. Files get the time of the last commit, so two runs on the same
# tree give the same folder, the same zip and the same list.
# Environment: VESPERAL_DIST (output folder, default dist), VESPERAL_RELEASE_YEAR (default: this year),
# VESPERAL_WIN32_BUILD (the 32-bit build folder, default build/win32), VESPERAL_RELEASE_WORK (where the
# program folder is filled, default build/release), VESPERAL_SKIP_SETUP=1 (do not ask scripts/setup.sh for
# missing packages).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ "${VESPERAL_SKIP_SETUP:-0}" = 1 ] || "$root/scripts/setup.sh"

version=$(head -n1 VERSION)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "release: VERSION must be MAJOR.MINOR.PATCH, not '$version'" >&2; exit 1; }
win32=${VESPERAL_WIN32_BUILD:-build/win32}
dist=${VESPERAL_DIST:-dist}
work=${VESPERAL_RELEASE_WORK:-build/release}
year=${VESPERAL_RELEASE_YEAR:-$(date +%Y)}
jobs=$(nproc)

if [ -f "$win32/CMakeCache.txt" ]; then
  type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$win32/CMakeCache.txt")
  [ "$type" = Release ] || { echo "release: $win32 is a '$type' build; a release is made from a Release build" >&2; exit 1; }
else
  cmake -S . -B "$win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
fi
cmake --build "$win32" --target Vesperal -j "$jobs" >/dev/null
cmake -S . -B build/tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESPERAL_SANITIZE=OFF >/dev/null
cmake --build build/tools --target plancompile -j "$jobs" >/dev/null

stage=$work/Vesperal
rm -rf "$stage"
mkdir -p "$stage" "$dist"
cp "$win32/Vesperal.exe" "$win32/Vesperal.wav" "$stage/"
# The help file ships whenever the tree has its source (building the program makes it); a file left in the
# build folder by another tree's build is not shipped.
if [ -f help/psaltery.txt ]; then
  [ -f "$win32/psaltery.hlp" ] || { echo "release: the build made no $win32/psaltery.hlp" >&2; exit 1; }
  cp "$win32/psaltery.hlp" "$stage/"
fi
plans=()
for y in $((year - 1)) "$year" $((year + 1)); do
  build/tools/plancompile --year "$y" samples/sample-plan.txt "$stage/$y.dat"
  plans+=("$y.dat")
done

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || stat -c %Y VERSION)}
find "$stage" -exec touch -h -d "@$epoch" {} +
mapfile -t files < <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)

# The setup's file list: program files are replaced on every install, sample plans only written where no
# plan of that year exists yet.
files_nsh=$work/files.nsh
{
  echo '!macro ProgramFiles'
  for f in "${files[@]}"; do [[ $f == *.dat ]] || echo "  File \"\${STAGE}/$f\""; done
  echo '!macroend'
  echo '!macro RemoveProgramFiles'
  for f in "${files[@]}"; do [[ $f == *.dat ]] || echo "  Delete \"\$INSTDIR\\$f\""; done
  echo '!macroend'
  echo '!macro SamplePlans'
  for f in "${plans[@]}"; do echo "  !insertmacro SamplePlan \"$f\""; done
  echo '!macroend'
} >"$files_nsh"

setup=$dist/Vesperal-$version-setup.exe
zipfile=$dist/Vesperal-$version.zip
list=$dist/Vesperal-$version-files.txt
rm -f "$setup" "$zipfile" "$list"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$(realpath -m "$stage")" -DFILES="$(realpath -m "$files_nsh")" \
         -DICON="$(realpath -m "$win32/res/icons/165-app.ico")" -DOUTFILE="$(realpath -m "$setup")" \
         installer/Vesperal.nsi
zip_out=$(realpath -m "$zipfile")
(cd "$work" && zip -X -q "$zip_out" "${files[@]/#/Vesperal/}")
(cd "$stage" && sha256sum "${files[@]}") >"$list"

echo "release: $version, program folder $stage: ${files[*]}"
echo "release: $setup $(stat -c %s "$setup") bytes"
echo "release: $zipfile $(stat -c %s "$zipfile") bytes"
