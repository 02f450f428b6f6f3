#!/usr/bin/env bash
# Start-up of the module: the time from process start to the first LED
# colours painted from a reply of vanta-sim, side by side with a bare Qt main
# window of the same size that shows and quits (the toolkit's floor). Prints
# both medians and the ratio (targets: first LEDs < 0.5 s, ratio <= 2), then
# the CPU the idle module uses over 30 s.
#
#   bench/startup.sh [BUILD_DIR]   default: build-release/ in the repository
#   environment:  REPS (15)  IDLE_S (30)
set -euo pipefail

source "$(dirname "$0")/agent.sh"
source "$bench_root/scripts/host-files.sh"
build_dir=${1:-"$bench_root/build-release"}
reps=${REPS:-15}
idle_s=${IDLE_S:-30}
[[ "$reps" =~ ^[0-9]+$ && "$reps" -ge 1 && "$reps" -le 100 ]] || fail "bad REPS"
[[ "$idle_s" =~ ^[0-9]+$ && "$idle_s" -ge 1 && "$idle_s" -le 600 ]] || fail "bad IDLE_S"

bench_build_release "$build_dir"
manager="$build_dir/src/vanta-manager"
floor="$build_dir/bench/qt_floor"
sim="$build_dir/tools/sim/vanta-sim"
[[ -x "$manager" && -x "$floor" && -x "$sim" ]] || fail "vanta-manager, qt_floor or vanta-sim not built"

"$sim" --listen 127.0.0.1:0 --state "$work/state" >"$work/banner" 2>"$work/sim.err" &
sim_pid=$!
address=$(vanta_sim_banner "$work/banner" "$sim_pid")
port=${address##*:}
[[ -n "$address" ]] || fail "vanta-sim did not start: $(cat "$work/sim.err")"

# The host's side: a registry file and the device's .cfg file.
vanta_host_files "$work" 127.0.0.1 "$port"
export QT_QPA_PLATFORM=offscreen VANTA_REGISTRY="$work/registry.ini"
cd "$work"
launch=("$manager" /I127.0.0.1 /Rvesper /Wlantern)

# Each program prints the wall clock once its window is painted (the module:
# with the first LED colours of a reply); the time from just before its start
# to that moment is what is compared.
since_start() {  # PROGRAM... ; prints seconds from start to the printed clock
    local t0 out
    t0=$(date +%s%N)
    out=$("$@" 2>/dev/null) || return 1
    awk -v t0="$t0" '/^(first-leds|shown) / { printf "%.4f\n", ($2 - t0) / 1e9 }' <<<"$out"
}

echo "== start-up to the first LED colours: vanta-manager against vanta-sim on port $port"
VANTA_EXIT_AFTER_FIRST_LEDS=1 since_start "${launch[@]}" >/dev/null ||
    fail "vanta-manager did not paint LEDs"
: >"$work/manager.times"
: >"$work/floor.times"
for i in $(seq 1 "$reps"); do
    since_start "$floor" >>"$work/floor.times"
    VANTA_EXIT_AFTER_FIRST_LEDS=1 since_start "${launch[@]}" >>"$work/manager.times" ||
        fail "vanta-manager did not paint LEDs"
done
manager_s=$(median 1 "$work/manager.times")
floor_s=$(median 1 "$work/floor.times")
ratio=$(awk -v a="$manager_s" -v b="$floor_s" 'BEGIN { printf "%.2f", a / b }')
first_ok=$(awk -v s="$manager_s" 'BEGIN { print (s < 0.5) ? "met" : "MISSED" }')
ratio_ok=$(awk -v r="$ratio" 'BEGIN { print (r <= 2) ? "met" : "MISSED" }')
echo "median over $reps runs: vanta-manager ${manager_s} s to the first LEDs painted," \
    "bare Qt window ${floor_s} s to its first paint"
echo "first LEDs < 0.5 s: $first_ok"
echo "RATIO vanta-manager/Qt floor = $ratio (target <= 2: $ratio_ok)"

echo "== idle CPU over ${idle_s} s (LED poll every 3 s)"
"${launch[@]}" >/dev/null 2>&1 &
manager_pid=$!
sleep 3
ticks() { awk '{ print $14 + $15 }' "/proc/$manager_pid/stat"; }
before=$(ticks)
sleep "$idle_s"
after=$(ticks)
kill "$manager_pid" 2>/dev/null || true
wait "$manager_pid" 2>/dev/null || true
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle_s" \
    'BEGIN { printf "idle CPU: %.2f s in %d s (%.2f %%)\n", t / hz, s, 100 * t / hz / s }'

[[ "$first_ok" == met && "$ratio_ok" == met ]]
