#!/usr/bin/env bash
# Builds and runs the whole test suite.
#   ./test.sh              the normal build, in build/
#   ./test.sh --sanitize   the same suite built with AddressSanitizer and
#                          UndefinedBehaviorSanitizer, in build-asan/
#   ./test.sh --thread     the same suite built with ThreadSanitizer, in
#                          build-tsan/ (the first race found fails its test)
set -euo pipefail
cd "$(dirname "$0")"

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DLUTEM_SANITIZE=ON -DLUTEM_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt
elif [ "${1:-}" = "--thread" ]; then
  dir=build-tsan
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUTEM_THREAD_SANITIZE=ON -DLUTEM_BUILD_BENCH=OFF)
  export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/scripts/tsan-suppressions.txt"
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 600
