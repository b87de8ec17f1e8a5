#!/usr/bin/env bash
# Runs the readers' fuzz targets, one after the other, each seeded from the
# baked files of its kind, and prints per reader the executions, the
# coverage reached and the findings. Exits non-zero if any reader has one.
#
#   tests/fuzz/run_fuzz.sh [--time SECONDS | --runs N] [--bin DIR] [--data DIR]
#                          [--work DIR] [READER...]
#
# READER is event_script, midi, mesh, camera_path or image (default: all).
# A finding is a sanitizer report, an input that runs over one second (two for
# MIDI, below), or one that takes more than 256 MB; its input is kept under
# WORK/READER/findings.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
limit=(-max_total_time=20)
bin="$root/build/fuzz"
data="$root/data"
work="$root/build/fuzz/work"
readers=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    --bin) bin="$2"; shift 2 ;;
    --data) data="$2"; shift 2 ;;
    --work) work="$2"; shift 2 ;;
    -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
    *) readers+=("$1"); shift ;;
  esac
done
[ ${#readers[@]} -gt 0 ] || readers=(event_script midi mesh camera_path image)

target_of() {
  case "$1" in
    event_script) echo EventScriptFuzz ;; midi) echo MidiFuzz ;; mesh) echo MeshFuzz ;;
    camera_path) echo CameraPathFuzz ;; image) echo ImageFuzz ;; *) return 1 ;;
  esac
}

seeds_of() {
  case "$1" in
    event_script) find "$data" -name '*.txt' ;; midi) find "$data" -name '*.mid' ;;
    mesh) find "$data" -name '*.bzobj' ;; camera_path) find "$data" -name '*.pth' ;;
    image) find "$data" \( -name '*.jpg' -o -name '*.png' \) ;;
  esac
}

# Inputs up to this long: the readers' every branch shows in a few
# kilobytes, and short inputs keep each reader at thousands of runs a second.
# One second makes a hang, but the largest MIDI file the reader takes by design
# (a beat every 10 ms for an hour: 360 000 events) needs 0.6 s under the
# sanitizers alone and crossed one second while both cores were busy.
timeout_of() {
  case "$1" in midi) echo 2 ;; *) echo 1 ;; esac
}

max_len_of() {
  case "$1" in midi) echo 2048 ;; mesh) echo 8192 ;; image) echo 16384 ;; *) echo 4096 ;; esac
}

# A small quarantine, so that freed memory ASan holds back does not count
# against the readers' 256 MB.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=10}"

failed=0
for reader in "${readers[@]}"; do
  if ! target="$(target_of "$reader")"; then
    echo "## ERROR: no reader called $reader" >&2; failed=1; continue
  fi
  dir="$work/$reader"
  rm -rf "$dir/seeds"
  mkdir -p "$dir/corpus" "$dir/seeds" "$dir/findings"
  seeds_of "$reader" | while read -r f; do cp "$f" "$dir/seeds/"; done
  if [ "$reader" = camera_path ] && [ -z "$(ls "$dir/seeds")" ]; then
    printf '(1,2,3)(4,5,6)(0,0,1)\n' >"$dir/seeds/one_key.pth" # until a path is baked
  fi
  before=$(ls "$dir/findings" | wc -l)
  "$bin/$target" "${limit[@]}" -max_len="$(max_len_of "$reader")" -timeout="$(timeout_of "$reader")" -rss_limit_mb=256 -malloc_limit_mb=256 \
    -print_final_stats=1 -close_fd_mask=1 -artifact_prefix="$dir/findings/" \
    "$dir/corpus" "$dir/seeds" >"$dir/log" 2>&1
  code=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/log" | tail -1)
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$dir/log" | tail -1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$dir/log" | tail -1)
  corpus=$(ls "$dir/corpus" | wc -l)
  found=$(( $(ls "$dir/findings" | wc -l) - before ))
  echo "# fuzz $reader: ${runs:-0} executions (${speed:-0}/s, peak ${rss:-?} MB)," \
       "coverage ${cov:-none} (cov: edges, ft: features), corpus $corpus, findings $found"
  if [ "$code" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed=1
    echo "## ERROR: $reader: fuzzer ended with $code; log $dir/log" >&2
    grep -m3 -E '^==[0-9]+==|^SUMMARY|ERROR: libFuzzer' "$dir/log" >&2
  fi
done
exit $failed
