#!/usr/bin/env bash
# Installs the packages the build and the tests need on a Debian machine (run as root).
# Does nothing that is already done, so it is cheap on a machine that has everything.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32 xvfb xauth fonts-liberation fonts-wine imagemagick xdotool zip unzip
  zlib1g-dev libz-mingw-w64-dev libcli11-dev nlohmann-json3-dev locales
  dpkg-dev debhelper lintian help2man man-db bash-completion desktop-file-utils faketime
  python3  # drives bash on a pseudo-terminal in the completion test
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  arch_p="$p"
  [ "$p" = wine32 ] && arch_p="wine32:i386"
  if ! dpkg-query -W -f='${Status}' "$arch_p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$arch_p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "installing: ${missing[*]:-(package lists only)}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# The command's tests run it under a Russian locale, natively and under Wine.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  echo "generating the locale ru_RU.UTF-8"
  if [ -f /etc/locale.gen ] && grep -q '^# *ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -qs '^ru_RU.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ru_RU.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  locale-gen >/dev/null
fi
