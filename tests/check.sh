#!/bin/sh
# One black-box case in a scratch directory: check.sh CASE PROGRAM [EMULATOR...]
# Exit status 77 tells CTest the case cannot run on this machine.
set -u
case=$1 prog=$2
shift 2
emu=$*
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

fail() { echo "FAIL: $case: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
run() { $emu "$prog" "$@" >out 2>err; }

# Computed apart from the program, through natural logarithms: no entry lies
# within 5e-5 of a half-integer, so any double arithmetic rounds it alike.
awk 'BEGIN { printf "-inf,"; for (i = 1; i <= 254; i++)
	printf "%.0f,", 10 * log(i) / log(10) * 4.15555 }' >expected
case $(cat expected) in
"-inf,0,13,20,25,29,32,35,38,40,42,"*",99,100,100,100,100,100,100,100,") ;;
*) fail "awk computed a wrong table" ;;
esac

wrote_table() {
	[ "$1" -eq 0 ] || fail "exit status $1"
	if [ -s out ] || [ -s err ]; then fail "printed: $(cat out err)"; fi
	cmp sqrt.txt expected || fail "sqrt.txt is not the table"
}
refused() {
	[ "$1" -eq 1 ] || fail "exit status $1, not 1"
	[ ! -s out ] || fail "printed on standard output: $(cat out)"
	tr -d '\r' <err >msg # Wine ends its lines in CRLF
	[ "$(wc -l <msg)" -eq 1 ] && grep -q "^sqrt-table: sqrt\.txt: $2" msg ||
		fail "message: $(cat msg)"
}

case $case in
table)
	run; wrote_table $? ;;
rerun)
	awk 'BEGIN { while (n++ < 300) printf "stale," }' >sqrt.txt
	echo input | run -o other.txt --help; wrote_table $?
	run </dev/null; wrote_table $? ;;
directory)
	mkdir sqrt.txt
	run; refused $? '[^ ]'
	rmdir sqrt.txt || fail "the directory was changed" ;;
full-disk)
	[ -c /dev/full ] || skip "needs /dev/full"
	ln -s /dev/full sqrt.txt
	run; refused $? 'No space left on device$' ;;
close)
	# A failed close is reported, but never in place of an earlier failure.
	command -v strace >/dev/null || skip "needs strace"
	[ -c /dev/full ] || skip "needs /dev/full"
	# LeakSanitizer cannot work under ptrace; the other cases run it.
	export ASAN_OPTIONS=detect_leaks=0
	fails="strace -qq -f -o /dev/null -e inject=close:error=EIO -P" real=$emu
	emu="$fails $PWD/sqrt.txt $real"
	run; refused $? 'Input/output error$'
	ln -sf /dev/full sqrt.txt
	emu="$fails /dev/full $real"
	run; refused $? 'No space left on device$' ;;
*)
	fail "no such case" ;;
esac
