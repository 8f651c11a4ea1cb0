#!/usr/bin/env bash
# Installs the package, with what it depends on, into a clean Debian 12 made
# in a folder, and there, as a new user whose home has nothing of Ijar, makes
# an office and starts the program under Xvfb: the login window must show.
# Skipped where such a folder cannot be made (not root, no mmdebstrap, no
# network to Debian's archive).
set -euo pipefail
build="$1"
cd "$build"
[ "$(id -u)" -eq 0 ] || { echo "a Debian root folder needs root"; exit 77; }
command -v mmdebstrap >/dev/null && command -v unshare >/dev/null || { echo "no mmdebstrap or unshare"; exit 77; }
fail() { echo "package-installed: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)
deb="$PWD/ijar_${version}_amd64.deb"
[ -f "$deb" ] || cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }

root=$(mktemp -d "$PWD/debian12.XXXXXX")
trap 'rm -rf "$root"' EXIT
# The archive answers first, so that a machine without it skips rather than fails.
if ! mmdebstrap --variant=apt --include=xvfb,xauth,x11-utils bookworm "$root" >mmdebstrap.log 2>&1; then
  tail -5 mmdebstrap.log
  echo "no Debian 12 root folder could be made"
  exit 77
fi
cp "$deb" "$root/tmp/ijar.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# A mount namespace of its own: /proc inside goes away with it.
unshare --mount --fork /bin/sh -s "$root" <<'OUTER' || fail "the installed program failed (see above)"
set -eu
root=$1
mount -t proc proc "$root/proc"
# A clean environment: nothing of this machine (QT_QPA_PLATFORM, IJAR_HOME) leaks into the installed program.
env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 chroot "$root" /bin/sh -s <<'INNER'
set -eu
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/ijar.deb >/tmp/install.log 2>&1 \
  || { tail -20 /tmp/install.log; exit 1; }
useradd -m clerk
su clerk -s /bin/sh -c '
  set -eu
  [ ! -e ~/.local/share/ijar ]
  ijar --version
  ijar --create-database ~/.local/share/ijar/fdk.db --demo
  [ "$(stat -c %a ~/.local/share/ijar/fdk.db)" = 600 ] || { echo "the office is readable by others"; exit 1; }
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    ijar & program=\$!
    for second in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
      xwininfo -root -tree | grep -q \"الدخول إلى البرنامج\" && break
      sleep 1
    done
    xwininfo -root -tree | grep \"الدخول إلى البرنامج\" || { echo \"no login window\"; kill \$program; exit 1; }
    kill \$program
  "
'
INNER
OUTER
echo "package-installed: installed on Debian 12, an office made and the login window shown"
