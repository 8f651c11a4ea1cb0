#!/usr/bin/env bash
# Ijar: install what is missing, build, and run the program or the tests.
#   ./ijar.sh                 build, make a demo office on first run, start the program
#   ./ijar.sh test            build and run every test
#   ./ijar.sh test --sanitize the same with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libsqlite3-dev libzip-dev libssl-dev
  libgtest-dev libbenchmark-dev
  qt6-l10n-tools qt6-translations-l10n fonts-noto-core libqt6svg6
  xvfb openbox xdotool x11-utils sqlite3 imagemagick
  qt6-pdf-dev libreoffice-writer fonts-hosny-amiri
  postgresql
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "ijar: installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "$@" >/dev/null
  fi
  cmake --build "$dir" -j"$(nproc)"
}

first_run() {
  local home="$1"
  mkdir -p "$home"
  if [ ! -f "$home/fdk.db" ]; then
    build/bin/ijar --create-database "$home/fdk.db" --demo >/dev/null
    umask 077
    printf '[CONFIG]\nDATABASE = %s\nLASTUSER = ADMIN\n' "$home/fdk.db" > "$home/ijar.ini"
    echo "ijar: made a demo office in $home"
    echo "ijar: first login: id ADMIN, password ADMIN"
  fi
}

case "${1:-run}" in
  test)
    install_missing
    if [ "${2:-}" = "--sanitize" ]; then
      dir=build-sanitize
      build "$dir" -DIJAR_SANITIZE=ON -DIJAR_WERROR=ON -DIJAR_BENCH=OFF
    else
      dir=build
      build "$dir" -DIJAR_WERROR=ON
    fi
    cd "$dir"
    # Libraries of the desktop (D-Bus) keep a little memory to the end; ours may not.
    export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  run)
    install_missing
    build build
    home="${IJAR_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/ijar}"
    first_run "$home"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "ijar: there is no display here. Run it inside a desktop session, or under a"
      echo "      virtual one: sudo apt-get install xvfb && xvfb-run -a ./ijar.sh"
      exit 1
    fi
    exec build/bin/ijar --home "$home"
    ;;
  *)
    echo "usage: ./ijar.sh [test [--sanitize]]" >&2
    exit 2
    ;;
esac
