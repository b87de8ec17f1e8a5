#!/usr/bin/env bash
# The demo's video rendered in pieces on many machines: the span is cut into pieces of at most
# a minute, GNU parallel renders the missing ones with bin/capture --piece on the hosts given,
# each piece's record is checked (commit, data, renderer, frames), and the pieces are joined
# into one video with the music laid over the whole span once. Run it again after an
# interruption and only the missing pieces are rendered.
set -euo pipefail

usage() {
  cat <<'EOF'
usage: scripts/render-farm.sh [options] OUT.mp4
Renders the demo (or a span of it) in pieces with GNU parallel and joins them into OUT.mp4
(H.264 and AAC). Every host needs this project built at the same commit, in the same folder
as here unless --checkout says otherwise; its data baked (the build does it).

  -S HOSTS            GNU parallel's hosts: ":" is this machine (the default), "2/:" two job
                      slots here, "4/user@box1,8/box2" two more machines (ssh, no password)
  --sshloginfile F    the hosts from a file, one a line
  --checkout DIR      where the project lies on the other hosts (default: its folder here)
  --from T, --to T    the span, in ms or h:m:s,ms (default: the whole demo)
  --size WxH          the picture's size (default: 1920x1080)
  --fps N             frames a second (default: 60)
  --piece T           the longest piece, in ms or h:m:s,ms (default: 0:1:00)
  --work DIR          where the pieces and their records are kept, for a run again after an
                      interruption (default: out/farm-COMMIT-WxH-N)
  --master FILE.mkv   also keep the lossless master (FFV1 and FLAC)
EOF
}

root=$(cd "$(dirname "$0")/.." && pwd)
hosts=(-S :)
checkout=$root
from=0
to=
size=1920x1080
fps=60
piece_len=0:1:00
work=
master=
out=
while [ $# -gt 0 ]; do
  case "$1" in
    -S) hosts=(-S "$2"); shift ;;
    --sshloginfile) hosts=(--sshloginfile "$2"); shift ;;
    --checkout) checkout=$2; shift ;;
    --from) from=$2; shift ;;
    --to) to=$2; shift ;;
    --size) size=$2; shift ;;
    --fps) fps=$2; shift ;;
    --piece) piece_len=$2; shift ;;
    --work) work=$2; shift ;;
    --master) master=$2; shift ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "## ERROR: render-farm: unknown option \"$1\"" >&2; exit 2 ;;
    *) out=$1 ;;
  esac
  shift
done
[ -n "$out" ] || { usage >&2; exit 2; }
fail() { echo "## ERROR: render-farm: $*" >&2; exit 1; }

