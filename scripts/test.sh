#!/usr/bin/env bash
# Builds and runs every test:
#  1. the native build: the core suite with ASan/UBSan (and the crash test), the plan compiler's tests;
#  2. the 32-bit Windows build: the same core suite and the window tests, under Wine on a private Xvfb;
#  3. a bounded libFuzzer run over the statement layer and the field conversion.
# Installs what is missing first (scripts/setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
. "$root/scripts/xvfb-lib.sh"

jobs=$(nproc)
logs=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$logs"' EXIT
run_ctest() {  # name, build dir
  local name=$1 dir=$2
  echo "== $name"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$logs/$name.log"
  return "${PIPESTATUS[0]}"
}

started=$(date +%s)
status=0

echo "== native build"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$jobs"
run_ctest native build/native || status=1

echo "== win32 build"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build build/win32 -j "$jobs"
# Window tests always get a private display, never the user's desktop.
start_xvfb
run_ctest win32 build/win32 || status=1
stop_xvfb

if [ -f tests/fuzz/fuzz.cmake ]; then
  echo "== fuzzing (${VESPERAL_FUZZ_SECONDS:-60} s)"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVESPERAL_FUZZ=ON -DVESPERAL_SANITIZE=OFF >/dev/null
  cmake --build build/fuzz --target statement_fuzzer -j "$jobs"
  mkdir -p build/fuzz/corpus
  if build/fuzz/statement_fuzzer -max_total_time="${VESPERAL_FUZZ_SECONDS:-60}" -timeout=10 \
       -artifact_prefix=build/fuzz/ build/fuzz/corpus tests/fuzz/corpus >"$logs/fuzz.log" 2>&1; then
    echo "fuzz: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second.*' "$logs/fuzz.log" | tail -n1)"
    echo "1 tests passed, 0 tests failed out of 1" >"$logs/fuzz-summary.log"
  else
    tail -n 60 "$logs/fuzz.log"
    echo "fuzz: a finding; see the artifact in build/fuzz/"
    echo "0 tests passed, 1 tests failed out of 1" >"$logs/fuzz-summary.log"
    status=1
  fi
fi

passed=0; failed=0
for f in "$logs"/*.log; do
  line=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$f" | tail -n1) || continue
  [ -n "$line" ] || continue
  f_n=$(echo "$line" | awk '{print $1}'); total=$(echo "$line" | awk '{print $NF}')
  failed=$((failed + f_n)); passed=$((passed + total - f_n))
done
echo "== took $(( $(date +%s) - started )) s"
echo "$passed passed, $failed failed"
exit $status
