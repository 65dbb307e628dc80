#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and prints the medians with the ratios to their baselines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESPERAL_SANITIZE=OFF >/dev/null
cmake --build build/bench --target core_bench jet_open_bench -j "$(nproc)"
out=build/bench/core_bench.json
build/bench/core_bench --benchmark_repetitions=7 --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json >/dev/null
python3 - "$out" <<'PY'
import json, sys
rows = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
def med(name): b = rows[name]; return b["real_time"], b["time_unit"]
for label, mine, base, target in [("P1 day lookup", "BM_LookUpDay_Layer", "BM_LookUpDay_RawSqlite", 1.5),
                                  ("P2 diary search", "BM_DiarySearch_Layer", "BM_DiarySearch_RawInstr", 2.0),
                                  ("P2 diary search, the program's", "BM_DiarySearch_Program", "BM_DiarySearch_RawInstr",
                                   2.0),
                                  ("P3 diary export", "BM_DiaryExport_Layer", "BM_DiaryExport_Fwrite", 3.0),
                                  ("P3 diary export, UTF-8", "BM_DiaryExportUtf8_Layer", "BM_DiaryExportUtf8_Fwrite",
                                   3.0)]:
    (m, u), (b, _) = med(mine), med(base)
    print(f"{label}: median {m:.1f} {u} through the layer, {b:.1f} {u} raw; ratio {m / b:.2f} (target <= {target})")
(m, u), (c, _), (b, _) = med("BM_DiaryBackup"), med("BM_DiaryBackup_Check"), med("BM_DiaryBackup_FileCopy")
size = rows["BM_DiaryBackup"].get("MB", 0)
print(f"P4 diary backup of 10,000 entries ({size:.1f} MB): median {m:.1f} {u}, of which the check {c:.1f} {u}; "
      f"copying the bytes alone {b:.1f} {u} (target <= 300 ms)")
PY
build/bench/jet_open_bench

# The Windows benchmarks run in the Windows build that this machine runs (see scripts/test.sh).
. "$root/scripts/wine-lib.sh"
choose_windows_build
echo "Windows benchmarks from the $windows_build build: $windows_build_reason"
cmake -S . -B "build/$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/$windows_toolchain" >/dev/null
cmake --build "build/$windows_build" --target reading_step_bench diary_window_bench start_bench read_mark_bench jet_open_bench -j "$(nproc)"
for bench in reading_step_bench diary_window_bench start_bench read_mark_bench jet_open_bench; do
  scripts/wine-run.sh "build/$windows_build/$bench.exe"
done
