#!/usr/bin/env bash
# Takes the README's picture of the main window: vanta-sim and vanta-manager
# under a virtual X server (Xvfb), the screen grabbed once the LEDs show.
#   scripts/screenshot.sh [OUTPUT.png]     default docs/main-window.png
# Needs xvfb, x11-apps (xwd) and imagemagick (installed when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
out=${1:-"$root/docs/main-window.png"}
source "$root/scripts/host-files.sh"

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xwd >/dev/null || need+=(x11-apps)
command -v convert >/dev/null || need+=(imagemagick)
if ((${#need[@]})); then
    sudo=(); [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[[ -x "$build_dir/src/vanta-manager" ]] || "$root/scripts/build.sh" "$build_dir"

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x400x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)

"$build_dir/tools/sim/vanta-sim" --listen 127.0.0.1:0 >"$work/banner" &
pids+=($!)
hostport=$(vanta_sim_banner "$work/banner" "${pids[-1]}")
hostport=${hostport#udp:}
[[ -n "$hostport" ]] || { echo "screenshot: vanta-sim did not start" >&2; exit 1; }
vanta_host_files "$work" 127.0.0.1 "${hostport##*:}"
(cd "$work" && DISPLAY=$display VANTA_REGISTRY="$work/registry.ini" QT_QPA_PLATFORM=xcb \
    "$build_dir/src/vanta-manager" /I127.0.0.1 /Rvesper /Wlantern) &
pids+=($!)
sleep 4  # the first LED poll and its blinking are over by then
mkdir -p "$(dirname "$out")"
DISPLAY=$display xwd -root -silent | convert xwd:- -trim +repage "$out"
echo "screenshot: $out"
