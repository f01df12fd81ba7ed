/*
 * A level meter: a linear reading from 0 to 254, such as a power, shown on
 * the table's scale of 0 to 100 and as a bar of ten LEDs. The build made
 * sqrt.txt in a folder of its own; "sqrt.txt" would take a stray file
 * beside this one first.
 */
#include <stdio.h>

/* Entry 0 is -inf, the logarithm of zero: a reading of 0 shows as 0. */
#define inf 0
static const unsigned char level[255] = {
#include <sqrt.txt>
};
#undef inf

int
main(void)
{
	static const struct {
		int reading, level;
	} known[] = {{0, 0}, {1, 0}, {2, 13}, {10, 42}, {16, 50}, {100, 83},
	    {108, 84}, {109, 85}, {247, 99}, {248, 100}, {254, 100}};
	int bad = 0;

	for (size_t k = 0; k < sizeof known / sizeof known[0]; k++) {
		int reading = known[k].reading, lit = level[reading] / 10;

		printf("reading %3d: level %3d [%.*s%.*s]\n", reading,
		    level[reading], lit, "##########", 10 - lit, "..........");
		if (level[reading] != known[k].level) {
			fprintf(stderr, "meter: reading %d: level %d, not %d\n",
			    reading, level[reading], known[k].level);
			bad = 1;
		}
	}
	return bad;
}
