#include <cerrno>
#include <cmath>
#include <cstdio>

// Entry 0 is log10(0), an infinity: finite-only math would make it undefined.
#if defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__
#error "build without -ffast-math or -ffinite-math-only"
#endif

int
main()
{
	std::FILE *handle = std::fopen("sqrt.txt", "w");

	if (handle == nullptr) {
		std::perror("sqrt-table: sqrt.txt");
		return 1;
	}
	int i;
	for (i = 0; i <= 254; i++) {
		// A level: the ratio i in decibels, 10 log10(i), by the gain.
		// cppcheck-suppress invalidFunctionArg ; log10(0) is meant
		const double sq = std::log10(std::sqrt(i)) * 20.0 * 4.15555;
		if (std::fprintf(handle, "%.0f,", sq) < 0)
			break;
	}
	// The table fits in the stream's buffer, so a full disk shows up only
	// when it is written out. Flush before closing: Windows' fclose can
	// succeed after its own flush failed. After a failed write, nothing is
	// flushed, so that errno still names that failure.
	const bool unwritten =
	    i <= 254 || std::fflush(handle) == EOF || std::ferror(handle) != 0;
	// The close always runs, and may fail too: report the first failure.
	const int err = errno;
	if (std::fclose(handle) == EOF || unwritten) {
		if (unwritten)
			errno = err;
		std::perror("sqrt-table: sqrt.txt");
		return 1;
	}
	return 0;
}
