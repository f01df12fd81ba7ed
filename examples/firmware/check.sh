#!/bin/sh
# sh check.sh TABLE FIRMWARE [EMULATOR...]: the firmware prints the table,
# entry 0 as 0, as a line of its own, and exits 0. It runs under EMULATOR,
# or the MESON_EXE_WRAPPER meson test gives, whose semihosting writes to
# its standard error, among qemu's notes.
table=$(cat "$1") || exit 1
want=0,${table#-inf,}
[ "$want" != "0,$table" ] || { echo "$1: not a table" >&2; exit 1; }
# A bare name would be looked up on PATH.
case $2 in /*) firmware=$2 ;; *) firmware=./$2 ;; esac
shift 2
[ -z "${MESON_EXE_WRAPPER-}" ] || eval "set -- $MESON_EXE_WRAPPER"
out=$("$@" "$firmware" 2>&1)
status=$?
printf '%s\n' "$out"
if [ "$status" -ne 0 ] || ! printf '%s\n' "$out" | grep -qxF "$want"; then
	printf 'wanted exit status 0 and the line\n%s\n' "$want" >&2
	exit 1
fi
