#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each on its seed corpus.
#
#   tools/fuzz.sh                   every target, 180 seconds each
#   tools/fuzz.sh projectfile 60    one target (fuzz_projectfile), 60 seconds
#
# New inputs go to build-fuzz/corpus/<target>/ (kept between runs); a finding is written to
# build-fuzz/findings/ and ends the run with a failure. Replay one with
#   build-fuzz/tests/fuzz/fuzz_<target> build-fuzz/findings/<file>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VD_FUZZ_BUILD:-$root/build-fuzz}
seconds=${2:-180}
jobs=${JOBS:-4}

if [ $# -ge 1 ]; then
  targets=("$1")
else
  targets=()
  for src in "$root"/tests/fuzz/fuzz_*.cpp; do
    n=$(basename "$src" .cpp)
    targets+=("${n#fuzz_}")
  done
fi

if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVD_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build "$build" -j "$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/findings"
status=0
for t in "${targets[@]}"; do
  # Whole project files and settings files may be hundreds of kilobytes from the start, so slow
  # paths show.
  case "$t" in
    projectfile|settings) length=(-max_len=400000 -len_control=0) ;;
    projectread) length=(-max_len=65536) ;;
    *) length=(-max_len=4096) ;;
  esac
  mkdir -p "$build/corpus/$t"
  echo "== fuzz_$t: $seconds s"
  if ! "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" "${length[@]}" -timeout=20 \
       -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
       "$build/corpus/$t" "$root/tests/fuzz/corpus/$t"; then
    echo "== fuzz_$t: FINDING (see $build/findings/)"
    status=1
  fi
done
exit $status
