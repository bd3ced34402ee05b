#!/bin/sh
# Runs COMMAND where Wine can start 32-bit programs. Debian's 64-bit Wine
# hands a 32-bit program to its 32-bit loader (/usr/lib/wine/wine), which the
# kernel runs natively where it can, else qemu-user registered in a
# binfmt_misc private to a new user and mount namespace, which is slow; Wine's
# own 64-bit processes (wineserver, the desktop, the services) stay native
# either way. It says on stderr which way it runs. TROVANEL_WINE32=qemu forces
# the second. COMMAND finds which in TROVANEL_WINE32_RUN (native or qemu).
#   wine32.sh COMMAND [ARGUMENTS...]   (e.g. /usr/lib/wine/wine64 program.exe)
loader=/usr/lib/wine/wine
if [ "${TROVANEL_WINE32:-}" != qemu ] && "$loader" --version >/dev/null 2>&1; then
  echo "wine32: native 32-bit" >&2
  export TROVANEL_WINE32_RUN=native
  exec "$@"
fi
qemu=${TROVANEL_QEMU_I386:-/usr/bin/qemu-i386-static}
if [ ! -x "$qemu" ]; then
  echo "wine32: this kernel runs no 32-bit program and $qemu is missing" \
    "(tools/install-deps.sh installs qemu-user-static then)" >&2
  exit 1
fi
echo "wine32: through qemu-user ($qemu), slow" >&2
# 32-bit x86 executables and shared objects; binfmt_misc reads the escapes.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\xff\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# Wine's loader would re-execute itself through its preloader, which qemu
# cannot run.
export WINELOADERNOEXEC=1 TROVANEL_WINE32_RUN=qemu
exec unshare --user --map-root-user --mount --propagation private sh -c '
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc &&
  printf "%s" "$1" >/proc/sys/fs/binfmt_misc/register && shift && exec "$@"' \
  wine32 ":trovanel-i386:M::$magic:$mask:$qemu:F" "$@"
