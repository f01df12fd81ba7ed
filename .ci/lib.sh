# Sourced by each CI script: strict mode, the repository root, step headers
# timed from the start of the whole run, and a scratch directory.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
: "${CI_START:=$(date +%s)}"
export CI_START
step() { printf '\n== %s (at %d s)\n' "$*" $(($(date +%s) - CI_START)); }
die() { echo "$*" >&2; exit 1; }
# Fails unless the README holds COMMAND as a line of its own, so that the
# commands CI runs are the ones a newcomer reads.
readme_has() { grep -qxF "$1" README.md || die "README lacks: $1"; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The cross targets, as "triplet flags" lines.
mapfile -t targets < <(grep -v '^#' .ci/targets)

dimmer=$PWD/examples/dimmer
# Builds the example in DIR with cmake's further ARGS, runs its test, and
# checks that a second build has nothing to do.
example() {
	local dir=$1 again
	shift
	cmake -G Ninja -S "$dimmer" -B "$dir" "$@" >/dev/null
	cmake --build "$dir"
	ctest --test-dir "$dir" --output-on-failure
	again=$(cmake --build "$dir")
	[ "$again" = 'ninja: no work to do.' ] ||
		die "a second build of $dir did some work: $again"
}
