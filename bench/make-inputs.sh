#!/usr/bin/env bash
# Makes (or reuses) the benchmark inputs in bench/data:
#   bytes-heavy.mp4   >= 1 GB of high-bitrate 1080p H.264 + AAC, few packets
#   packet-heavy.mp4  >= 20 minutes of small H.264 video + two AAC tracks,
#                     about 156 000 packets
#   packet-heavy.ts   the same streams in an MPEG transport stream, as TV
#                     recordings and cameras write them
#   many-tracks.mkv   10 minutes of one video, 6 AAC and 10 SubRip tracks
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p data

make_bytes_heavy() {
  local out=data/bytes-heavy.mp4
  [ -s "$out" ] && [ "$(stat -c %s "$out")" -ge 1000000000 ] && return
  echo "making $out (a few minutes)..." >&2
  # Temporal noise keeps the encoder from compressing the picture away, so a
  # fast preset still gives a high bitrate.
  ffmpeg -v error -y \
    -f lavfi -i "testsrc2=size=1920x1080:rate=30,noise=alls=30:allf=t" \
    -f lavfi -i "sine=frequency=440:sample_rate=48000" \
    -t 60 -map 0:v -map 1:a \
    -c:v libx264 -preset ultrafast -qp 32 -g 60 -pix_fmt yuv420p \
    -c:a aac -b:a 192k -ac 2 -movflags +faststart -f mp4 "$out.part"
  mv "$out.part" "$out"
}

make_packet_heavy() {
  local out=data/packet-heavy.mp4
  [ -s "$out" ] && return
  echo "making $out..." >&2
  ffmpeg -v error -y \
    -f lavfi -i "testsrc2=size=160x90:rate=30" \
    -f lavfi -i "sine=frequency=300:sample_rate=48000" \
    -f lavfi -i "sine=frequency=600:sample_rate=48000" \
    -t 1260 -map 0:v -map 1:a -map 2:a \
    -c:v libx264 -preset ultrafast -g 30 -pix_fmt yuv420p \
    -c:a aac -b:a 64k -ac 2 \
    -metadata:s:a:0 language=eng -metadata:s:a:1 language=fra -f mp4 "$out.part"
  mv "$out.part" "$out"
}

# The transport stream carries the packet-heavy file's streams unchanged
# (Annex B video, ADTS audio), so it costs seconds to make.
make_transport_stream() {
  local out=data/packet-heavy.ts
  [ -s "$out" ] && return
  echo "making $out..." >&2
  ffmpeg -v error -y -i data/packet-heavy.mp4 -map 0 -c copy -f mpegts "$out.part"
  mv "$out.part" "$out"
}

# One cue every two seconds, numbered, in SubRip form.
write_subtitles() {  # seconds file
  awk -v seconds="$1" 'function stamp(s) { return sprintf("%02d:%02d:%02d,000", s / 3600, s % 3600 / 60, s % 60) }
    BEGIN { for (i = 0; 2 * i < seconds; i++) printf "%d\n%s --> %s\nline %d\n\n", i + 1, stamp(2 * i), stamp(2 * i + 1), i + 1 }' >"$2"
}

make_many_tracks() {
  local out=data/many-tracks.mkv seconds=600 subtitles=data/many-tracks.srt
  [ -s "$out" ] && return
  echo "making $out..." >&2
  write_subtitles "$seconds" "$subtitles"
  local inputs=(-f lavfi -i "testsrc2=size=160x90:rate=30") maps=(-map 0:v) languages=(eng fra deu spa ita jpn)
  for ((a = 0; a < 6; a++)); do
    inputs+=(-f lavfi -i "sine=frequency=$((200 + 100 * a)):sample_rate=48000")
    maps+=(-map "$((a + 1)):a" "-metadata:s:a:$a" "language=${languages[a]}")
  done
  for ((s = 0; s < 10; s++)); do
    inputs+=(-i "$subtitles")
    maps+=(-map "$((s + 7)):s" "-metadata:s:s:$s" "language=${languages[s % 6]}")
  done
  ffmpeg -v error -y "${inputs[@]}" -t "$seconds" "${maps[@]}" \
    -c:v libx264 -preset ultrafast -g 30 -pix_fmt yuv420p \
    -c:a aac -b:a 64k -ac 2 -c:s srt -f matroska "$out.part"
  mv "$out.part" "$out"
  rm -f "$subtitles"
}

make_bytes_heavy
make_packet_heavy
make_transport_stream
make_many_tracks
ls -l data/*.mp4 data/*.ts data/*.mkv >&2
