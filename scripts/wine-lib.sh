# Sourced by the scripts: which Windows build this machine can run, and Wine's loader for each build.
#   pe_machine FILE        prints i386 or amd64 (the machine field of a Windows program), or unknown
#   use_wine_for ARCH      exports WINEARCH and WINELOADER for i386 or amd64; WINE_LOADER names the loader
#   runs_32bit_programs    true when the kernel runs 32-bit Linux programs (Wine's 32-bit loader is one)
#   choose_windows_build   sets windows_build (win32 or win64), windows_toolchain, windows_build_reason

pe_machine() {
  python3 - "$1" <<'PY'
import struct, sys
try:
    with open(sys.argv[1], 'rb') as f:
        data = f.read(4096)
    pe = struct.unpack_from('<I', data, 0x3c)[0]
    ok = data[:2] == b'MZ' and data[pe:pe + 4] == b'PE\0\0'
    machine = struct.unpack_from('<H', data, pe + 4)[0] if ok else 0
except (OSError, struct.error):
    machine = 0
print({0x14c: 'i386', 0x8664: 'amd64'}.get(machine, 'unknown'))
PY
}

use_wine_for() {
  case $1 in
    i386) export WINEARCH=win32; WINE_LOADER=/usr/lib/wine/wine ;;
    amd64) export WINEARCH=win64; WINE_LOADER=/usr/lib/wine/wine64 ;;
    *) echo "wine: no Wine loader for a program of machine type '$1'" >&2; return 1 ;;
  esac
  export WINELOADER=$WINE_LOADER
}

# Runs a minimal 32-bit Linux program (exit(0) through int 0x80). A kernel without IA-32 emulation refuses
# it with "Exec format error", and refuses Wine's 32-bit loader the same way.
runs_32bit_programs() {
  local probe rc
  probe=$(mktemp "${TMPDIR:-/tmp}/ia32-probe.XXXXXX") || return 1
  python3 - "$probe" <<'PY'
import struct, sys
base, code = 0x08048000, bytes.fromhex('b801000000' '31db' 'cd80')  # mov eax,1; xor ebx,ebx; int 0x80
size = 52 + 32 + len(code)
elf = b'\x7fELF\x01\x01\x01' + bytes(9)
elf += struct.pack('<HHIIIIIHHHHHH', 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
elf += struct.pack('<IIIIIIII', 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], 'wb').write(elf + code)
PY
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1
  rc=$?
  rm -f "$probe"
  return $rc
}

choose_windows_build() {
  if [ "${VESPERAL_WIN64:-0}" = 1 ]; then
    windows_build=win64
    windows_build_reason="VESPERAL_WIN64=1 forces the 64-bit Windows build"
  elif runs_32bit_programs; then
    windows_build=win32
    windows_build_reason="this machine runs 32-bit programs"
  else
    windows_build=win64
    windows_build_reason="this machine cannot run 32-bit programs (no IA-32 emulation in the kernel)"
  fi
  case $windows_build in
    win32) windows_toolchain=cmake/mingw-i686.cmake ;;
    win64) windows_toolchain=cmake/mingw-x86_64.cmake ;;
  esac
}
