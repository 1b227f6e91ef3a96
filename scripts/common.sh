# Shared by the scripts: build trees, the Wine architectures and their emulation, the X display.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${GLYPHORA_BUILD:-$repo/build}
jobs=${JOBS:-$(nproc)}

# The product is 32-bit. Some kernels run no 32-bit code at all (ia32 emulation off); there the
# set-up has 32-bit programs run under user-mode emulation, registered with binfmt_misc. The
# same sources are also built for 64-bit Windows and run natively under 64-bit Wine.
i386_ld=/lib/ld-linux.so.2             # a 32-bit program that wine32 brings (with its libc)
binfmt_entry=qemu-i386
qemu_binfmt_interpreter=/usr/libexec/qemu-binfmt/i386-binfmt-P
# The emulation's preloaded library, one of the same name per word size; the dynamic loader
# expands $LIB, so one path serves the 32-bit and the 64-bit processes.
emu_lib_dir=/usr/local/lib/glyphora-emu
emu_lib_name=libglyphora-emu-trapno.so
emu_preload="$emu_lib_dir/\$LIB/$emu_lib_name"

can_run_32bit() {
  "$i386_ld" --version >/dev/null 2>&1
}

# binfmt_misc takes its formats before the kernel's own: an enabled entry for i386 ELF files
# means 32-bit programs run under an emulator, whether or not the kernel could run them.
emulates_32bit() {
  local dir=/proc/sys/fs/binfmt_misc entry
  [ "$(cat "$dir/status" 2>/dev/null)" = enabled ] || return 1
  for entry in "$dir"/*; do
    case ${entry##*/} in register|status) continue ;; esac
    grep -qx enabled "$entry" 2>/dev/null &&
      grep -Eq '^magic 7f454c460101[0-9a-f]{24}0300' "$entry" 2>/dev/null && return 0
  done
  return 1
}

build_label() {   # arch
  if [ "$1" = x86_64 ]; then echo "64-bit build natively"
  elif emulates_32bit; then echo "32-bit build under emulation"
  else echo "32-bit build natively"; fi
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

# Another display for an extra test desktop, named in extra_display. Stopped with the first one.
extra_xvfb_pids=()
start_extra_xvfb() {
  local fdfile pid; fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  [ -s "$fdfile" ] || { rm -f "$fdfile"; kill "$pid" 2>/dev/null; echo "Xvfb did not start" >&2; return 1; }
  extra_xvfb_pids+=("$pid")
  extra_display=":$(head -1 "$fdfile")"
  rm -f "$fdfile"
}

stop_xvfb() {
  local pid
  for pid in "${extra_xvfb_pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  extra_xvfb_pids=()
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}

stop_wineserver() {   # prefix
  WINEPREFIX=$1 /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
}
