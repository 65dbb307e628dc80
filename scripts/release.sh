#!/usr/bin/env bash
# Makes a release of the program from this tree:
#  - builds Vesperal.exe (32-bit Windows) and its greeting sound, and the plan compiler;
#  - fills the program folder build/release/Vesperal with the exe, Vesperal.wav, the help file psaltery.hlp and
#    its page psaltery.html when the tree has their source, the reading plans of the release's year and the four years after it, and
#    BibleText.txt, which names the Bible text of the plans;
#  - writes dist/Vesperal-<version>-setup.exe (makensis, installer/Vesperal.nsi), dist/Vesperal-<version>.zip
#    of the same folder, and dist/Vesperal-<version>-files.txt listing the folder's files with their SHA-256
#    after comment lines that name the text.
# The plans read the whole Bible in a year (plancompile --generate bible) from the module that
# scripts/release-text.sh chooses: a Korean Bible module when one is installed, else the King James Version.
# Compiled plans are kept in a cache folder, keyed by the plan compiler and the module's catalog line, so a
# second release from the same tree does not build them again.
# The version is the one line of VERSION. Files get the time of the last commit, so two runs on the same
# tree give the same folder, the same zip and the same list.
# Environment: VESPERAL_DIST (output folder, default dist), VESPERAL_RELEASE_YEAR (default: this year),
# VESPERAL_RELEASE_TEXT (a module name, or "sample" for the team's sample plan, which is not scripture and is
# meant for tests), VESPERAL_PLAN_CACHE (default build/release-plans), VESPERAL_WIN32_BUILD (the 32-bit build
# folder, default build/win32), VESPERAL_RELEASE_WORK (where the program folder is filled, default
# build/release), VESPERAL_SKIP_SETUP=1 (do not ask scripts/setup.sh for missing packages).
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
plan_years=$(seq "$year" $((year + 4)))  # an installed program keeps its plans for five years
cache_root=${VESPERAL_PLAN_CACHE:-build/release-plans}
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
# The help file and its page ship whenever the tree has their source (building the program makes them); a
# file left in the build folder by another tree's build is not shipped.
if [ -f help/psaltery.txt ]; then
  for help in psaltery.hlp psaltery.html; do
    [ -f "$win32/$help" ] || { echo "release: the build made no $win32/$help" >&2; exit 1; }
    cp "$win32/$help" "$stage/"
  done
fi
plans=()
for y in $plan_years; do plans+=("$y.dat"); done
first_plan=${plans[0]%.dat} last_plan=${plans[-1]%.dat}
catalog_line=$(VESPERAL_PLAN_CACHE=$cache_root scripts/plan-files.sh build/tools/plancompile "$stage" $plan_years)
if [ "$catalog_line" = sample ]; then
  text_lines=("본문: 표본 계획 (samples/sample-plan.txt). 성경 본문이 아닌 시험용 글입니다.")
else
  IFS=$'\x1f' read -r name abbreviation language text_version description copyright licence \
    <<<"$(tr '\t' '\037' <<<"$catalog_line")"
  text_lines=("본문: ${description:-$name}"
              "SWORD 모듈: $name, 판 ${text_version:-(적혀 있지 않음)}, 언어 ${language:-(적혀 있지 않음)}"
              "저작권: ${copyright:-(모듈 정보에 적혀 있지 않음)}"
              "배포 조건: ${licence:-(모듈 정보에 적혀 있지 않음)}")
fi
# The program folder names its text for the reader: UTF-8 with a byte order mark and CR LF, which Notepad
# shows as Korean on every Windows.
{
  printf '\xEF\xBB\xBF베스페랄읽기 %s의 읽기표와 그 성경 본문\r\n\r\n' "$version"
  printf '%s\r\n' "${text_lines[@]}"
  printf '\r\n읽기표: %s.dat부터 %s.dat까지, 해마다 한 파일입니다. 그 뒤의 해는 새 판을 설치하면 들어옵니다.\r\n' \
    "$first_plan" "$last_plan"
} >"$stage/BibleText.txt"

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || stat -c %Y VERSION)}
find "$stage" -exec touch -h -d "@$epoch" {} +
mapfile -t files < <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)

# The setup's file list: program files are replaced on every install; a plan is written where no plan of
# its year exists, or over one that an earlier setup wrote and nobody changed since.
files_nsh=$work/files.nsh
{
  echo '!macro ProgramFiles'
  for f in "${files[@]}"; do [[ $f == *.dat ]] || echo "  File \"\${STAGE}/$f\""; done
  echo '!macroend'
  echo '!macro RemoveProgramFiles'
  for f in "${files[@]}"; do [[ $f == *.dat ]] || echo "  Delete \"\$INSTDIR\\$f\""; done
  echo '!macroend'
  echo '!macro Plans'
  for f in "${plans[@]}"; do echo "  !insertmacro Plan \"$f\""; done
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
{
  printf '# %s\n' "${text_lines[@]}" "읽기표: $first_plan-$last_plan"
  (cd "$stage" && sha256sum "${files[@]}")
} >"$list"

echo "release: $version, program folder $stage: ${files[*]}"
printf 'release: %s\n' "${text_lines[@]}"
echo "release: $setup $(stat -c %s "$setup") bytes"
echo "release: $zipfile $(stat -c %s "$zipfile") bytes"
