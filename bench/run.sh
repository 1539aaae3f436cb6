#!/usr/bin/env bash
# Benchmark of the first pass against a plain stdio pass over the same source.
#
#   bench/run.sh                 build, generate, time 200k and 800k lines
#   bench/run.sh --callgrind     profile one run on a 20k-line source
#   options: --sizes "N ..."  line counts (default "200000 800000")
#            --runs N         timed runs per program and size (default 3)
#            --seed N         generator seed (default 1)
#
# Everything produced goes to bench/out (ignored by git).  The script stops
# with status 1 if vorn does not assemble a generated source cleanly.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=$here/out
sizes="200000 800000"
runs=3
seed=1
mode=bench

while [ $# -gt 0 ]; do
    case $1 in
    --callgrind) mode=callgrind ;;
    --sizes) sizes=$2; shift ;;
    --runs) runs=$2; shift ;;
    --seed) seed=$2; shift ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

mkdir -p "$out"

# ---- build ----
build=$root/build-release
cflags=(-O2 -Wall -Wextra)
if [ $mode = callgrind ]; then
    # Release optimisation with symbols, so that the profile names functions
    # and lines of the same code that the timings measure.
    build=$root/build-prof
    echo "== building profiled vorn in $build"
    config=(-DCMAKE_BUILD_TYPE=Release -DVORN_TESTS=OFF -DCMAKE_CXX_FLAGS=-g -DCMAKE_C_FLAGS=-g)
else
    echo "== building Release vorn in $build"
    config=(-DCMAKE_BUILD_TYPE=Release -DVORN_TESTS=OFF)
fi
if ! { cmake -S "$root" -B "$build" "${config[@]}" &&
    cmake --build "$build" -j2 --target vorn; } >"$out/build.log" 2>&1; then
    tail -30 "$out/build.log" >&2
    echo "!! build failed (full log: $out/build.log)" >&2
    exit 1
fi
if grep -q 'warning:' "$out/build.log"; then
    echo "   build warnings: $(grep -c 'warning:' "$out/build.log") (see $out/build.log)"
fi
vorn=$build/vorn
g++ -std=c++20 "${cflags[@]}" -o "$out/gen" "$here/gen.cpp"
gcc "${cflags[@]}" -o "$out/floor" "$here/floor.c"
gcc "${cflags[@]}" -o "$out/runstat" "$here/runstat.c"

# gen N: writes s<N>.s into $out (the name the listing and line-info show)
gen() {
    "$out/gen" "$seed" "$1" >"$out/s$1.s" 2>"$out/gen$1.log"
    sed 's/^gen: /   /' "$out/gen$1.log"
}

# runvorn SRC: one run in $out; leaves "WALL KIB STATUS CPU" in $out/stat
runvorn() {
    (cd "$out" && rm -f tok fb sym info diag lst &&
        ./runstat "$vorn" - tok fb sym info diag lst out "$1" >vorn.stdout 2>stat)
}
runfloor() {
    (cd "$out" && ./runstat ./floor "$1" flst finfo ftok 2>stat)
}

# check SRC: fails loudly unless the last vorn run was clean
check() {
    local st
    st=$(awk '{print $3}' "$out/stat")
    if [ "$st" != 0 ] || [ -s "$out/diag" ]; then
        echo "!! vorn status $st on $1; first diagnostics:" >&2
        head -20 "$out/diag" >&2 2>/dev/null || true
        head -5 "$out/vorn.stdout" >&2 2>/dev/null || true
        exit 1
    fi
}

if [ $mode = callgrind ]; then
    n=20000
    echo "== generating $n lines"
    gen $n
    echo "== callgrind"
    st=0
    (cd "$out" && rm -f tok fb sym info diag lst &&
        valgrind --tool=callgrind --callgrind-out-file=callgrind.out \
            "$vorn" - tok fb sym info diag lst out "s$n.s" >vorn.stdout 2>valgrind.log) || st=$?
    if [ "$st" != 0 ] || [ -s "$out/diag" ]; then
        echo "!! vorn status $st under callgrind; first diagnostics:" >&2
        head -20 "$out/diag" >&2 2>/dev/null || true
        exit 1
    fi
    callgrind_annotate --auto=no "$out/callgrind.out" 2>/dev/null |
        awk '/PROGRAM TOTALS/ { on = 1 } on && n < 32 { print; n++ }'
    # Instruction counts do not depend on the machine's load: the floor
    # under the same tool gives a steady (user-space only) ratio.
    (cd "$out" && valgrind --tool=callgrind --callgrind-out-file=callgrind.floor \
        ./floor "s$n.s" flst finfo ftok 2>valgrind-floor.log)
    vi=$(awk '/^summary:/ { print $2 }' "$out/callgrind.out")
    fi=$(awk '/^summary:/ { print $2 }' "$out/callgrind.floor")
    echo
    awk -v v="$vi" -v f="$fi" 'BEGIN {
        printf "instructions on %s lines: vorn %d, floor %d, ratio %.2f\n", "'$n'", v, f, v / f }'

    echo
    echo "full profile: callgrind_annotate --auto=yes $out/callgrind.out"
    exit 0
