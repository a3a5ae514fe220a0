# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh
# Shared by the launchers in /usr/bin; sourced, not run.
#
# The show reads and writes its files beside its own executable, so each user
# runs a copy of it from a folder of their own, ~/Velmora, where the two
# message files they edit live as well.

# velmora_fail MESSAGE: says what went wrong on stderr and, when started from
# a menu where nobody sees stderr, in a desktop notification.
velmora_fail() {
    printf 'velmora: %s\n' "$1" >&2
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v notify-send >/dev/null 2>&1; then
        notify-send --app-name=Velmora --icon=velmora "Velmora" "$1" >/dev/null 2>&1 || :
    fi
    return 1
}

# velmora_folder: prints the user's show folder.
velmora_folder() {
    if [ -z "${HOME:-}" ]; then
        velmora_fail "HOME is not set, so there is no home folder to keep the show in."
        return 1
    fi
    printf '%s\n' "${HOME%/}/Velmora"
}

# velmora_prepare FOLDER PROGRAM: creates FOLDER when missing and puts PROGRAM
# into it as "velmora" when the copy there is missing or older. The copy keeps
# PROGRAM's time stamp, so an upgraded package brings a newer program while a
# newer one the user put there is left alone. The preparer's own music, film and
# pictures carried by the older copy are carried over to the new one by the
# editor installed beside PROGRAM; should that fail, the older copy stays.
# Nothing else in FOLDER is touched.
velmora_prepare() {
    _folder=$1
    _program=$2
    _target=$_folder/velmora

    if [ ! -d "$_folder" ]; then
        if [ -e "$_folder" ] || [ -L "$_folder" ]; then
            velmora_fail "$_folder exists but is not a folder. Rename or move it, and the show will make its folder there."
            return 1
        fi
        if ! mkdir -p -- "$_folder" 2>/dev/null; then
            velmora_fail "Cannot create the show folder $_folder: your home folder is not writable."
            return 1
        fi
    fi
    if [ -d "$_target" ]; then
        velmora_fail "$_target is a folder; the show needs that name for its program. Rename or move it."
        return 1
    fi
    if [ ! -r "$_program" ]; then
        velmora_fail "The installed program $_program is missing; reinstall the velmora package."
        return 1
    fi
    # shellcheck disable=SC3013 # -ot is in the test of dash, Debian's /bin/sh, and of bash
    if [ -f "$_target" ] && [ -x "$_target" ] && ! [ "$_target" -ot "$_program" ]; then
        return 0
    fi

    # A program copied halfway must never be started: copy to a temporary name
    # in the same folder, then rename it over the old one in one step.
    if ! _temp=$(mktemp "$_folder/.velmora.XXXXXX" 2>/dev/null); then
        velmora_fail "Cannot write into the show folder $_folder."
        return 1
    fi
    trap 'rm -f -- "$_temp"; exit 130' HUP INT TERM
    if cp -- "$_program" "$_temp" 2>/dev/null; then
        if [ -f "$_target" ] \
            && ! "$(dirname -- "$_program")/velmora-editor" --carry-over "$_target" "$_temp" >/dev/null; then
            rm -f -- "$_temp"
            trap - HUP INT TERM
            printf 'velmora: %s\n' "Could not carry your own music, film and pictures over to the new program (is the disk full?); the older program stays in $_folder." >&2
            return 0
        fi
        if touch -r "$_program" -- "$_temp" && chmod 0755 -- "$_temp" \
            && mv -f -T -- "$_temp" "$_target"; then
            trap - HUP INT TERM
            return 0
        fi
    fi
    rm -f -- "$_temp"
    trap - HUP INT TERM
    velmora_fail "Could not copy the program into $_folder (is the disk full?)."
    return 1
}
