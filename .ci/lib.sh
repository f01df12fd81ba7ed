# Sourced by each CI script: strict mode, the repository's root, timed step
# headers, a scratch directory, and helpers.
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
# The stages install packages and write under /usr/local: only in a root.
[ -n "${on_host-}" ] || [ -e /etc/sqrt-table-ci-root ] ||
	die "$0 runs in a CI root: bash .ci/run $release bash $0"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints the fenced block after the line <!-- NAME --> in FILE: doc FILE NAME.
doc() {
	awk -v mark="<!-- $2 -->" '$0 == mark { on = 1; next }
		on && /^```/ { if (fence++) { found = 1; exit } next }
		on && fence { print }
		END { exit !found }' "$1" || die "$1: no block after <!-- $2 -->"
}
test_cmd=$(doc README.md test)
version=$(sed -n '1s/^sqrt-table (\([0-9.]*\)) .*/\1/p' packaging/changelog)
tarball=build-source/sqrt-table-$version.tar.gz
firmware=(-S examples/firmware -DCMAKE_TOOLCHAIN_FILE="$PWD/examples/firmware/cortex-m3.cmake")
# The README's build, unless a stage before made it.
readme_build() { [ -x build/Release/sqrt-table ] || eval "$test_cmd"; }
# The Linux targets of Debian RELEASE, as "triplet cpu flags" lines.
targets_of() { awk -v r="$1" 'NF && !/^#/ && $2 <= r { $2 = ""; print }' .ci/targets; }
# The emulator the build in DIR runs its programs with, as a CMake list.
emulator_of() { sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$1/CMakeCache.txt"; }
# Catches a second build of DIR, with cmake --build's ARGS, that does work.
built() {
	local out
	out=$(cmake --build "$@" 2>&1) || die "$out"
	! grep -E 'Generating|Building|Linking' <<<"$out" || die "$1 built again"
}
# Runs each line of a document's block as a step: each FILE NAME.
each() {
	doc "$1" "$2" >"$scratch/$2"
	while read -r line; do
		step "${line%% *}"
		eval "$line" </dev/null
	done <"$scratch/$2"
}