fi

# Timings mean little while other jobs compete for the two cores.
load=$(cut -d' ' -f1 /proc/loadavg)
if awk -v l="$load" 'BEGIN { exit !(l > 0.5) }'; then
    echo "   warning: load average $load, timings will be noisy"
fi

# best-of-N wall and CPU time (seconds), peak RSS (KiB, the largest of the runs)
declare -A fwall fcpu frss vwall vcpu vrss bytes
best() { awk -v a="$1" -v b="${2:-1e9}" 'BEGIN { print (a < b) ? a : b }'; }
for n in $sizes; do
    echo "== $n lines"
    gen $n
    bytes[$n]=$(stat -c %s "$out/s$n.s")
    bw=; bc=; br=0
    for ((i = 0; i < runs; i++)); do
        runfloor "s$n.s"
        read -r w r s c <"$out/stat"
        [ "$s" = 0 ] || { echo "!! floor failed with status $s" >&2; exit 1; }
        bw=$(best "$w" "$bw"); bc=$(best "$c" "$bc")
        [ "$r" -gt "$br" ] && br=$r
    done
    fwall[$n]=$bw; fcpu[$n]=$bc; frss[$n]=$br
    bw=; bc=; br=0
    for ((i = 0; i < runs; i++)); do
        runvorn "s$n.s"
        check "s$n.s"
        read -r w r s c <"$out/stat"
        bw=$(best "$w" "$bw"); bc=$(best "$c" "$bc")
        [ "$r" -gt "$br" ] && br=$r
    done
    vwall[$n]=$bw; vcpu[$n]=$bc; vrss[$n]=$br
    echo "   floor ${fwall[$n]} s, vorn ${vwall[$n]} s (status 0, no diagnostics)"
done

echo
echo "vorn $(cd "$root" && git rev-parse --short HEAD 2>/dev/null || echo '(no commit)'), seed $seed, best of $runs, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-8s %6s %8s %8s %6s %10s %9s %9s %9s %9s\n' \
    lines MB floor_s vorn_s ratio vorn_l/s vorn_MB/s floor_RSS vorn_RSS cpu_ratio
for n in $sizes; do
    awk -v n="$n" -v b="${bytes[$n]}" -v fw="${fwall[$n]}" -v vw="${vwall[$n]}" \
        -v fr="${frss[$n]}" -v vr="${vrss[$n]}" -v fc="${fcpu[$n]}" -v vc="${vcpu[$n]}" 'BEGIN {
        printf "%-8d %6.2f %8.3f %8.3f %6.2f %10.0f %9.2f %6.1fMiB %6.1fMiB %9.2f\n",
            n, b / 1048576, fw, vw, vw / fw, n / vw, b / 1048576 / vw, fr / 1024, vr / 1024,
            (fc > 0) ? vc / fc : 0 }'
done

set -- $sizes
first=$1
last=${!#}
if [ "$first" != "$last" ]; then
    awk -v a="$first" -v b="$last" -v fa="${fwall[$first]}" -v fb="${fwall[$last]}" \
        -v va="${vwall[$first]}" -v vb="${vwall[$last]}" 'BEGIN {
        printf "time growth %d -> %d lines (x%.1f): vorn x%.2f, floor x%.2f\n",
            a, b, b / a, vb / va, fb / fa }'
    awk -v a="$first" -v b="$last" -v va="${vcpu[$first]}" -v vb="${vcpu[$last]}" 'BEGIN {
        printf "cpu growth  %d -> %d lines: vorn x%.2f (user+sys; steadier than wall on a busy machine)\n",
            a, b, (va > 0) ? vb / va : 0 }'
fi
if [ "$sizes" = "200000 800000" ]; then
    echo
    awk -v r="$(awk -v a="${vwall[200000]}" -v b="${fwall[200000]}" 'BEGIN { print a / b }')" \
        -v g="$(awk -v a="${vwall[800000]}" -v b="${vwall[200000]}" 'BEGIN { print a / b }')" \
        -v m="${vrss[800000]}" 'BEGIN {
        printf "goal  vorn/floor at 200k <= 2.5   : %.2f  %s\n", r, (r <= 2.5) ? "met" : "MISSED"
        printf "goal  800k/200k time     <= 4.6   : %.2f  %s\n", g, (g <= 4.6) ? "met" : "MISSED"
        printf "goal  peak RSS at 800k   < 16 MiB : %.1f MiB  %s\n", m / 1024, (m < 16384) ? "met" : "MISSED"
    }'
fi
