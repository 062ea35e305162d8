#!/usr/bin/env bash
# Builds the Debian source package and the package of the command with dpkg-buildpackage
# (debian/, debhelper) from a copy of the sources in build-deb (made afresh), into dist/:
# xptable_<version>.dsc and .tar.xz, xptable_<version>_<arch>.deb, .buildinfo, .changes;
# then lists the release files in dist/SHA256SUMS. Run by scripts/package.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build=build-deb
umask 022

bash scripts/install-deps.sh
SOURCE_DATE_EPOCH="$(bash scripts/source-date.sh)"
export SOURCE_DATE_EPOCH

version="$(sed -n 's/^project(XpTableEditor VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)"
logged="$(dpkg-parsechangelog -l debian/changelog -SVersion)"
if [ "$logged" != "$version" ]; then
  echo "debian/changelog is at $logged, the project at $version: add an entry (dch -v $version)" >&2
  exit 1
fi

# The sources git tracks, as they are in the checkout; without git, the tree less what
# the builds and tests make. Modes after the umask of no one in particular.
rm -rf "$build"
src="$build/xptable-$version"
mkdir -p "$src"
if git ls-files >/dev/null 2>&1; then
  git ls-files -z | while IFS= read -r -d '' file; do
    [ -e "$file" ] && printf '%s\0' "$file"
  done | xargs -0 cp --parents -P -t "$src"
else
  tar -c --exclude='./build-*' --exclude=./dist --exclude=./.wine-tests --exclude=./.git . | tar -x -C "$src"
fi
chmod -R u+rwX,go+rX,go-w "$src"

if ! (cd "$src" && dpkg-buildpackage -us -uc -J"$(nproc)") >"$build/build.log" 2>&1; then
  tail -40 "$build/build.log" >&2
  echo "dpkg-buildpackage failed: $build/build.log" >&2
  exit 1
fi

arch="$(dpkg --print-architecture)"
mkdir -p dist
for file in "xptable_$version.dsc" "xptable_$version.tar.xz" "xptable_${version}_$arch.deb" \
  "xptable_${version}_$arch.buildinfo" "xptable_${version}_$arch.changes"; do
  mv -f "$build/$file" dist/
done
deb="dist/xptable_${version}_$arch.deb"
echo "$deb: $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB; source dist/xptable_$version.dsc"

# The files a rebuild of the same commit gives byte for byte (.buildinfo and .changes
# record the build's own date and machine).
(
  cd dist
  files=()
  [ -f "XpTableEditor-$version.zip" ] && files+=("XpTableEditor-$version.zip")
  sha256sum "${files[@]}" "xptable_$version.dsc" "xptable_$version.tar.xz" "xptable_${version}_$arch.deb"
) >dist/SHA256SUMS
