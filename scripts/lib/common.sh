# Shared by scripts/run and scripts/test: messages, and installing what a fresh Debian 12 lacks.
# shellcheck shell=bash

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }
note() { printf '    %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# The Debian packages each part of the work needs.
QUORVANE_NATIVE_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)
QUORVANE_WINDOWS_PACKAGES=(mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix)
# wine32 brings the 32-bit loader (/usr/lib/wine/wine) that runs the 32-bit build in the same
# 64-bit prefix.
QUORVANE_WINE_PACKAGES=(wine64 wine32:i386 xvfb xdotool imagemagick fonts-wqy-microhei locales)

# Installs the packages that are not installed yet; apt is asked only when something is missing.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing ${missing[*]} (the first time this takes a few minutes)"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  ensure_architectures "$sudo" "${missing[@]}"
  $sudo apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# A package of another architecture (wine32:i386) is found only once dpkg knows that
# architecture; the apt-get update that follows fetches its lists.
ensure_architectures() {
  local sudo=$1 pkg arch
  shift
  for pkg in "$@"; do
    [[ $pkg == *:* ]] || continue
    arch=${pkg##*:}
    [ "$arch" = "$(dpkg --print-architecture)" ] && continue
    dpkg --print-foreign-architectures | grep -qx "$arch" && continue
    say "Adding the $arch architecture to dpkg"
    $sudo dpkg --add-architecture "$arch"
  done
}
