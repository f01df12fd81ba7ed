# awk -v table=FILE -v closest="ENTRY VALUE MARGIN RELATIVE" -f .ci/facts.awk DOC...
# Checks every number the documents give about the table against the table
# the tests expect, and the margin against the one that tests/margin.sh
# computes in exact arithmetic. A fact is found by its wording, so the
# documents word each one so:
#   entry N reads M                   entry N is the first to read M
#   reads M from entry N on           entries A to B run from X to Y
#   entries 1 to 254 never decrease   N bytes, N fields, N entries
#   -inf,0,13, … ,100,  (an excerpt)  print $F, then the field on the next line
#   within N millionths of a half-integer
#   the closest is entry N, V before rounding
#   below R parts per million
function fail(why) { printf "%s:%d: %s: %s\n", FILENAME, FNR, why, $0; bad = 1 }
function found() { count++ }
# Whether X, written with D decimals, is V truncated (down) or rounded to D.
function decimals(x) { return index(x, ".") ? length(x) - index(x, ".") : 0 }
function truncated(x, v) { return x <= v && v < x + 10 ^ -decimals(x) }
function rounded(x, v) { return sprintf("%." decimals(x) "f", v) == x }
BEGIN {
	getline text <table
	close(table)
	size = length(text)
	n = split(text, f, ",") - 1
	for (i = 0; i < n; i++) t[i] = f[i + 1]
	split(closest, c, " ")
}
# An awk example's output follows the line that runs it.
awkfield { if ($1 != t[awkfield - 1]) fail("field " awkfield " is " t[awkfield - 1]); found(); awkfield = 0 }
{
	line = tolower($0)
	rest = line
	while (match(rest, /entry [0-9]+ reads [0-9]+/)) {
		split(substr(rest, RSTART, RLENGTH), w, " ")
		if (t[w[2]] != w[4]) fail("entry " w[2] " reads " t[w[2]])
		found(); rest = substr(rest, RSTART + RLENGTH)
	}
	if (match(line, /entry [0-9]+ is the first to read [0-9]+/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		if (t[w[2]] != w[8] || t[w[2] - 1] >= w[8]) fail("not so")
		found()
	}
	if (match(line, /reads [0-9]+ from entry [0-9]+ on/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		if (t[w[5] - 1] == w[2]) fail("entry " w[5] - 1 " reads " w[2] " too")
		for (i = w[5]; i < n; i++) if (t[i] != w[2]) fail("entry " i " reads " t[i])
		found()
	}
	if (match(line, /entries [0-9]+ to [0-9]+ run from [0-9]+ to [0-9]+/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		lo = hi = t[w[2]]
		for (i = w[2]; i <= w[4]; i++) { if (t[i] < lo) lo = t[i]; if (t[i] > hi) hi = t[i] }
		if (lo != w[7] || hi != w[9]) fail("they run from " lo " to " hi)
		found()
	}
	if (line ~ /entries 1 to 254 never decrease/) {
		for (i = 2; i < n; i++) if (t[i] < t[i - 1]) fail("entry " i " decreases")
		found()
	}
	if (match(line, /[0-9]+ (bytes|fields|entries)/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		want = w[2] == "bytes" ? size : n
		if (w[1] != want) fail("there are " want " " w[2])
		found()
	}
	if (match($0, /^[0-9]+ sqrt\.txt$/)) {
		if ($1 != size) fail("sqrt.txt is " size " bytes")
		found()
	}
	if (match($0, /-inf,[0-9,]*, (…|\.\.\.) ,[0-9,]*,/)) {
		split(substr($0, RSTART, RLENGTH), w, / (…|\.\.\.) /)
		if (index(text, w[1]) != 1 || substr(text, size - length(w[2]) + 1) != w[2])
			fail("the table does not start and end so")
		found()
	}
	if (match($0, /print \$[0-9]+ }/)) awkfield = substr($0, RSTART + 7, RLENGTH - 9)
	if (match(line, /within [0-9.]+ millionths of a half-integer/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		if (!truncated(w[2], c[3] * 1e6)) fail("the margin is " c[3])
		found()
	}
	if (match(line, /the closest is entry [0-9]+, [0-9.]+ before rounding/)) {
		split(substr(line, RSTART, RLENGTH), w, /[ ,]+/)
		if (w[5] != c[1] || !rounded(w[6], c[2])) fail("it is entry " c[1] ", " c[2])
		found()
	}
	if (match(line, /below [0-9.]+ parts per million/)) {
		split(substr(line, RSTART, RLENGTH), w, " ")
		if (!truncated(w[2], c[4] * 1e6)) fail("the relative margin is " c[4])
		found()
	}
}
END {
	if (bad) exit 1
	print count " facts about the table, all true"
}
