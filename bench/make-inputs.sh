#!/usr/bin/env bash
# Makes (or reuses) the two benchmark inputs in bench/data:
#   bytes-heavy.mp4   >= 1 GB of high-bitrate 1080p H.264 + AAC, few packets
#   packet-heavy.mp4  >= 20 minutes of small H.264 video + two AAC tracks,
#                     about 170 000 packets
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

make_bytes_heavy
make_packet_heavy
ls -l data/*.mp4 >&2
