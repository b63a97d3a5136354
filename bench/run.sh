#!/usr/bin/env bash
# Times corvane-remux against `ffmpeg -map 0 -c copy` and `mkvmerge` on the
# same large inputs, alternating the tools run by run, and prints the median
# wall time, CPU time and peak memory of each with Corvane's ratios to the
# faster peer. Two more rows give the floors Corvane is held against: "copy"
# copies the input with `dd bs=1M` (the same bytes read and written, nothing
# parsed), and "corvane-verify" times corvane-remux --verify, which also
# checks every written packet against the source. Start-up is timed on its
# own: the median of 21 runs of `corvane-remux --version`.
#
#   bash bench/run.sh [RUNS]        (default 5 runs per tool and input)
#
# Needs a built tree (scripts/build.sh). Outputs go to bench/results/, which
# is emptied after every run so that each tool writes a fresh file.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
remux=build/tools/corvane-remux
[ -x "$remux" ] || { echo "build first: bash scripts/build.sh" >&2; exit 2; }
bash bench/make-inputs.sh
mkdir -p bench/results
out=bench/results/out.mkv
timings=$(mktemp)
trap 'rm -f "$timings" "$timings.one" "$out"' EXIT

run_tool() {  # tool input -> appends "tool input wall cpu maxrss_kb"
  local tool=$1 input=$2 stats=$timings.one
  rm -f "$out"
  sync
  local measure=(/usr/bin/time -o "$stats" -f "%e %U %S %M")
  case $tool in
    corvane) "${measure[@]}" "$remux" "$input" "$out" >/dev/null 2>&1 ;;
    corvane-verify) "${measure[@]}" "$remux" --verify "$input" "$out" >/dev/null 2>&1 ;;
    copy) "${measure[@]}" dd if="$input" of="$out" bs=1M status=none ;;
    ffmpeg) "${measure[@]}" ffmpeg -v error -nostdin -y -i "$input" -map 0 -c copy "$out" >/dev/null 2>&1 ;;
    mkvmerge) "${measure[@]}" mkvmerge -q -o "$out" "$input" >/dev/null 2>&1 ;;
  esac
  read -r wall user sys rss <"$stats"
  echo "$tool $(basename "$input") $wall $(awk -v u="$user" -v s="$sys" 'BEGIN{printf "%.2f", u+s}') $rss" >>"$timings"
}

packet_counts() {  # file -> packets per stream, one line
  # A transport stream lists its streams once more under its program.
  ffprobe -v error -count_packets -show_entries stream=index,nb_read_packets -of csv=p=0 "$1" | grep . |
    sort -un | cut -d, -f2 | paste -sd' '
}

for input in bench/data/bytes-heavy.mp4 bench/data/packet-heavy.mp4 bench/data/packet-heavy.ts \
  bench/data/many-tracks.mkv; do
  # One untimed run warms the page cache so every tool reads from memory, and
  # shows that Corvane's output holds every packet of the source.
  rm -f "$out"
  "$remux" "$input" "$out" >/dev/null
  if [ "$(packet_counts "$input")" != "$(packet_counts "$out")" ]; then
    echo "corvane-remux lost packets of $input" >&2
    exit 1
  fi
  for ((i = 0; i < runs; i++)); do
    for tool in corvane copy corvane-verify ffmpeg mkvmerge; do run_tool "$tool" "$input"; done
  done
done

awk -v runs="$runs" '
  function median(list, n,   sorted, i, j, t) {
    for (i = 1; i <= n; i++) sorted[i] = list[i]
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (sorted[j] < sorted[i]) { t = sorted[i]; sorted[i] = sorted[j]; sorted[j] = t }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  { key = $2 SUBSEP $1; n[key]++; wall[key, n[key]] = $3; cpu[key, n[key]] = $4; rss[key, n[key]] = $5; inputs[$2] = 1 }
  END {
    printf "%-18s %-14s %9s %9s %10s\n", "input", "tool", "wall s", "cpu s", "peak MiB"
    for (input in inputs) {
      split("corvane copy corvane-verify ffmpeg mkvmerge", tools, " ")
      for (t = 1; t <= 5; t++) {
        key = input SUBSEP tools[t]
        for (i = 1; i <= n[key]; i++) { w[i] = wall[key, i]; c[i] = cpu[key, i]; r[i] = rss[key, i] }
        mw[tools[t]] = median(w, n[key]); mc[tools[t]] = median(c, n[key]); mr[tools[t]] = median(r, n[key]) / 1024
        printf "%-18s %-14s %9.2f %9.2f %10.1f\n", input, tools[t], mw[tools[t]], mc[tools[t]], mr[tools[t]]
      }
      peer = mw["ffmpeg"] <= mw["mkvmerge"] ? "ffmpeg" : "mkvmerge"
      printf "%-18s corvane / %s (faster peer): wall %.2fx, cpu %.2fx, memory %.2fx\n\n", input, peer,
             mw["corvane"] / mw[peer], mc["corvane"] / (mc[peer] > 0 ? mc[peer] : 0.01), mr["corvane"] / mr[peer]
      printf "%-18s corvane / copy: wall %.2fx\n", input, mw["corvane"] / mw["copy"]
      printf "%-18s corvane --verify / corvane: wall %.2fx, cpu %.2fx\n\n", input,
             mw["corvane-verify"] / mw["corvane"], mc["corvane-verify"] / (mc["corvane"] > 0 ? mc["corvane"] : 0.01)
    }
    printf "median of %d runs per tool and input, hot cache, tools alternating\n", runs
  }' "$timings"

# Start-up: a run that loads the program and its libraries and does nothing.
for ((i = 0; i < 21; i++)); do
  start=$EPOCHREALTIME
  "$remux" --version >/dev/null
  echo "$start $EPOCHREALTIME"
done | awk '{ ms[NR] = ($2 - $1) * 1000 } END {
  for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++) if (ms[j] < ms[i]) { t = ms[i]; ms[i] = ms[j]; ms[j] = t }
  printf "start-up (corvane-remux --version): median %.1f ms of %d runs\n", ms[(NR + 1) / 2], NR }'
