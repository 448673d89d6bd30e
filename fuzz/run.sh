#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under ASan and UBSan in
# build-fuzz/ and runs each for a fixed time, starting from its committed
# seeds (fuzz/seeds/NAME) and every input that once failed
# (fuzz/regressions/NAME). Any finding (a crash, a sanitizer report, a failed
# fuzz check, a leak, an input slower than 10 s or a process above 2 GB)
# fails the run; the input that found it is left in build-fuzz/findings/NAME/
# and belongs in fuzz/regressions/NAME/ once the fault is mended, so that the
# test suite replays it for good.
#   fuzz/run.sh [--seconds N] [--jobs N] [NAME...]
#     --seconds  time per target (default 20)
#     --jobs     targets run at once (default 1)
#     NAME       targets to run (default: all, in name order)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=20
jobs=1
names=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) names+=("$1"); shift ;;
  esac
done

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DLUTEM_FUZZ=ON \
  -DLUTEM_BUILD_TESTS=OFF -DLUTEM_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build build-fuzz --target lutem_fuzz_targets

if [ ${#names[@]} -eq 0 ]; then
  for target in fuzz/targets/*.cpp; do
    name=$(basename "$target" .cpp)
    if [ -x "build-fuzz/bin/fuzz_$name" ]; then names+=("$name"); fi
  done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The test suite's own: what libraries keep for the process's life.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
rm -rf build-fuzz/logs
mkdir -p build-fuzz/logs

# One target: a fresh working corpus (the committed folders are only read),
# the finding, if any, in build-fuzz/findings/NAME/.
run_one() {
  local name=$1
  local corpus=build-fuzz/corpus/$name findings=build-fuzz/findings/$name
  rm -rf "$corpus"
  mkdir -p "$corpus" "$findings"
  local folders=("$corpus")
  for folder in "fuzz/seeds/$name" "fuzz/regressions/$name"; do
    if [ -d "$folder" ]; then folders+=("$folder"); fi
  done
  local status=0
  "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${folders[@]}" \
    >"build-fuzz/logs/$name.log" 2>&1 || status=$?
  echo "$status" >"build-fuzz/logs/$name.status"
}

running=0
for name in "${names[@]}"; do
  if [ ! -x "build-fuzz/bin/fuzz_$name" ]; then
    echo "fuzz: no target $name" >&2
    exit 2
  fi
  run_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

failed=0
for name in "${names[@]}"; do
  status=$(cat "build-fuzz/logs/$name.status")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/logs/$name.log" | tail -1)
  if [ "$status" -eq 0 ]; then
    printf 'fuzz: %-22s %10s executions, nothing found\n' "$name" "${runs:-?}"
  else
    failed=1
    printf 'fuzz: %-22s FAILED (exit %s)\n' "$name" "$status"
    tail -n 60 "build-fuzz/logs/$name.log" | sed 's/^/  | /'
    echo "  the input is in build-fuzz/findings/$name/; once mended, keep it in fuzz/regressions/$name/"
  fi
done
exit "$failed"
