#!/usr/bin/env bash
# Builds and runs every test:
#  1. the native build: the core suite with ASan/UBSan (and the crash test), the plan compiler's tests;
#  2. the 32-bit Windows build, the product: always built and checked without running it (program and
#     resource checks);
#  3. the Windows tests under Wine on a private Xvfb: the same core suite and the window tests, from the 32-bit
#     build where this machine runs 32-bit programs, else from the 64-bit build (VESPERAL_WIN64=1 forces it);
#  4. a bounded libFuzzer run over the statement layer and the field conversion, and over the Jet reader.
# Installs what is missing first (scripts/setup.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
. "$root/scripts/xvfb-lib.sh"
. "$root/scripts/wine-lib.sh"

jobs=$(nproc)
logs=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$logs"' EXIT
run_ctest() {  # name, build dir, further ctest arguments
  local name=$1 dir=$2; shift 2
  echo "== $name"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@" 2>&1 | tee "$logs/$name.log"
  return "${PIPESTATUS[0]}"
}
configure() {  # build dir, cmake arguments; CMake's own output is shown only when it fails
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >"$logs/configure.log" 2>&1 || { cat "$logs/configure.log"; return 1; }
}

started=$(date +%s)
status=0
choose_windows_build
windows_line="Windows tests run from the $windows_build build: $windows_build_reason"
echo "== $windows_line"

echo "== native build"
configure build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/native -j "$jobs"
run_ctest native build/native || status=1

echo "== win32 build (the product)"
configure build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
cmake --build build/win32 -j "$jobs"
if [ "$windows_build" = win32 ]; then
  # Window tests always get a private display, never the user's desktop.
  start_xvfb
  run_ctest win32 build/win32 || status=1
  stop_xvfb
else
  run_ctest win32-checks build/win32 -L static || status=1
  echo "== win64 build"
  configure build/win64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
  cmake --build build/win64 -j "$jobs"
  start_xvfb
  run_ctest win64 build/win64 || status=1
  stop_xvfb
fi

if [ -f tests/fuzz/fuzz.cmake ]; then
  # The fuzzing time is shared: half for the statement layer, half for the Jet reader.
  fuzz_seconds=${VESPERAL_FUZZ_SECONDS:-60}
  echo "== fuzzing ($fuzz_seconds s)"
  CC=clang CXX=clang++ configure build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVESPERAL_FUZZ=ON -DVESPERAL_SANITIZE=OFF
  cmake --build build/fuzz --target statement_fuzzer jet_fuzzer -j "$jobs"
  fuzz_passed=0; fuzz_failed=0
  for fuzzer in statement_fuzzer jet_fuzzer; do
    corpus=build/fuzz/corpus; seeds=tests/fuzz/corpus
    [ "$fuzzer" = jet_fuzzer ] && corpus=build/fuzz/jet-corpus && seeds=tests/fuzz/jet-corpus
    mkdir -p "$corpus"
    if build/fuzz/$fuzzer -max_total_time=$(( (fuzz_seconds + 1) / 2 )) -timeout=10 \
         -artifact_prefix=build/fuzz/ "$corpus" $seeds >"$logs/$fuzzer.fuzz" 2>&1; then
      echo "fuzz $fuzzer: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second.*' "$logs/$fuzzer.fuzz" | tail -n1)"
      fuzz_passed=$((fuzz_passed + 1))
    else
      tail -n 60 "$logs/$fuzzer.fuzz"
      echo "fuzz $fuzzer: a finding; see the artifact in build/fuzz/"
      fuzz_failed=$((fuzz_failed + 1))
      status=1
    fi
  done
  echo "$fuzz_passed tests passed, $fuzz_failed tests failed out of 2" >"$logs/fuzz-summary.log"
fi

passed=0; failed=0; skipped=0
for f in "$logs"/*.log; do
  line=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$f" | tail -n1) || continue
  [ -n "$line" ] || continue
  f_n=$(echo "$line" | awk '{print $1}'); total=$(echo "$line" | awk '{print $NF}')
  s_n=$(grep -Ec '^[[:space:]]+[0-9]+ - .* \(Skipped\)$' "$f" || true)
  failed=$((failed + f_n)); skipped=$((skipped + s_n)); passed=$((passed + total - f_n - s_n))
done
echo "== $windows_line"
echo "== took $(( $(date +%s) - started )) s"
if [ "$skipped" -gt 0 ]; then
  echo "$passed passed, $failed failed, $skipped skipped"
else
  echo "$passed passed, $failed failed"
fi
exit $status
