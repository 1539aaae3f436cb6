#!/usr/bin/env bash
# Coverage-guided fuzzing of the vorn binary with AFL++.
#
#   fuzz/run.sh build            build an instrumented vorn into build-afl
#   fuzz/run.sh fuzz [SECONDS]   fuzz on one core (default 3600 s); findings
#                                go to $VORN_FUZZ_OUT (default build-afl/findings)
#   fuzz/run.sh resume [SECONDS] continue the last campaign where it stopped
#   fuzz/run.sh replay FILE...   run inputs on the sanitizer build (build-asan)
#                                and show status and stderr
#   fuzz/run.sh tmin IN OUT      minimise a crashing or hanging input
#   fuzz/run.sh stats            print the campaign's figures
#
# vorn takes its source as a path, so the input is handed over as @@; the
# seven output paths are files in a scratch directory on a RAM disk when one
# exists.  Nothing else is touched: no real device is ever named as an output,
# since a failed run deletes its intermediate files.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
bld=$top/build-afl
out=${VORN_FUZZ_OUT:-$bld/findings}
scratch_root=/dev/shm
[ -d "$scratch_root" ] && [ -w "$scratch_root" ] || scratch_root=${TMPDIR:-/tmp}

# Exec timeout in milliseconds: a run on a seed takes a few ms, a run into
# the 10000-level macro nesting limit a few hundred.
timeout_ms=${VORN_FUZZ_TIMEOUT:-2000}

export AFL_SKIP_CPUFREQ=1
export AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
export AFL_NO_UI=1

scratch() {
  local d=$scratch_root/vorn-fuzz-$$
  mkdir -p "$d"
  echo "$d"
}

cmd=${1:-}
shift || true

case $cmd in
build)
  compiler=$(command -v afl-clang-fast++ || command -v afl-g++ || true)
  if [ -z "$compiler" ]; then
    echo "afl++ is not installed (apt-get install -y afl++)" >&2
    exit 1
  fi
  cmake -S "$top" -B "$bld" -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_TESTS=OFF
  cmake --build "$bld" -j2 --target vorn
  ;;

fuzz|resume)
  secs=${1:-3600}
  [ -x "$bld/vorn" ] || { echo "run '$0 build' first" >&2; exit 1; }
  input=$top/fuzz/seeds
  if [ "$cmd" = resume ]; then
    input=-
  elif [ -d "$out/default/queue" ]; then
    echo "$out already holds a campaign: use resume, or remove it" >&2
    exit 1
  fi
  mkdir -p "$out"
  work=$(scratch)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
  # -V stops after the given time; -m none because vorn's own memory is small.
  afl-fuzz -V "$secs" -t "$timeout_ms" -m none -x "$top/fuzz/vorn.dict" \
    -i "$input" -o "$out" -- \
    "$bld/vorn" - tok fb sym info diag lst out @@
  ;;

replay)
  asan=$top/build-asan/vorn
  [ -x "$asan" ] || { echo "build the sanitizer build into build-asan first" >&2; exit 1; }
  work=$(scratch)
  trap 'rm -rf "$work"' EXIT
  for f in "$@"; do
    f=$(cd "$(dirname "$f")" && pwd)/$(basename "$f")
    rm -f "$work"/*
    set +e
    (cd "$work" && ASAN_OPTIONS=detect_leaks=1 timeout 10 "$asan" - tok fb sym info diag lst out "$f" 2>"$work/stderr")
    rc=$?
    set -e
    echo "== $f: status $rc"
    head -c 4000 "$work/stderr"
    [ -f "$work/diag" ] && head -c 2000 "$work/diag"
  done
  ;;

tmin)
  [ $# -eq 2 ] || { echo "usage: $0 tmin IN OUT" >&2; exit 1; }
  in=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  outf=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
  work=$(scratch)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
  afl-tmin -t "$((timeout_ms * 2))" -m none -i "$in" -o "$outf" -- \
    "$bld/vorn" - tok fb sym info diag lst out @@
  ;;

stats)
  f=$out/default/fuzzer_stats
  [ -f "$f" ] || { echo "no campaign in $out" >&2; exit 1; }
  grep -E '^(start_time|last_update|run_time|execs_done|execs_per_sec|corpus_count|bitmap_cvg|edges_found|total_edges|saved_crashes|saved_hangs|unique_crashes|unique_hangs|cycles_done|stability)' "$f"
  ;;

*)
  sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
  exit 1
  ;;
esac
