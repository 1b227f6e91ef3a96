# Shared by scripts/test and scripts/run: build trees, the Wine architecture, the X display.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${GLYPHORA_BUILD:-$repo/build}
jobs=$(nproc)

# The product is 32-bit. Some kernels run no 32-bit code at all (ia32 emulation off);
# there the same sources are also built for 64-bit Windows and run under 64-bit Wine.
can_run_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

run_arch() {
  if can_run_32bit; then echo i686; else echo x86_64; fi
}

configure_and_build() {   # arch [targets...]
  local arch=$1; shift
  local tree=$build_root/$arch
  if [ ! -f "$tree/build.ninja" ]; then
    cmake -S "$repo" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-$arch-mingw.cmake" >"$build_root/configure-$arch.log" \
      || { cat "$build_root/configure-$arch.log"; return 1; }
  fi
  ninja -C "$tree" -j "$jobs" "$@"
}

start_xvfb() {
  xvfb_pid=""
  if [ -n "${DISPLAY:-}" ] && [ -z "${GLYPHORA_FORCE_XVFB:-}" ]; then return 0; fi
  local fdfile; fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  [ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -1 "$fdfile")"
  rm -f "$fdfile"
}

stop_xvfb() {
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}

stop_wineserver() {   # prefix
  WINEPREFIX=$1 /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
}
