# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The show's fixed facts as its end-to-end tests know them: captions, box
# titles, the checksums of the message files it writes when they are missing,
# and the matchmaking address (ctest passes VELMORA_MATCHMAKER_URL, from the
# CMake cache variable of that name).

# shellcheck disable=SC2034 # read by the scripts that source this

caption="Velmora  BY Tarsune"
vow_caption="我一定要追到你!!!"

# Box titles: the question and the last plea share one.
question_box=询问
plea_box=询问
matchmaker_box=兴奋
vow_box=奋斗
error_box_title=Velmora

# Button sets and answers as the boxes report them (velmora.boxes).
yes_no_buttons=4
ok_buttons=64
answer_ok=1
answer_yes=6
answer_no=7

default_letter_sha=31d953afa6c7c683ce58a6ffe77ead6c9b5818aff4a64b9dc5b1f310f44c254a
default_declaration_sha=6eaafbd0360470dbf6fb5b66ce14f0cc22318e0a323858c8c11ea9816dcf61fd

matchmaker_url=${VELMORA_MATCHMAKER_URL-}
