#!/usr/bin/env bash
# The picture against the sound over the whole piece: the sync test's measurement (the demo
# through a private PulseAudio server, its monitor recorded, Space located in the tune) with
# presses at 15, 60, 120, 180, 240 and 265 s of the music. Prints each offset (picture minus
# sound, ms), the drift from the first to the last press, and the underruns the server logged.
# Options: --alsa (through ALSA's PulseAudio plugin instead of the demo's own client),
# --starts N (default 1), --presses LIST (seconds, comma-separated).
set -euo pipefail
cd "$(dirname "$0")/.."

export SYNC_SOUND=pulse SYNC_STARTS=1
presses=15,60,120,180,240,265
while [ $# -gt 0 ]; do
  case "$1" in
    --alsa) SYNC_SOUND=alsa ;;
    --starts) SYNC_STARTS="$2"; shift ;;
    --presses) presses="$2"; shift ;;
    *) echo "usage: bench/sync_bench.sh [--alsa] [--starts N] [--presses S,S,...]" >&2; exit 2 ;;
  esac
  shift
done

SYNC_KEYS=$(echo "$presses" | sed -E 's/([0-9.]+)/space@\1/g')
export SYNC_KEYS

if [ ! -x build/tests/e2e_tests ]; then
  echo "## ERROR: build/tests/e2e_tests not built: run scripts/build.sh first" >&2
  exit 1
fi
xvfb-run -a -s "-screen 0 1024x768x24" build/tests/e2e_tests \
  --gtest_filter='SyncTest.*' | grep -E '^# sync|OK|FAILED|Failure|Which is|^  '
