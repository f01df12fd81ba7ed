# Sourced by each CI script: strict mode, the repository root, step headers
# that name the release and are timed from the start of the whole run, and a
# scratch directory.
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
# Fails unless FILE holds COMMAND as a line of its own, so that the commands
# CI runs are the ones a reader of the README or CONTRIBUTING.md runs.
shows() { grep -qxF "$2" "$1" || die "$1 lacks: $2"; }
readme_has() { shows README.md "$1"; }
# The version project() names, which the changelogs and the names of the
# files the documents show carry too.
version=$(sed -n 's/^project(sqrt-table VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
[ -n "$version" ] || die "CMakeLists.txt: no project() version"
# Puts the version in place of VERSION in the string S: versioned S.
versioned() { printf '%s\n' "${1//VERSION/$version}"; }
# The README's run and test commands.
run_cmd='cmake -S . -B build && cmake --build build --config Release && ./build/Release/sqrt-table'
test_cmd='cmake -S . -B build && cmake --build build --config Release && ctest --test-dir build -C Release --output-on-failure'
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The README's packaging command, then the Windows zip's; RELEASES.md's
# command for the source tarball; and the files they make, the artifacts.
packages_cmd='cmake -S . -B build && cmake --build build --config Release && (cd build && umask 022 && cpack)
cmake --preset mingw && cmake --build --preset mingw && (cd build-mingw && umask 022 && cpack)'
dist_cmd='cmake -S . -B build && cmake --build build --target package_source'
artifacts='build/*.deb build/*.rpm build/*-Linux-*.tar.gz build-mingw/*.zip'
tarball=$(versioned build/sqrt-table-VERSION.tar.gz)
# The cross targets that Debian RELEASE runs, as "triplet cpu flags" lines.
targets_of() { awk -v r="$1" '!/^#/ && $2 <= r { $2 = ""; print }' .ci/targets; }
mapfile -t targets < <(targets_of "$release")
# The packages the suite needs on Debian RELEASE, as "command package..."
# lines: the tools, and each target's compiler.
tools_of() {
	grep -v '^#' .ci/tools
	targets_of "$1" | awk '{ print $1 "-g++ g++-" $1 }'
}

# Checks that building the Ninja build in DIR again, with cmake --build's
# further ARGS, has nothing to do.
built() {
	local again
	again=$(cmake --build "$@")
	[ "$again" = 'ninja: no work to do.' ] ||
		die "a second build of $1 did some work: $again"
}

# Runs Wine as the Windows test presets do: in the prefix DIR, quiet, and
# with no display driver to load: quiet_wine DIR.
quiet_wine() {
	export WINEPREFIX=$1 WINEDEBUG=-all \
		WINEDLLOVERRIDES=winex11.drv,winewayland.drv=d
}

# Configures, builds and tests with the preset NAME, as CONTRIBUTING.md
# says, with cmake's further ARGS when it configures.
preset() {
	local name=$1
	shift
	cmake --preset "$name" "$@"
	cmake --build --preset "$name"
	ctest --preset "$name"
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
