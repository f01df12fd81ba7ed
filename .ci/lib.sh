# Sourced by each CI script: strict mode, the repository root, step headers
# that name the release and are timed from the start of the whole run, a
# scratch directory, and the commands the documents show, read from them.
# shellcheck shell=bash disable=SC2034 # the scripts that source it use them
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
: "${CI_START:=$(date +%s)}"
export CI_START
# Debian testing and unstable have no number: they come after every release.
. /etc/os-release
release=${VERSION_ID:-99}
system="${ID^} ${VERSION_ID:-$VERSION_CODENAME}"
step() { printf '\n== %s: %s (at %d s)\n' "$system" "$*" $(($(date +%s) - CI_START)); }
die() { echo "$*" >&2; exit 1; }
# The suite installs and removes packages, and writes under /usr/local: it
# runs only in a root that .ci/root made, and only .ci/run and .ci/root, which
# set on_host, run on the host.
[ -n "${on_host-}" ] || [ -e /etc/sqrt-table-ci-root ] ||
	die "$0 runs in a CI root: bash .ci/root $release bash $0"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints the fenced block that follows the line <!-- NAME --> in FILE, so
# that CI runs what the document shows, not a copy of it: doc FILE NAME.
doc() {
	awk -v mark="<!-- $2 -->" '
		$0 == mark { on = 1; next }
		on && /^```/ { if (fence++) { found = 1; exit } next }
		on && fence { print }
		END { exit !found }' "$1" || die "$1: no block after <!-- $2 -->"
}
# Joins the lines of standard input into one command, with &&.
chain() { awk 'NR > 1 { printf " && " } { printf "%s", $0 } END { print "" }'; }
# The README's run and test commands, and the configure and build they share.
run_cmd=$(doc README.md run)
test_cmd=$(doc README.md test)
build_cmd=${run_cmd% && *}
# Every package, as the README makes them, and the source tarball, as
# RELEASES.md does. RELEASES.md's sums command names the files they make,
# the artifacts: the packages, then the source tarball.
packages_cmd=$({ echo "$build_cmd"; doc README.md packages; doc README.md zip; } | chain)
dist_cmd=$(doc RELEASES.md source)
sums_cmd=$(doc RELEASES.md sums)
read -ra artifacts <<<"${sums_cmd#sha256sum }"
tarball_glob=${artifacts[-1]}
unset 'artifacts[-1]'
# The version is the newest changelog entry's, as the build reads it.
version=$(sed -n '1s/^sqrt-table (\([0-9.]*\)) .*/\1/p' packaging/changelog)
[ -n "$version" ] || die "packaging/changelog: no version in its newest entry"
tarball=${tarball_glob/\*/$version}

# The cross targets that Debian RELEASE runs, as "triplet cpu flags" lines.
targets_of() { awk -v r="$1" '!/^#/ && $2 <= r { $2 = ""; print }' .ci/targets; }
mapfile -t targets < <(targets_of "$release")
# The packages a root of Debian RELEASE is made with, one a line: the tools,
# and each of its targets' compilers.
packages_of() {
	{ sed 's/#.*//' .ci/tools; targets_of "$1" | awk '{ print "g++-" $1 }'; } |
		tr -s ' \t' '\n' | grep . | sort -u
}

# The emulator that the build in DIR runs its programs with, as a CMake list.
emulator_of() { sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$1/CMakeCache.txt"; }

# Checks that building the Ninja build in DIR again, with cmake --build's
# further ARGS, has nothing to do.
built() {
	local again
	again=$(cmake --build "$@")
	[ "$again" = 'ninja: no work to do.' ] ||
		die "a second build of $1 did some work: $again"
}

meter=$PWD/examples/meter
# Builds the example in DIR with cmake's further ARGS, runs its test, and
# checks that a second build has nothing to do.
example() {
	local dir=$1
	shift
	cmake -G Ninja -S "$meter" -B "$dir" "$@" >/dev/null
	cmake --build "$dir"
	ctest --test-dir "$dir" --output-on-failure
	built "$dir"
}
