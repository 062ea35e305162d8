#!/usr/bin/env bash
# Builds the Debian package of the command: dist/xptable_<version>_<arch>.deb with
# /usr/bin/xptable, its manual pages in English and Russian, bash completion, copyright and
# changelog. The command comes from a Release build of its own (build-deb, made afresh)
# with Debian's build flags, stripped as dh_strip strips. Run by scripts/package.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build=build-deb
maintainer="XP Table Editor <xptable-editor@users.noreply.github.com>"
umask 022

bash scripts/install-deps.sh
# Pages and changelog carry the last commit's date, so the same sources give the same package.
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}"

rm -rf "$build"
# CMake takes CXXFLAGS and LDFLAGS from the environment; CPPFLAGS (fortify) goes with the
# compiler's flags. Release adds only NDEBUG: the optimisation is dpkg-buildflags' choice.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG >/dev/null
cmake --build "$build" -j "$(nproc)" --target xptable

version="$(sed -n 's/^#define XP_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/app/Version.h")"
arch="$(dpkg --print-architecture)"
stage="$build/deb"
pkg="$stage/debian/xptable"  # where debhelper would lay it, as dpkg-shlibdeps expects
mkdir -p "$pkg/DEBIAN" "$pkg/usr/bin" "$pkg/usr/share/man/man1" "$pkg/usr/share/man/ru/man1" \
  "$pkg/usr/share/bash-completion/completions" "$pkg/usr/share/doc/xptable"

install -m 0755 "$build/xptable" "$pkg/usr/bin/xptable"
strip --remove-section=.comment --remove-section=.note "$pkg/usr/bin/xptable"

# The pages come from the command's own help in each language (help2man sets LC_ALL for it
# from --locale); what the help does not say is in packaging/xptable*.h2m.
help2man -N -L C.UTF-8 -i packaging/xptable.h2m -o "$stage/xptable.1" "$pkg/usr/bin/xptable"
help2man -N -L ru_RU.UTF-8 -i packaging/xptable.ru.h2m -o "$stage/xptable.ru.1" "$pkg/usr/bin/xptable"
gzip -9n <"$stage/xptable.1" >"$pkg/usr/share/man/man1/xptable.1.gz"
gzip -9n <"$stage/xptable.ru.1" >"$pkg/usr/share/man/ru/man1/xptable.1.gz"

install -m 0644 packaging/xptable.bash-completion "$pkg/usr/share/bash-completion/completions/xptable"
install -m 0644 packaging/copyright "$pkg/usr/share/doc/xptable/copyright"
# A native package's changelog: one entry for the version the project() line gives.
{
  echo "xptable ($version) unstable; urgency=medium"
  echo
  echo "  * Release $version of the command of XP Table Editor; the project's history is"
  echo "    its git log."
  echo
  echo " -- $maintainer  $(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")"
} | gzip -9n >"$pkg/usr/share/doc/xptable/changelog.gz"

# dpkg-shlibdeps wants a debian/control beside the package's folder; this minimal one lives
# in the staging folder only.
printf 'Source: xptable\n\nPackage: xptable\nArchitecture: any\n' >"$stage/debian/control"
# -e takes its file joined to it: apart, it names an empty file and warns.
depends="$(cd "$stage" && dpkg-shlibdeps -O -edebian/xptable/usr/bin/xptable | sed -n 's/^shlibs:Depends=//p')"
[ -n "$depends" ] || { echo "dpkg-shlibdeps found no dependencies for xptable" >&2; exit 1; }

size="$(du -sk --exclude=DEBIAN "$pkg" | cut -f1)"
cat >"$pkg/DEBIAN/control" <<EOF
Package: xptable
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $size
Depends: $depends
Section: utils
Priority: optional
Description: experience table of Baldur's Gate 2 thieves and mages, in a terminal
 xptable shows what a Baldur's Gate 2 or Baldur's Gate Trilogy game pays a thief
 or mage, level by level, for picking locks, disarming traps and learning spells
 from scrolls: it reads the table xpbonus.2da the way the game's engine does,
 from the override folder or from the archives chitin.key lists, says which of
 the 18 stored templates each activity matches and what in the table the
 engine reads otherwise than it looks.
 .
 It writes the table as the Windows program XP Table Editor does, from templates
 or values given per level, keeping each replaced table as a back-up, lists the
 back-ups and restores one. Its messages are English or Russian, after the
 locale; --json gives its output to scripts.
EOF
(cd "$pkg" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$pkg/DEBIAN/md5sums"
chmod 0644 "$pkg/DEBIAN/control" "$pkg/DEBIAN/md5sums"

mkdir -p dist
deb="dist/xptable_${version}_${arch}.deb"
rm -f "$deb"
dpkg-deb --root-owner-group --build "$pkg" "$deb" >/dev/null
echo "$deb: $(stat -c %s "$deb") bytes (command $(stat -c %s "$pkg/usr/bin/xptable") bytes, installed $size KiB)"
