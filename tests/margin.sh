#!/bin/sh
# Entries 1 to 254, rounded by bc at 40 digits with the program's gain. On
# standard error: the entry nearest a half-integer, by how much, and by what
# part of its value. Fails on a tie.
BC_LINE_LENGTH=0 bc -lq <<'END' | {
define trunc(x) {
	auto s
	s = scale; scale = 0; x /= 1; scale = s
	return x
}
scale = 40
g = 4.1555499999999998550492819049395620822906494140625
print "0,"
m = 1
r = 1
for (i = 2; i <= 254; i++) {
	v = 10 * l(i) / l(10) * g
	print trunc(v + 0.5), ","
	d = v - trunc(v) - 0.5
	if (d < 0) d = -d
	if (d < m) { m = d; k = i; w = v }
	if (d / v < r) r = d / v
}
scale = 12
print "\n", k, " ", w / 1, " ", m / 1, " ", r / 1, "\n"
quit
END
	read -r table && read -r entry value margin relative || exit 1
	echo "closest to a half-integer: entry $entry at $value, by $margin, or $relative of its value" >&2
	[ "$margin" != 0 ] || exit 1
	printf '%s' "$table"
}
