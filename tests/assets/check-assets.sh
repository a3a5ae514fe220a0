#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the committed media in resources/ against what the program and its
# players expect. Needs ffprobe (ffmpeg) and identify (imagemagick).
# usage: check-assets.sh [REPO_ROOT]
set -uo pipefail
export LC_ALL=C

root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
res=$root/resources
passed=0
failed=0

check() {    # check NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok   $1"
        passed=$((passed + 1))
    else
        echo "FAIL $1: expected '$2', got '$3'"
        failed=$((failed + 1))
    fi
}

within() {   # within NAME LOW HIGH VALUE
    if [ -n "$4" ] && awk -v v="$4" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v + 0 >= lo && v + 0 <= hi) }'; then
        echo "ok   $1 ($4)"
        passed=$((passed + 1))
    else
        echo "FAIL $1: '$4' not within $2..$3"
        failed=$((failed + 1))
    fi
}

hexat() {    # hexat FILE OFFSET COUNT: bytes as one lower-case hex string
    od -An -tx1 -j "$2" -N "$3" "$1" 2>/dev/null | tr -d ' \n'
}

probe() {    # probe FILE STREAM ENTRY
    ffprobe -v error -select_streams "$2" -show_entries "stream=$3" -of default=nw=1:nk=1 "$1" 2>/dev/null | head -n1
}

for cmd in ffprobe identify; do
    command -v "$cmd" >/dev/null || { echo "FAIL $cmd is not installed"; echo "0 passed, 1 failed"; exit 1; }
done

# --- pictures
image() {    # image FILE FORMAT WIDTH HEIGHT
    check "$(basename "$1") is $2 $3x$4" "$2 $3 $4" \
        "$(identify -format '%m %w %h\n' "$1" 2>/dev/null | head -n1)"
}
image "$res/background.jpg" JPEG 800 500
image "$res/walking-figure.jpg" JPEG 100 100
image "$res/waiting-figure.jpg" JPEG 100 100
image "$res/cupid-48.png" PNG 48 48
image "$res/icons/cupid-64.png" PNG 64 64
image "$res/icons/cupid-128.png" PNG 128 128
image "$res/icons/cupid-256.png" PNG 256 256
# doubled pictures for screens scaled above 100 %
image "$res/background@2x.jpg" JPEG 1600 1000
image "$res/walking-figure@2x.jpg" JPEG 200 200
image "$res/waiting-figure@2x.jpg" JPEG 200 200
image "$res/cupid-48@2x.png" PNG 96 96
image "$res/icons/cupid-512.png" PNG 512 512
# and four times as large, for the show on a whole screen
image "$res/background@4x.jpg" JPEG 3200 2000
image "$res/walking-figure@4x.jpg" JPEG 400 400
image "$res/waiting-figure@4x.jpg" JPEG 400 400
# a doubled picture is the same drawing: reduced to the normal size it is
# close to the normal picture (a stray or shifted drawing is far off)
same_drawing() {  # same_drawing NORMAL LARGER [PERCENT]
    local rmse
    rmse=$(convert "$2" -resize "${3:-50}%" "$1" -metric RMSE -compare -format '%[distortion]' info: 2>/dev/null)
    within "$(basename "$2") is $(basename "$1") drawn larger" 0 0.06 "$rmse"
}
same_drawing "$res/background.jpg" "$res/background@2x.jpg"
same_drawing "$res/walking-figure.jpg" "$res/walking-figure@2x.jpg"
same_drawing "$res/waiting-figure.jpg" "$res/waiting-figure@2x.jpg"
same_drawing "$res/cupid-48.png" "$res/cupid-48@2x.png"
same_drawing "$res/background.jpg" "$res/background@4x.jpg" 25
same_drawing "$res/walking-figure.jpg" "$res/walking-figure@4x.jpg" 25
same_drawing "$res/waiting-figure.jpg" "$res/waiting-figure@4x.jpg" 25

# the window icon must be plain 24-bit RGB: IHDR bit depth 8, colour type 2
icon=$res/cupid-48.png
check "cupid-48.png is 8-bit truecolour without alpha" "0802" "$(hexat "$icon" 24 2)"
check "cupid-48.png has no transparency chunk" "0" "$(grep -c tRNS "$icon" 2>/dev/null)"
check "cupid-48.png reads as TrueColor" "TrueColor" "$(identify -format '%[type]' "$icon" 2>/dev/null)"
check "cupid-48@2x.png is 8-bit truecolour without alpha" "0802" "$(hexat "$res/cupid-48@2x.png" 24 2)"
check "cupid.svg is an SVG drawing" "1" "$(grep -c '<svg ' "$res/cupid.svg" 2>/dev/null)"

