#!/usr/bin/env bash
# Builds ijar_<version>_amd64.deb and checks what an installing office relies
# on: the files, the declared dependencies, manual pages that format and name
# every option the program has, and no error from lintian.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
cd "$build"
command -v dpkg-deb >/dev/null || { echo "not a Debian system: no dpkg-deb"; exit 77; }
fail() { echo "package: $*" >&2; exit 1; }

rm -f ijar_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)
deb="ijar_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls ./*.deb 2>/dev/null)"

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/ijar usr/share/applications/ijar.desktop usr/share/metainfo/org.ijar.Ijar.metainfo.xml \
            usr/share/man/man1/ijar.1.gz usr/share/man/ar/man1/ijar.1.gz usr/share/icons/hicolor/scalable/apps/ijar.svg \
            usr/share/ijar/templates/contract.odt usr/share/ijar/icons/calendar.svg usr/share/doc/ijar/copyright \
            usr/share/doc/ijar/changelog.gz; do
  grep -qx "\./$path" <<<"$listing" || fail "$path is missing"
done
templates=$(grep -c '^\./usr/share/ijar/templates/.*\.odt$' <<<"$listing")
shipped=$(ls "$here"/../../src/reports/templates/*.xml | grep -vc '/styles\.xml$')
[ "$templates" -eq "$shipped" ] || fail "$templates templates packaged, $shipped shipped"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6-sqlite libqt6sql6-psql libsqlite3-0 libicu; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in libreoffice-writer fonts-hosny-amiri; do
  grep -q "$wanted" <<<"$recommends" || fail "Recommends lacks $wanted: $recommends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
# Every option the program knows is in both manual pages, and they format cleanly.
options=$("$unpacked/usr/bin/ijar" --help | grep -o -- '--[a-z-]*' | sort -u)
for page in usr/share/man/man1/ijar.1.gz usr/share/man/ar/man1/ijar.1.gz; do
  warnings=$(zcat "$unpacked/$page" | groff -k -man -Tutf8 -ww -z 2>&1 | head -5)
  [ -z "$warnings" ] || fail "$page: $warnings"
  text=$(zcat "$unpacked/$page" | groff -k -man -Tascii -P-cbu 2>/dev/null)
  for option in $options; do
    grep -qF -- "$option" <<<"$text" || fail "$page does not name $option"
  done
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$unpacked/usr/share/applications/ijar.desktop" || fail "the desktop file does not validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$unpacked/usr/share/metainfo/org.ijar.Ijar.metainfo.xml" >appstream.log 2>&1 \
    || { cat appstream.log; fail "the metainfo file does not validate"; }
fi
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian is not installed: the package was not checked by it"
fi
echo "package: $deb checked"
