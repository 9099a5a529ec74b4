#!/usr/bin/env bash
# Installs what building and testing the launcher needs on a Debian machine (run as root).
# Skips every package and step that is already in place, so it is cheap to run each time.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine32 wine64 xvfb xdotool x11-utils locales
          icoutils imagemagick osslsigncode openssl python3
          clang libclang-rt-14-dev)

need_i386() { ! dpkg --print-foreign-architectures | grep -qx i386; }
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if need_i386 || [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages (${missing[*]}); run this script as root" >&2
    exit 1
  fi
  need_i386 && dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine shows Windows-1251 only when the ru_RU.UTF-8 locale exists; without it
# it silently falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
