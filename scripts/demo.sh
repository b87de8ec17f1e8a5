#!/usr/bin/env bash
# Set-up and run: builds everything, then starts the demo from bin/. With a
# display the demo asks its start-up question in a dialog; without one it
# runs under Xvfb, letterboxed, for DEMO_SECONDS (default 320) seconds, then
# writes a contact sheet of the whole demo to out/contact-sheet.png.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
cd bin

if [ -z "${SDL_AUDIODRIVER:-}" ] && [ ! -d /dev/snd ] &&
   [ ! -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ] &&
   [ ! -S "${XDG_RUNTIME_DIR:-/nonexistent}/pipewire-0" ]; then
  echo "# demo: no sound device found - playing to SDL's silent 'dummy' audio driver"
  export SDL_AUDIODRIVER=dummy
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./demo
fi

seconds="${DEMO_SECONDS:-320}"
mkdir -p ../out
echo "# demo: no display found - running under xvfb-run for ${seconds} s, answering 'n' (letterbox)"
echo "# demo: the demo's error stream goes to out/demo-stderr.log"
set +e
echo n | xvfb-run -a -s "-screen 0 1024x768x24" \
  timeout -s INT "$seconds" ./demo 2>../out/demo-stderr.log
status=$?
set -e
# Stopped by the time limit: SIGINT makes the demo quit through its tear-down.
if [ "$status" -eq 124 ]; then status=0; fi
if [ "$status" -eq 0 ]; then
  # The virtual clock steps at 5 frames a second: the software renderer draws the
  # heaviest scenes in about a second each, and a sheet needs one frame in 50.
  echo "# demo: rendering a contact sheet of the whole demo (a frame every 10 s) with bin/capture"
  xvfb-run -a -s "-screen 0 1024x768x24" ./capture --letterbox --sheet ../out/contact-sheet.png \
    --every 10000 --fps 5 >../out/capture-stdout.log 2>../out/capture-stderr.log
  echo "# demo: contact sheet written to out/contact-sheet.png"
fi
exit "$status"
