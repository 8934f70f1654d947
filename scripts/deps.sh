#!/usr/bin/env bash
# Installs the toolchain and builds the third-party libraries Tarnwick links
# against, for x86_64 Windows with MinGW-w64 (posix threads).
#
#   scripts/deps.sh                 install/build whatever is missing
#   scripts/deps.sh --prefix-only   print the install prefix and do nothing else
#
# Everything is cached outside the work tree:
#   $TARNWICK_CACHE (default ~/.cache/tarnwick)
#     src/    Debian source packages (apt-get source)
#     build/  scratch build trees (removed after a successful build)
#     logs/   full output of each step
#     deps/   install prefix: bin/ include/ lib/, one .stamp-<pkg>-<version>
#             per dependency, and deps-ok once everything is in place
#
# A dependency is rebuilt only when its stamp is missing, i.e. when Debian
# ships a new source version or the recipe revision below changes.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
HELPERS=$ROOT/scripts/deps
CACHE=${TARNWICK_CACHE:-$HOME/.cache/tarnwick}
PREFIX=$CACHE/deps

if [[ ${1:-} == --prefix-only ]]; then
	printf '%s\n' "$PREFIX"
	exit 0
elif [[ $# -gt 0 ]]; then
	echo "usage: $0 [--prefix-only]" >&2
	exit 2
fi

SRC=$CACHE/src
BUILD=$CACHE/build
LOGS=$CACHE/logs
JOBS=$(nproc)

# The dependency builds take no settings from the calling environment (or a
# calling make), so the native configure run of sqlite stays native too.
unset CC CXX AR RANLIB NM WINDRES CFLAGS CXXFLAGS CPPFLAGS LDFLAGS MAKEFLAGS MFLAGS MAKELEVEL
TRIPLE=x86_64-w64-mingw32
CC=$TRIPLE-gcc-posix
CXX=$TRIPLE-g++-posix
AR=$TRIPLE-ar
RANLIB=$TRIPLE-ranlib
NM=$TRIPLE-nm
WINDRES=$TRIPLE-windres

# Bump a revision when its recipe changes so the cached build is redone.
declare -A REV=([scite]=1 [sciteregex]=1 [tinyxml]=1 [sqlite3]=1 [ctags]=1 [googletest]=1)

PACKAGES=(
	g++-mingw-w64-x86-64-posix
	wine64
	xvfb
	xauth
	fonts-wqy-microhei
	dpkg-dev
	make
	cmake
	gcab       # writes the cabinets of the updater's tests
	python3-pyftpdlib # and with it python3, whose sqlite3 makes template.mdb
	imagemagick
	# needed by the builds below
	googletest # /usr/src/googletest
	gcc        # native compiler for sqlite's configure
	libc6-dev
	tcl        # tclsh generates the sqlite amalgamation
	file
	psmisc     # fuser, to wait for other apt/dpkg runs
	locales    # zh_CN.UTF-8, see setup_locale
	# readers that check the exported files in the tests
	libxml2-utils             # xmllint
	w3c-sgml-lib              # the XHTML DTDs, for xmllint --valid offline
	unrtf
	qpdf
	poppler-utils             # pdftotext, pdftoppm
	poppler-data              # the CMaps of the PDF export's predefined Chinese font (UniGB-UCS2-H), without which pdftotext gives no Chinese back
	texlive-latex-base        # pdflatex
	texlive-fonts-recommended # T1 Times and Courier
)

say() { printf '[deps] %s\n' "$*" >&2; }
die() { printf '[deps] error: %s\n' "$*" >&2; exit 1; }

SUDO=()
if [[ $EUID -ne 0 ]]; then
	command -v sudo >/dev/null || die "must run as root (or have sudo) to install packages"
	SUDO=(sudo)
fi

# ---------------------------------------------------------------- apt -------

wait_apt_locks() {
	command -v fuser >/dev/null || return 0
	local waited=0
	while "${SUDO[@]}" fuser /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock \
		/var/lib/apt/lists/lock /var/cache/apt/archives/lock >/dev/null 2>&1; do
		if [[ $waited -eq 0 ]]; then say "waiting for another apt/dpkg run to finish"; fi
		waited=1
		sleep 3
	done
}

# apt-get with a wait for the dpkg lock and a few retries.
apt_get() {
	local try
	for try in 1 2 3 4 5; do
		wait_apt_locks
		if "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
			apt-get -o DPkg::Lock::Timeout=600 -q "$@"; then
			return 0
		fi
		say "apt-get $1 failed (try $try), retrying"
		sleep 5
	done
	return 1
}

# Runs "$@" with its output in $LOGS/$1.log; shows the tail if it fails.
logged() {
	local name=$1
	shift
	if ! "$@" >"$LOGS/$name.log" 2>&1; then
		tail -n 40 "$LOGS/$name.log" >&2
		die "$name failed (full log: $LOGS/$name.log)"
	fi
}

has_deb_src() {
	local f
	for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
		[[ -f $f ]] || continue
		if grep -qE '^[[:space:]]*(deb-src[[:space:]]|Types:.*\bdeb-src\b)' "$f"; then return 0; fi
	done
	return 1
}

add_deb_src() {
	local deb822=/etc/apt/sources.list.d/debian.sources
	if [[ -f $deb822 ]]; then
		say "adding deb-src entries (/etc/apt/sources.list.d/tarnwick-src.sources)"
		sed -e '/^[[:space:]]*#/d' -e 's/^Types:.*/Types: deb-src/' "$deb822" |
			"${SUDO[@]}" tee /etc/apt/sources.list.d/tarnwick-src.sources >/dev/null
	elif [[ -f /etc/apt/sources.list ]] && grep -qE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list; then
		say "adding deb-src entries (/etc/apt/sources.list.d/tarnwick-src.list)"
		sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list |
			"${SUDO[@]}" tee /etc/apt/sources.list.d/tarnwick-src.list >/dev/null
	else
		die "no apt source found to derive a deb-src entry from"
	fi
}

missing_packages() {
	local p status
	for p in "${PACKAGES[@]}"; do
		status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
		[[ $status == installed ]] || printf '%s\n' "$p"
	done
}

setup_apt() {
	local need_update=0 missing
	if ! has_deb_src; then
		add_deb_src
		need_update=1
	elif [[ -z $(apt-cache showsrc --only-source scite 2>/dev/null | head -n 1) ]]; then
		need_update=1 # deb-src configured but its index was never fetched
	fi
	mapfile -t missing < <(missing_packages)
	if [[ ${#missing[@]} -gt 0 || $need_update -eq 1 ]]; then
		say "apt-get update"
		logged apt-update apt_get update
	fi
	if [[ ${#missing[@]} -gt 0 ]]; then
		say "installing: ${missing[*]}"
		logged apt-install apt_get install -y "${missing[@]}"
	fi
}

# Wine takes code page 936 from LC_ALL=zh_CN.UTF-8, but it converts file
# names through the host's locale: without it a Chinese file name cannot be
# created or opened.
setup_locale() {
	locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
	say "generating the zh_CN.UTF-8 locale"
	logged localedef "${SUDO[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# Newest version of source package $1 that apt knows about.
src_version() {
	local best='' v
	while read -r v; do
		if [[ -z $best ]] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
	done < <(apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p')
	[[ -n $best ]] || die "apt knows no source package '$1'"
	printf '%s\n' "$best"
}

# Unpacks source package $1 at version $2 under $SRC once; prints its directory.
fetch_src() {
	local pkg=$1 ver=$2 up
	up=${ver#*:}
	up=${up%-*}
	local dir=$SRC/$pkg-$up marker=$SRC/.fetched-$pkg-${ver//:/_}
	if [[ ! -f $marker || ! -d $dir ]]; then
		say "fetching source $pkg $ver"
		rm -rf "$SRC/$pkg"-* "$SRC/$pkg"_* "$SRC/.fetched-$pkg-"*
		# As root apt warns that it downloads unsandboxed; that is harmless.
		# shellcheck disable=SC2016
		logged "fetch-$pkg" bash -c 'cd "$1" && apt-get source "$2=$3"' _ "$SRC" "$pkg" "$ver"
		[[ -d $dir ]] || die "apt-get source $pkg did not produce $dir"
		touch "$marker"
	fi
	printf '%s\n' "$dir"
}

# ------------------------------------------------------------- stamps -------

stamp_file() { printf '%s/.stamp-%s-%s' "$PREFIX" "$1" "${2//:/_}"; }
stamp_text() { printf 'version=%s recipe=%s\n' "$2" "$3"; }
stamp_ok() { [[ -f $(stamp_file "$1" "$2") && $(cat "$(stamp_file "$1" "$2")") == "$(stamp_text "$@")" ]]; }
stamp_write() {
	rm -f "$PREFIX/.stamp-$1-"*
	stamp_text "$@" >"$(stamp_file "$1" "$2")"
}

need_symbols() { # archive symbol...
	local lib=$1 sym defined
	shift
	defined=$("$NM" -g --defined-only "$lib")
	for sym in "$@"; do
		grep -qE "[[:space:]]$sym\$" <<<"$defined" || die "$lib does not define $sym"
	done
}

# Compiles sources in parallel into out-dir (object names must be unique).
compile_all() { # compiler out-dir flags... -- sources...
	local cc=$1 out=$2 flags=()
	shift 2
	while [[ $1 != -- ]]; do flags+=("$1"); shift; done
	shift
	# shellcheck disable=SC2016
	printf '%s\n' "$@" | xargs -P "$JOBS" -I{} sh -c \
		'out=$1 cc=$2 src=$3; shift 3; echo "$cc $src"; exec "$cc" "$@" -c "$src" -o "$out/$(basename "${src%.*}").o"' \
		sh "$out" "$cc" {} "${flags[@]}"
}

# ------------------------------------------------------------- builds -------

# Scintilla (static, Win32 platform layer) and Lexilla, both from the scite
# source package.
build_scite() {
	local dir=$1 ver=$2 b=$BUILD/scite
	rm -rf "$b" && mkdir -p "$b/scintilla" "$b/lexilla"

	# Upstream makefiles, with objects and archives redirected to $b.
	make -C "$dir/scintilla/win32" -j"$JOBS" \
		DIR_O="$b/scintilla" DIR_BIN="$b/scintilla" \
		CXX="$CXX" AR="$AR" RANLIB="$RANLIB" WINDRES="$WINDRES" \
		CXX_BASE_FLAGS="-std=c++17 -O2" \
		"$b/scintilla/libscintilla.a"
	"$CXX" -std=c++17 -O2 -DNDEBUG \
		-I "$dir/scintilla/include" -I "$dir/scintilla/src" -I "$dir/scintilla/win32" \
		-c "$HELPERS/ScintillaDirect.cxx" -o "$b/scintilla/ScintillaDirect.o"
	"$AR" rcs "$b/scintilla/libscintilla.a" "$b/scintilla/ScintillaDirect.o"

	# BASE_FLAGS replaces the makefile's own (which assume a Linux .so).
	make -C "$dir/lexilla/src" -j"$JOBS" \
		DIR_O="$b/lexilla" DIR_BIN="$b/lexilla" \
		CXX="$CXX" AR="$AR" RANLIB="$RANLIB" \
		BASE_FLAGS="-std=c++17 -O2" \
		"$b/lexilla/liblexilla.a"

	need_symbols "$b/scintilla/libscintilla.a" \
		Scintilla_RegisterClasses Scintilla_ReleaseResources Scintilla_DirectFunction
	need_symbols "$b/lexilla/liblexilla.a" \
		CreateLexer GetLexerCount GetLexerName GetLexerFactory LexerNameFromID \
		GetLibraryPropertyNames SetLibraryProperty GetNameSpace

	rm -rf "$PREFIX/include/scintilla" "$PREFIX/include/lexilla"
	mkdir -p "$PREFIX/lib" "$PREFIX/include/scintilla" "$PREFIX/include/lexilla/lexlib"
	install -m 644 "$b/scintilla/libscintilla.a" "$b/lexilla/liblexilla.a" "$PREFIX/lib/"
	install -m 644 "$dir"/scintilla/include/*.h "$PREFIX/include/scintilla/"
	install -m 644 "$dir"/lexilla/include/*.h "$PREFIX/include/lexilla/"
	install -m 644 "$dir"/lexilla/lexlib/*.h "$PREFIX/include/lexilla/lexlib/"
	rm -rf "$b"
}

# The headers of the component's own regular-expression engine (RESearch,
# compiled into libscintilla.a), which the editor runs itself so that a long
# search can be stopped. A recipe of its own, beside scite's: only these
# headers are added, so the library is not rebuilt for them, and scite's
# rebuild (which empties include/scintilla) leaves them be.
build_sciteregex() {
	local dir=$1
	mkdir -p "$PREFIX/include/scintilla-internal"
	install -m 644 "$dir"/scintilla/src/{RESearch.h,CharClassify.h,Position.h} "$PREFIX/include/scintilla-internal/"
}

# TinyXML. Debian's patched tinyxml.h forces TIXML_USE_STL on, so the library
# is built with it too; consumers get it from the header.
build_tinyxml() {
	local dir=$1 ver=$2 b=$BUILD/tinyxml defines=(-DTIXML_USE_STL)
	rm -rf "$b" && mkdir -p "$b"
	compile_all "$CXX" "$b" -O2 "${defines[@]}" -- \
		"$dir"/tinyxml.cpp "$dir"/tinystr.cpp "$dir"/tinyxmlerror.cpp "$dir"/tinyxmlparser.cpp
	rm -f "$b/libtinyxml.a"
	"$AR" rcs "$b/libtinyxml.a" "$b"/*.o
	need_symbols "$b/libtinyxml.a" _ZN13TiXmlDocument8LoadFileE13TiXmlEncoding

	rm -rf "$PREFIX/include/tinyxml"
	mkdir -p "$PREFIX/lib" "$PREFIX/include/tinyxml"
	install -m 644 "$b/libtinyxml.a" "$PREFIX/lib/"
	install -m 644 "$dir/tinyxml.h" "$dir/tinystr.h" "$PREFIX/include/tinyxml/"
	printf '%s\n' "${defines[@]}" >"$PREFIX/include/tinyxml/tinyxml_config.txt"
	rm -rf "$b"
}

# SQLite: the amalgamation is generated by a native out-of-tree configure run,
# then compiled with MinGW.
build_sqlite3() {
	local dir=$1 ver=$2 b=$BUILD/sqlite3
	rm -rf "$b" && mkdir -p "$b"
	(cd "$b" && "$dir/configure" --disable-tcl && make -j"$JOBS" sqlite3.c)
	"$CC" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
		-c "$b/sqlite3.c" -o "$b/sqlite3.o"
	"$AR" rcs "$b/libsqlite3.a" "$b/sqlite3.o"
	need_symbols "$b/libsqlite3.a" sqlite3_open_v2 sqlite3_prepare_v2

	mkdir -p "$PREFIX/lib" "$PREFIX/include"
	install -m 644 "$b/libsqlite3.a" "$PREFIX/lib/"
	install -m 644 "$b/sqlite3.h" "$PREFIX/include/"
	rm -rf "$b"
}

# Exuberant Ctags, built in a copy of the source with its MinGW makefile.
# The extra flags let the 2011 sources build with GCC 12.
build_ctags() {
	local dir=$1 ver=$2 b=$BUILD/ctags
	rm -rf "$b" && mkdir -p "$BUILD" && cp -a "$dir" "$b"
	make -C "$b" -f mk_mingw.mak CC="$CC" OPT=-O2 \
		CFLAGS="-Wall -fcommon -include stdio.h -include stdlib.h -include string.h -include ctype.h -static -s" \
		ctags.exe
	file "$b/ctags.exe" | grep -q 'PE32+ executable' || die "ctags.exe is not a PE32+ executable"

	mkdir -p "$PREFIX/bin"
	install -m 755 "$b/ctags.exe" "$PREFIX/bin/"
	rm -rf "$b"
}

# GoogleTest and GoogleMock from Debian's googletest package sources.
build_googletest() {
	local dir=$1 ver=$2 b=$BUILD/googletest toolchain=$ROOT/cmake/mingw-w64-x86_64.cmake
	local cross=()
	if [[ -f $toolchain ]]; then
		cross=(-DCMAKE_TOOLCHAIN_FILE="$toolchain")
	else
		cross=(-DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86_64
			-DCMAKE_C_COMPILER="$CC" -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_RC_COMPILER="$WINDRES"
			-DCMAKE_FIND_ROOT_PATH="/usr/$TRIPLE"
			-DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER
			-DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY
			-DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
			-DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY)
	fi
	rm -rf "$b" "$PREFIX/include/gtest" "$PREFIX/include/gmock" "$PREFIX/lib/cmake/GTest"
	cmake -S "$dir" -B "$b" "${cross[@]}" \
		-DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
		-DCMAKE_CXX_STANDARD=20 -DCMAKE_CXX_STANDARD_REQUIRED=ON \
		-DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON \
		-Dgtest_disable_pthreads=OFF \
		-DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_INSTALL_LIBDIR=lib
	cmake --build "$b" -j"$JOBS"
	cmake --install "$b"
	local l
	for l in gtest gtest_main gmock gmock_main; do
		[[ -f $PREFIX/lib/lib$l.a ]] || die "googletest did not install lib$l.a"
	done
	rm -rf "$b"
}

# ---------------------------------------------------------------- main ------

start=$SECONDS
mkdir -p "$SRC" "$BUILD" "$LOGS" "$PREFIX"

setup_apt
setup_locale

declare -A VER DIR
VER[scite]=$(src_version scite)
VER[sciteregex]=${VER[scite]}
VER[tinyxml]=$(src_version tinyxml)
VER[sqlite3]=$(src_version sqlite3)
VER[ctags]=$(src_version exuberant-ctags)
VER[googletest]=$(dpkg-query -W -f='${Version}' googletest)
DIR[googletest]=/usr/src/googletest

todo=()
for dep in scite sciteregex tinyxml sqlite3 ctags googletest; do
	if stamp_ok "$dep" "${VER[$dep]}" "${REV[$dep]}"; then continue; fi
	todo+=("$dep")
done

if [[ ${#todo[@]} -gt 0 ]]; then
	rm -f "$PREFIX/deps-ok"
	for dep in "${todo[@]}"; do
		case $dep in
		scite | tinyxml | sqlite3) DIR[$dep]=$(fetch_src "$dep" "${VER[$dep]}") ;;
		sciteregex) DIR[$dep]=$(fetch_src scite "${VER[$dep]}") ;;
		ctags) DIR[$dep]=$(fetch_src exuberant-ctags "${VER[$dep]}") ;;
		esac
	done
	# The builds are independent; run them side by side.
	declare -A PID
	for dep in "${todo[@]}"; do
		say "building $dep ${VER[$dep]}"
		(
			set -euo pipefail
			"build_$dep" "${DIR[$dep]}" "${VER[$dep]}"
			stamp_write "$dep" "${VER[$dep]}" "${REV[$dep]}"
		) >"$LOGS/build-$dep.log" 2>&1 &
		PID[$dep]=$!
	done
	failed=()
	for dep in "${todo[@]}"; do
		if wait "${PID[$dep]}"; then
			say "built $dep"
		else
			tail -n 30 "$LOGS/build-$dep.log" >&2
			say "building $dep failed (full log: $LOGS/build-$dep.log)" >&2
			failed+=("$dep")
		fi
	done
	[[ ${#failed[@]} -eq 0 ]] || die "failed: ${failed[*]}"
	rmdir "$BUILD" 2>/dev/null || true
fi

for f in lib/libscintilla.a lib/liblexilla.a lib/libtinyxml.a lib/libsqlite3.a \
	lib/libgtest.a lib/libgtest_main.a lib/libgmock.a lib/libgmock_main.a \
	include/scintilla/Scintilla.h include/scintilla-internal/RESearch.h include/lexilla/Lexilla.h include/lexilla/lexlib/WordList.h \
	include/tinyxml/tinyxml.h include/sqlite3.h include/gtest/gtest.h include/gmock/gmock.h \
	bin/ctags.exe; do
	[[ -e $PREFIX/$f ]] || die "missing $PREFIX/$f (remove its .stamp-* file in $PREFIX to rebuild)"
done

{
	for dep in scite sciteregex tinyxml sqlite3 ctags googletest; do
		printf '%s %s\n' "$dep" "${VER[$dep]}"
	done
} >"$PREFIX/deps-ok"
say "dependencies ready in $((SECONDS - start))s"
printf '%s\n' "$PREFIX"
