#!/usr/bin/env bash
# Ijar: install what is missing, build, and run the program or the tests.
#   ./ijar.sh                 build, make a demo office on first run, start the program
#   ./ijar.sh test            build and run every test
#   ./ijar.sh test --sanitize the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./ijar.sh coverage        run every test on a gcov build; line and branch coverage of src/ per folder
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  libsqlite3-dev libpq-dev libzip-dev libssl-dev libicu-dev
  libgtest-dev libbenchmark-dev
  qt6-l10n-tools qt6-translations-l10n fonts-noto-core libqt6svg6
  xvfb openbox xdotool x11-utils sqlite3 imagemagick
  dbus-x11 at-spi2-core python3-pyatspi
  qt6-pdf-dev libreoffice-writer libreoffice-calc fonts-hosny-amiri
  libqrencode-dev zbar-tools poppler-utils libxlsxwriter-dev
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
    # The Debian package is checked as Debian checks it, and installed on a clean Debian 12.
    packages+=(lintian desktop-file-utils appstream groff-base mmdebstrap)
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
  coverage)
    packages+=(gcovr)
    install_missing
    dir=build-coverage
    build "$dir" -DIJAR_COVERAGE=ON -DIJAR_BENCH=OFF
    find "$dir" -name '*.gcda' -delete
    export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest -j"$(nproc)" >"$here/$dir/ctest.log" 2>&1) \
      || echo "ijar: some tests failed (see $dir/ctest.log); coverage is of the tests that ran"
    gcovr -r "$here" --filter "$here/src/" --exclude '.*_autogen/.*' --json-summary "$dir/coverage.json" \
      -j"$(nproc)" "$dir" >/dev/null
    # Line and branch coverage of src/ per folder, from gcovr's summary.
    python3 - "$dir/coverage.json" <<'PY'
import json
import sys
from collections import defaultdict

files = json.load(open(sys.argv[1]))["files"]
per = defaultdict(lambda: [0, 0, 0, 0])
for f in files:
    parts = f["filename"].split("/")
    folder = "/".join(parts[1:-1]) if parts[0] == "src" else parts[0]
    row = per[folder]
    row[0] += f["line_covered"]; row[1] += f["line_total"]
    row[2] += f["branch_covered"]; row[3] += f["branch_total"]
total = [sum(r[i] for r in per.values()) for i in range(4)]
pct = lambda a, b: f"{100 * a / b:.1f}%" if b else "-"
print(f"{'folder':<16}{'lines':>9}{'branches':>10}")
for folder in sorted(per):
    r = per[folder]
    print(f"{folder:<16}{pct(r[0], r[1]):>9}{pct(r[2], r[3]):>10}")
print(f"{'src':<16}{pct(total[0], total[1]):>9}{pct(total[2], total[3]):>10}")
PY
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
    echo "usage: ./ijar.sh [test [--sanitize] | coverage]" >&2
    exit 2
    ;;
esac
