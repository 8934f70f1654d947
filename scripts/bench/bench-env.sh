# Sourced by the process benches' scripts: the peer's program, if it can be
# built, and a fresh copy of our program folder as shipped (dist/Tarnwick,
# with its tarnwick.ini and language/), which the runs may write into as a
# user's starts do; it is removed when the script ends.
bench_here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$bench_here/wine-env.sh"
peer=$("$bench_here/bench/peer.sh" || true)
[ -n "$peer" ] || echo "(the peer could not be built: see its build.log under the bench cache)"
shipped=${TARNWICK_DIST:-$bench_here/../dist/Tarnwick}
if [ ! -f "$shipped/Tarnwick.exe" ]; then
  echo "no program folder at $shipped: run make dist first" >&2
  exit 1
fi
program_copy=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-bench.XXXXXX")
trap 'rm -rf "$program_copy"' EXIT
cp -r "$shipped"/. "$program_copy"/
# Wine's drive Z: is the Unix root.
windows_path() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); echo "Z:${p//\//\\}"; }
program_folder=$(windows_path "$program_copy")
