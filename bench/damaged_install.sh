#!/usr/bin/env bash
# The full sweep of damaged installations: every data file of the release build (loose files, the
# resource archives and each archive's entries) damaged in each of five ways, one at a time, and the
# game walked through the front end and a hole each time. CTest runs a sample of ten of these cases;
# this runs all of them (about 1,300, some two hours on a quiet machine) at the lowest priority.
#
#   bench/damaged_install.sh [PRESET]        (default release; asan for the sanitizers' view)
#
# Prints a line per case and the counts at the end; the log is kept in build folder's
# damaged_install.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-release}
build=$root/build
[[ $preset == release ]] || build=$root/build-$preset
binary=$build/bin/test_damage
if [[ ! -x $binary ]]; then
    echo "$binary is not built: cmake --build --preset $preset -j2" >&2
    exit 1
fi
cd "$build/tests/damage"
# At the lowest priority a run may wait long for the processor: ten minutes before it counts as hung.
VELMORA_DAMAGE_CASES=all VELMORA_DAMAGE_TIMEOUT=600 VELMORA_HEADLESS=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    nice -n 19 "$binary" 2>&1 | tee "$build/damaged_install.log"
