# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks that time the real game's pictures: a display of
# their own when there is none (the script starts again under it), no sound
# device, and `cale`, the library preloaded into the game that notes the
# time of each picture it hands to the display.
racine="$(cd "$(dirname "$0")/.." && pwd)"
cale="$racine/build/bench/libpremiere_image.so"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -n $((400 + RANDOM % 500)) -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
export SDL_AUDIODRIVER=dummy
[ -f "$cale" ] || { echo "$(basename "$0"): build the benchmarks first ($cale)" >&2; exit 1; }
