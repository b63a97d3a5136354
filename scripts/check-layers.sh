#!/usr/bin/env bash
# Fails when an #include runs up a layer: dependencies point down only (the
# rules are in docs/architecture.md, "Dependencies point down only"). Every
# include names its header from the repository root ("engine/...") or is a
# system header (<QWidget>, <libavformat/avformat.h>), so the first part of
# the name tells where it comes from.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
program='app|engine|ui|links|paths|res|tools'
qt='<Q[A-Za-z]*>|<Qt[A-Za-z]*/'
ffmpeg='<lib(av|sw)[a-z]*/'

# forbid FOLDER WHAT PATTERN [FOLDER TO LEAVE OUT]: no file in FOLDER includes
# a header whose name matches PATTERN.
forbid() {
  local folder=$1 what=$2 pattern=$3 skip=${4:-}
  local found
  found=$(grep -rnE --include='*.h' --include='*.cpp' \
    "^[[:space:]]*#[[:space:]]*include[[:space:]]*(\"($pattern)/|$pattern)" "$folder" |
    { if [ -n "$skip" ]; then grep -v "^$skip/"; else cat; fi } || true)
  if [ -n "$found" ]; then
    echo "$folder must not include $what:"
    echo "$found" | sed 's/^/  /'
    status=1
  fi
}

forbid platform/com "anything above it" "platform/(dshow|win32|afx)|$program|$qt|$ffmpeg"
forbid platform/dshow/core "media filters, Win32, Qt or FFmpeg" "platform/(dshow/media|win32|afx)|$program|$qt|$ffmpeg"
forbid platform/dshow/media "Win32, the framework or Qt" "platform/(win32|afx)|$program|$qt"
forbid platform/win32 "window code, Qt or DirectShow" "platform/(win32/user|afx|dshow)|$program|$qt|$ffmpeg" \
  platform/win32/user
forbid platform/win32/user "the framework, DirectShow or FFmpeg" "platform/(afx|dshow)|$program|$ffmpeg"
forbid platform/afx "DirectShow or FFmpeg" "platform/dshow|$program|$ffmpeg"
forbid platform/allocator "program code" "$program"
forbid engine "window code, Qt, FFmpeg or a front end" \
  "platform/(win32/user|afx|dshow/media)|app|ui|links|paths|res|tools|$qt|$ffmpeg"
forbid res "program code" "app|engine|ui|links|paths|tools"
forbid paths "program code" "app|engine|ui|links|res|tools"
forbid links "the main dialog or the application" "app|ui|tools"
forbid ui "the application or the tools" "app|tools"
forbid app "the tools" "tools"

if [ "$status" -eq 0 ]; then echo "Layers: every include points down."; fi
exit "$status"
