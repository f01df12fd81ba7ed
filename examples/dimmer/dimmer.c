/*
 * Dims an LED along the curve: a step from 0 to 254 picks the duty cycle, in
 * percent, from the table that the build generated into sqrt.txt.
 */
#include <stdio.h>

/* Field 0 is -inf, the logarithm of zero; at step 0 the LED is off. */
#define inf 0
static const unsigned char duty[255] = {
#include "sqrt.txt"
};
#undef inf

int
main(void)
{
	static const struct {
		int step, duty;
	} known[] = {{0, 0}, {1, 0}, {2, 13}, {10, 42}, {100, 83},
	    {108, 84}, {109, 85}, {247, 99}, {248, 100}, {254, 100}};
	int bad = 0;

	for (size_t k = 0; k < sizeof known / sizeof known[0]; k++) {
		int step = known[k].step;

		printf("step %d: duty %d%%\n", step, duty[step]);
		if (duty[step] != known[k].duty) {
			fprintf(stderr, "dimmer: step %d: duty %d, not %d\n",
			    step, duty[step], known[k].duty);
			bad = 1;
		}
	}
	return bad;
}