# "h:m:s,ms" or plain ms as ms.
to_ms() {
  if [[ $1 =~ ^([0-9]+):([0-9]+):([0-9]+)(,([0-9]{1,3}))?$ ]]; then
    local ms=${BASH_REMATCH[5]:-0}
    ms=$(printf '%-3s' "$ms" | tr ' ' 0)
    echo $(( (10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}) * 60000 + 10#${BASH_REMATCH[3]} * 1000 + 10#$ms ))
  elif [[ $1 =~ ^[0-9]+$ ]]; then
    echo $(( 10#$1 ))
  else
    fail "bad time \"$1\""
  fi
}

# The end of the demo: the script's quit event, else the music's end.
demo_end() {
  local quit
  quit=$(awk '$1 == "quit" { print $2; exit }' "$root/data/script/markers.txt" 2>/dev/null || true)
  if [ -n "$quit" ]; then
    to_ms "$quit"
  else
    ffprobe -v error -show_entries format=duration -of csv=p=0 "$root/data/music/pulse55.mp3" |
      awk '{ printf "%d\n", $1 * 1000 }'
  fi
}

command -v parallel >/dev/null || fail "GNU parallel is missing (scripts/install-deps.sh installs it)"
[ -x "$root/bin/capture" ] || fail "bin/capture is missing: build the project first"
from=$(to_ms "$from")
to=$(to_ms "${to:-$(demo_end)}")
[ "$to" -gt "$from" ] || fail "--to must lie after --from"
step=$(to_ms "$piece_len")
[ "$step" -gt 0 ] || fail "--piece must be longer than 0 ms"
commit=$(git -C "$root" describe --always --dirty --abbrev=40 2>/dev/null || echo unknown)
data=$(sha256sum "$root/data/bake_manifest.txt" | cut -d' ' -f1)
work=${work:-$root/out/farm-${commit:0:12}-$size-$fps}
mkdir -p "$work"
work=$(cd "$work" && pwd)
music=$root/data/music/pulse55.mp3

# The pieces: "name from to", each at most step long.
pieces=()
for (( a = from, k = 0; a < to; a += step, k++ )); do
  b=$(( a + step < to ? a + step : to ))
  pieces+=("$(printf 'piece_%03d %d %d' "$k" "$a" "$b")")
done

field() { awk -v key="$1" '$1 == key { $1 = ""; sub(/^ /, ""); print; exit }' "$2"; }

# A piece counts as done when its record, written after its video, names the span, size and
# frame rate asked for. What made it is checked before the join: a piece another checkout
# rendered is refused there, not silently rendered again.
done_piece() {
  local name=$1 a=$2 b=$3 record=$work/$1.mkv.record
  [ -f "$work/$name.mkv" ] && [ -f "$record" ] && [ "$(field span "$record")" = "$a $b" ] &&
    [ "$(field size "$record")" = "$size" ] && [ "$(field fps "$record")" = "$fps" ]
}

todo=()
for p in "${pieces[@]}"; do
  read -r name a b <<<"$p"
  done_piece "$name" "$a" "$b" || todo+=("$p")
done
echo "# render-farm: ${#pieces[@]} pieces of $from to $to ms at $size, $fps fps, commit ${commit:0:12}; ${#todo[@]} to render, the rest kept from an earlier run"

if [ ${#todo[@]} -gt 0 ]; then
  # Each job runs in the host's checkout. On this machine it writes its piece straight into the
  # work folder; elsewhere into the job's folder, from where parallel brings it back.
  job="s=\$SECONDS; if [ \"\$PARALLEL_SSHLOGIN\" = : ]; then w='$work'; else w=\$PWD; fi;"
  job+=" cd '$checkout/bin' && xvfb-run -a -s '-screen 0 1024x768x24' ./capture --size $size"
  job+=" --fps $fps --from {2} --to {3} --piece \"\$w/{1}.mkv\" >\"\$w/{1}.log\" 2>&1 &&"
  job+=" echo \"# render-farm: {1} ({2} to {3} ms) rendered on \$(hostname) in \$((SECONDS - s)) s\""
  eta=()
  [ -t 2 ] && eta=(--eta) # parallel's estimate needs a terminal
  (cd "$work" && printf '%s\n' "${todo[@]}" |
    parallel --colsep ' ' "${hosts[@]}" --retries 3 "${eta[@]}" --joblog "$work/joblog" \
      --workdir ... --return '{1}.mkv' --return '{1}.mkv.record' --return '{1}.log' --cleanup \
      "$job") || fail "pieces failed after three tries each: see $work/*.log and $work/joblog"
fi

# Every piece must agree with this checkout and with its own frames before anything is joined.
renderer=
for p in "${pieces[@]}"; do
  read -r name a b <<<"$p"
  record=$work/$name.mkv.record
  [ -f "$record" ] && [ -f "$work/$name.mkv" ] || fail "$name is missing"
  host=$(field host "$record")
  [ "$(field commit "$record")" = "$commit" ] ||
    fail "$name from $host was rendered at commit $(field commit "$record"), not $commit: remove it to render it again"
  [ "$(field data "$record")" = "$data" ] || fail "$name from $host was rendered from other data"
  [ "$(field span "$record")" = "$a $b" ] || fail "$name from $host covers another span"
  renderer=${renderer:-$(field renderer "$record")}
  [ "$(field renderer "$record")" = "$renderer" ] ||
    fail "$name from $host was drawn by $(field renderer "$record"), not $renderer"
  if ! cmp -s <(awk '$1 == "frame" { print $3 }' "$record") \
      <(ffmpeg -v error -i "$work/$name.mkv" -pix_fmt rgb24 -f framehash -hash sha256 - |
        awk -F', *' '!/^#/ { print $NF }'); then
    fail "$name from $host: its frames are not the frames its record lists"
  fi
done

list=$work/pieces.txt
for p in "${pieces[@]}"; do
  read -r name a b <<<"$p"
  echo "file '$work/$name.mkv'"
done >"$list"
start=$(printf '%d.%03d' $(( from / 1000 )) $(( from % 1000 )))
join=(ffmpeg -hide_banner -loglevel error -nostats -y -f concat -safe 0 -i "$list"
  -ss "$start" -i "$music" -map 0:v:0 -map 1:a:0)
if [ -n "$master" ]; then
  "${join[@]}" -c:v copy -c:a flac -shortest -f matroska "$master.part" && mv "$master.part" "$master"
  echo "# render-farm: lossless master $master"
fi
"${join[@]}" -c:v libx264 -preset veryfast -crf 18 -pix_fmt yuv420p -c:a aac -b:a 192k \
  -shortest -f mp4 "$out.part"
mv "$out.part" "$out"
echo "# render-farm: joined ${#pieces[@]} pieces into $out"
