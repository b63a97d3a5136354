#!/usr/bin/env bash
# Builds the demux-and-mux fuzz target with clang into build-fuzz/, makes a
# small seed corpus with the ffmpeg command and fuzzes for the given seconds
# (default 60). Fails when the fuzzer finds a crash, a leak or an input that
# runs longer than five seconds (a spin on damaged data); the
# reproducer is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
dir=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF -DCORVANE_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target demux_mux_fuzzer

seeds="$dir/seeds"
mkdir -p "$seeds" "$dir/corpus" "$dir/artifacts"
video=(-f lavfi -i "testsrc2=size=64x48:rate=10:duration=0.5")
tone=(-f lavfi -i "sine=frequency=440:sample_rate=8000:duration=0.5")
srt="$seeds/subtitles.srt.txt"
chapters="$seeds/chapters.ffmeta.txt"
printf '1\n00:00:00,100 --> 00:00:00,400\nHello\n\n' >"$srt"
printf ';FFMETADATA1\ntitle=Seed\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=250\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=250\nEND=500\ntitle=Two\n' >"$chapters"
printf 'font bytes' >"$dir/font.ttf"
x264=(-c:v libx264 -preset ultrafast -g 5 -bf 2 -pix_fmt yuv420p)
seed() {
  local name="$1"
  shift
  [ -s "$seeds/$name" ] && return
  ffmpeg -y -hide_banner -loglevel error -nostdin "$@" "$seeds/$name"
}
seed h264_aac.mp4 "${video[@]}" "${tone[@]}" "${x264[@]}" -c:a aac -b:a 16k
seed h264_pcm.mov "${video[@]}" "${tone[@]}" "${x264[@]}" -c:a pcm_s16le
seed vp9_opus_subs.webm "${video[@]}" "${tone[@]}" -i "$srt" -map 0 -map 1 -map 2 \
  -c:v libvpx-vp9 -deadline realtime -cpu-used 8 -b:v 50k -c:a libopus -b:a 16k -c:s webvtt
seed subs_chapters_attachment.mkv "${video[@]}" "${tone[@]}" -i "$srt" -i "$chapters" \
  -map 0 -map 1 -map 2 -map_metadata 3 -map_chapters 3 "${x264[@]}" -c:a libopus -b:a 16k -c:s srt \
  -attach "$dir/font.ttf" -metadata:s:t mimetype=application/x-truetype-font
seed mpeg4_mp3.avi "${video[@]}" "${tone[@]}" -c:v mpeg4 -q:v 10 -c:a libmp3lame -b:a 32k
seed h264_ac3.ts "${video[@]}" "${tone[@]}" "${x264[@]}" -c:a ac3 -b:a 64k
seed mpeg2_mp2.mpg "${video[@]}" "${tone[@]}" -c:v mpeg2video -q:v 10 -c:a mp2 -b:a 32k
seed flv1_mp3.flv "${video[@]}" "${tone[@]}" -c:v flv -q:v 10 -c:a libmp3lame -ar 22050 -b:a 32k
seed theora_vorbis.ogg "${video[@]}" "${tone[@]}" -c:v libtheora -q:v 3 -c:a libvorbis -q:a 0
seed wmv2_wma.wmv "${video[@]}" "${tone[@]}" -c:v wmv2 -q:v 10 -c:a wmav2 -b:a 32k
seed tone.mp3 "${tone[@]}" -c:a libmp3lame -b:a 32k
seed tone.wav "${tone[@]}" -c:a pcm_s16le
seed mov_text.mp4 "${video[@]}" -i "$srt" -map 0 -map 1 "${x264[@]}" -c:s mov_text
# The codec families whose descriptions the Matroska muxer parses or copies:
# H.264 and HEVC in both their record (MP4) and start-code (elementary) forms,
# AV1, VP8, ProRes, MJPEG, and the audio and subtitle codecs with a header.
x265=(-c:v libx265 -preset ultrafast -x265-params log-level=none:keyint=5 -pix_fmt yuv420p)
seed hevc_aac.mp4 "${video[@]}" "${tone[@]}" "${x265[@]}" -c:a aac -b:a 16k
seed hevc.hevc "${video[@]}" "${x265[@]}"
seed h264.h264 "${video[@]}" "${x264[@]}"
seed av1_flac.mkv "${video[@]}" "${tone[@]}" -c:v libaom-av1 -cpu-used 8 -b:v 50k -c:a flac
seed vp8_vorbis.webm "${video[@]}" "${tone[@]}" -c:v libvpx -deadline realtime -b:v 50k -c:a libvorbis
seed prores_alac.mov "${video[@]}" "${tone[@]}" -c:v prores -profile:v 0 -c:a alac
seed mjpeg_pcm.avi "${video[@]}" "${tone[@]}" -c:v mjpeg -q:v 10 -c:a pcm_u8
seed ass_eac3.mkv "${video[@]}" "${tone[@]}" -i "$srt" -map 0 -map 1 -map 2 -c:v mpeg4 -c:a eac3 -b:a 64k \
  -c:s ass
seed tone.aac "${tone[@]}" -c:a aac -b:a 16k
seed tone.flac "${tone[@]}" -c:a flac
rm -f "$srt" "$chapters"

log="$dir/fuzz.log"
status=0
"$dir/tests/fuzz/demux_mux_fuzzer" "$dir/corpus" "$seeds" -max_total_time="$seconds" -max_len=65536 \
  -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$dir/artifacts/" 2>&1 | tee "$log" || status=$?
# The last status line says how many inputs ran and what they covered.
grep -E '^#[0-9]+' "$log" | tail -n 1 || true
exit "$status"