# --- music
mp3=$res/music.mp3
within "music.mp3 lasts 160-162 s" 160 162 "$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$mp3" 2>/dev/null)"
check "music.mp3 codec" "mp3" "$(probe "$mp3" a:0 codec_name)"
check "music.mp3 sample rate" "44100" "$(probe "$mp3" a:0 sample_rate)"
check "music.mp3 bit rate" "128000" "$(probe "$mp3" a:0 bit_rate)"
# frame header: sync + MPEG-1 Layer III without CRC, then 128 kbit/s at 44.1 kHz
check "music.mp3 starts with an MPEG-1 Layer III frame" "fffb90" "$(hexat "$mp3" 0 3)"
mode=$(( 0x$(hexat "$mp3" 3 1) >> 6 ))
check "music.mp3 channel mode is joint stereo" "1" "$mode"
# at 128 kbit/s and 44.1 kHz every frame is 417 or 418 bytes; anything else is VBR
sizes=$(ffprobe -v error -select_streams a:0 -show_entries packet=size -of csv=p=0 "$mp3" 2>/dev/null | sort -u | tr '\n' ' ')
check "music.mp3 is constant bit rate" "417 418 " "$sizes"
check "music.mp3 has no ID3v2 tag" "no" "$([ "$(head -c 3 "$mp3")" = "ID3" ] && echo yes || echo no)"
check "music.mp3 has no ID3v1 tag" "no" "$([ "$(tail -c 128 "$mp3" | head -c 3)" = "TAG" ] && echo yes || echo no)"
check "music.mp3 has no Xing/Info header" "0" "$(head -c 1024 "$mp3" | grep -c -a -E 'Xing|Info|LAME')"

# --- refusal video
avi=$res/refusal.avi
check "refusal.avi is a RIFF AVI" "52494646 41564920" "$(hexat "$avi" 0 4) $(hexat "$avi" 8 4)"
check "refusal.avi video codec" "mpeg4" "$(probe "$avi" v:0 codec_name)"
check "refusal.avi bitmap compression is DX50" "DX50" "$(probe "$avi" v:0 codec_tag_string)"
check "refusal.avi stream handler is DX50" "1" "$(grep -c -a 'vidsDX50' "$avi")"
check "refusal.avi frame size" "1184x744" "$(probe "$avi" v:0 width)x$(probe "$avi" v:0 height)"
check "refusal.avi frame rate" "24000/1001" "$(probe "$avi" v:0 r_frame_rate)"
within "refusal.avi lasts 12.5-13.1 s" 12.5 13.1 "$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$avi" 2>/dev/null)"
within "refusal.avi frame count" 305 309 "$(probe "$avi" v:0 nb_frames)"
check "refusal.avi audio codec" "mp3" "$(probe "$avi" a:0 codec_name)"
check "refusal.avi audio sample rate" "44100" "$(probe "$avi" a:0 sample_rate)"
check "refusal.avi audio channels" "2" "$(probe "$avi" a:0 channels)"
check "refusal.avi audio bit rate" "128000" "$(probe "$avi" a:0 bit_rate)"
# the legacy index follows right after the LIST movi chunk
movi=$(grep -obUa movi "$avi" 2>/dev/null | head -n1 | cut -d: -f1)
idx=""
if [ -n "$movi" ]; then
    size=$(od -An -tu4 -j $((movi - 4)) -N 4 "$avi" | tr -d ' ')
    idx=$(hexat "$avi" $((movi + size)) 4)
fi
check "refusal.avi has an idx1 index after its movi list" "69647831" "$idx"
check "refusal.avi probes without complaint" "" "$(ffprobe -v error "$avi" 2>&1)"
if command -v ffmpeg >/dev/null; then
    check "refusal.avi decodes to the end without errors" "" "$(ffmpeg -nostdin -v error -i "$avi" -f null - 2>&1)"
    check "music.mp3 decodes to the end without errors" "" "$(ffmpeg -nostdin -v error -i "$mp3" -f null - 2>&1)"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
