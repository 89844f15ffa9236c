# Shared by scripts/test, scripts/run and scripts/build: installs what is missing, builds both
# trees, and prepares Wine and a display. Source it; it sets ROOT, BUILD and the Wine variables.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# MORVANTA_BUILD lets several work trees or sessions build side by side.
BUILD="${MORVANTA_BUILD:-$ROOT/build}"
JOBS=$(nproc)

# The product is 32-bit (build/win32). Where this machine cannot execute 32-bit code at all (some
# virtual machines refuse every 32-bit program, wine32 included), the same sources are built for
# x86_64 (build/win64) and that build is what runs and is tested under wine64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE_TREE=win32 WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
  export WINEARCH=win32
else
  WINE_TREE=win64 WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
  export WINEARCH=win64
fi
export WINEPREFIX="$BUILD/wineprefix-$WINEARCH"
export WINEDEBUG=-all
# No Mono or Gecko prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

say() { printf '== %s\n' "$*" >&2; }

need_sudo() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
  local missing=()
  command -v cmake >/dev/null || missing+=(cmake)
  command -v g++ >/dev/null || missing+=(g++)
  command -v i686-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-i686-posix)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
  command -v Xvfb >/dev/null || missing+=(xvfb)
  command -v lua5.4 >/dev/null || missing+=(lua5.4)
  command -v python3 >/dev/null || missing+=(python3)
  [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
  [ -e /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a ] || missing+=(libclang-rt-14-dev)
  command -v clang++ >/dev/null || missing+=(clang)
  local want_wine=0
  [ -x /usr/lib/wine/wine64 ] || want_wine=1
  dpkg -s wine32:i386 >/dev/null 2>&1 || want_wine=1
  [ "$want_wine" = 1 ] && missing+=(wine wine64 wine32:i386)
  [ ${#missing[@]} = 0 ] && return 0
  say "installing: ${missing[*]}"
  if [ "$want_wine" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    need_sudo dpkg --add-architecture i386
  fi
  need_sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive need_sudo apt-get install -y -q "${missing[@]}"
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
}

# The libFuzzer targets over the portable core, built with clang under ASan and UBSan.
build_fuzz() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=Debug -DMORVANTA_FUZZ=ON >/dev/null
  cmake --build "$BUILD/fuzz" -j "$JOBS"
}

# build_windows TREE [TARGET...]: TREE is win32 (i686) or win64 (x86_64); no targets builds all.
build_windows() {
  local tree=$1 arch=i686 targets=()
  shift
  [ "$tree" = win64 ] && arch=x86_64
  for t in "$@"; do targets+=(--target "$t"); done
  cmake -S "$ROOT" -B "$BUILD/$tree" -DCMAKE_BUILD_TYPE=Release -DMORVANTA_ARCH=$arch \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw.cmake" >/dev/null
  cmake --build "$BUILD/$tree" -j "$JOBS" "${targets[@]}"
}

# The product for Windows machines, and the tree that runs here (the same one where 32-bit runs).
build_product_and_runnable() {
  if [ "$WINE_TREE" = win32 ]; then
    build_windows win32
  else
    build_windows win32 morvanta morvanta-script
    build_windows win64
  fi
}

# Starts Xvfb when there is no display; the caller stops it with stop_display.
STARTED_XVFB=
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fifo display
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  STARTED_XVFB=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
  say "no display: started Xvfb on $DISPLAY"
}

stop_display() {
  [ -n "$STARTED_XVFB" ] && kill "$STARTED_XVFB" 2>/dev/null
  STARTED_XVFB=
}

# A private prefix under build/, made once; a user's ~/.wine is never touched.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "initialising the Wine prefix in $WINEPREFIX (once)"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
  fi
  # One server and one set of Wine's own background processes for the whole session: every Wine
  # process after the first starts faster, and none of the background ones holds a test's output open.
  "$WINESERVER" -p 2>/dev/null || true  # already running for this prefix: use that one
  "$WINE" wineboot >/dev/null 2>&1 </dev/null
}

stop_wine() { "$WINESERVER" -k 2>/dev/null || true; }
