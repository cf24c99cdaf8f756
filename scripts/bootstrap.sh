#!/usr/bin/env bash
# Makes this Debian 12 machine ready to build and test the programs.
# Safe to run again: every step checks first and does nothing when already done.
set -euo pipefail

need_root() { [ "$(id -u)" = 0 ] || { echo "bootstrap: run as root" >&2; exit 1; }; }

PACKAGES=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine32:i386 wine64 xvfb xauth x11-apps imagemagick
  googletest libgtest-dev ninja-build libbenchmark-dev cmake g++ clang libclang-rt-14-dev
  librsvg2-bin nettle-dev openssl file
  fonts-wine fonts-wqy-zenhei libfreetype-dev
)

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || echo "$p"
  done
}

backports_present() {
  grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/
}

install_packages() {
  local missing qemu_missing=0
  missing=$(missing_packages)
  [ -x /usr/bin/qemu-i386 ] || qemu_missing=1
  [ -z "$missing" ] && [ $qemu_missing = 0 ] && return 0
  need_root
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  if ! backports_present; then
    cat > /etc/apt/sources.list.d/bookworm-backports.sources <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  # One of the security indexes is sometimes served broken; the main suite is enough.
  apt-get update || true
  if [ -n "$missing" ]; then
    # shellcheck disable=SC2086
    apt-get -t bookworm --no-install-recommends -y install $missing
  fi
  if [ $qemu_missing = 1 ]; then
    apt-get -t bookworm-backports --no-install-recommends -y install qemu-user
  fi
}

register_binfmt() {
  # The kernel cannot run i386 code; qemu-user runs 32-bit Wine for it.
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && return 0
  need_root
  [ -e /proc/sys/fs/binfmt_misc/register ] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:FP' \
    > /proc/sys/fs/binfmt_misc/register
}

install_packages
register_binfmt
