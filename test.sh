#!/usr/bin/env bash
# Installs what is missing, checks the include layers, builds the sanitizer
# build (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every
# test while each fuzz target gets a short run (when clang is present), then
# runs the thread tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

# The include layers first: a wrong include fails in seconds, not after the build.
python3 scripts/check_include_layers.py
python3 scripts/check_setting_keys.py

jobs=$(nproc)
fuzz=OFF
compiler=()
probe=$(mktemp -d)
if command -v clang++ >/dev/null &&
   echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
   clang++ -fsanitize=fuzzer -x c++ - -o "$probe/probe" 2>/dev/null; then
  # One clang build serves the tests and the fuzz targets.
  fuzz=ON
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
rm -rf "$probe"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# Precompiled headers: ccache reuses their users only with this sloppiness.
export CCACHE_SLOPPINESS=pch_defines,time_macros

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTELLO_SANITIZE=ON \
      -DVISTELLO_FUZZ=$fuzz -DVISTELLO_PCH=ON "${compiler[@]}" >/dev/null
cmake --build build-test -j "$jobs"

# The fuzz targets run beside the tests: a fuzz target keeps one core busy,
# while the tests mostly wait for the programs and tools they start. One
# target at a time on the cores the tests leave.
fuzz_pid=""
if [ "$fuzz" = ON ]; then
  fuzz_jobs=$(( jobs > 2 ? jobs - 2 : 1 ))
  find build-test/fuzz -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort |
    xargs -r -n1 -P "$fuzz_jobs" ./scripts/fuzz-one.sh build-test &
  fuzz_pid=$!
  trap 'kill "$fuzz_pid" 2>/dev/null || true' EXIT
fi

(cd build-test && ctest --output-on-failure -j "$jobs" --timeout 600)

if [ -n "$fuzz_pid" ]; then
  wait "$fuzz_pid"
  trap - EXIT
fi

# The thread tests once more under ThreadSanitizer, in a build of their own
# (it excludes the other sanitizers); only that target and the part of the
# engine it links are built.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTELLO_TSAN=ON \
      -DVISTELLO_TESTS=ON -DVISTELLO_PCH=ON "${compiler[@]}" >/dev/null
cmake --build build-tsan -j "$jobs" --target vistello_thread_tests
# The sanitizer's runtime cannot fork once threads have run, so the tests that
# compare with find(1) and stat(1) run in the suite above only.
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp" \
  build-tsan/tests/vistello_thread_tests \
  --gtest_filter='-TreeStatisticsTest.CountsLikeFindWithoutLinksOrFifos:TreeStatisticsTest.StaysOnTheFolderFileSystem:TreeStatisticsTest.DriveSpaceIsWhatStatSees'
