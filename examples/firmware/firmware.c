/* Prints the generated table as one line, for the test to compare. */
#include <stdio.h>

/* Only the include path's, never a stray level.h beside this file. */
#include <level.h>

int
main(void)
{
	for (size_t i = 0; i < sizeof level / sizeof level[0]; i++)
		printf("%d,", level[i]);
	putchar('\n');
	return 0;
}
