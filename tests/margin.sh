#!/bin/sh
# Rounds entries 1 to 254 in exact arithmetic (bc at 40 digits, apart from
# any C library), with the gain as the double the program multiplies by, and
# prints their fields as the program writes them. Fails if an entry lies
# within 5e-5 of a half-integer: short of that, any log10 accurate to about
# one part in a million rounds every entry the same way.
BC_LINE_LENGTH=0 bc -lq <<'END' | {
define trunc(x) {
	auto s
	s = scale; scale = 0; x /= 1; scale = s
	return x
}
scale = 40
g = 4.1555499999999998550492819049395620822906494140625
m = 1
for (i = 1; i <= 254; i++) {
	v = 10 * l(i) / l(10) * g
	print trunc(v + 0.5), ","
	d = v - trunc(v) - 0.5
	if (d < 0) d = -d
	if (d < m) { m = d; k = i }
}
c = (m < 0.00005)
scale = 12
print "\n", k, " 0", m / 1, " ", c, "\n"
quit
END
	read -r table && read -r entry margin close || exit 1
	echo "closest to a half-integer: entry $entry, by $margin" >&2
	[ "$close" -eq 0 ] || exit 1
	printf '%s' "$table"
}
