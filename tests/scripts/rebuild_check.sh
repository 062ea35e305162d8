#!/usr/bin/env bash
# Builds the release files a second time from the same sources, in a fresh clone of the
# commit (with the checkout's changes applied) on tmpfs, under another umask, time zone,
# locale and clock, and checks that they come out byte for byte as dist/SHA256SUMS lists
# them. By default the Debian packages only (scripts/package-deb.sh); --zip rebuilds the
# zip too (scripts/package.sh, a whole Windows build: minutes).
#   bash tests/scripts/rebuild_check.sh [--zip]
# Run by scripts/test.sh after scripts/package.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
step=package-deb.sh
[ "${1:-}" = --zip ] && step=package.sh
[ -f dist/SHA256SUMS ] || { echo "rebuild check: no dist/SHA256SUMS: run scripts/package.sh first" >&2; exit 1; }
started=$SECONDS

shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
work="$(mktemp -d "$shm/xptable-rebuild.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The second build's own world: files made private by default, a time zone 14 hours ahead
# of UTC, Russian messages, a clock 397 days on.
umask 077
git clone --quiet --shared --no-checkout "$root" "$work/src"
git -C "$work/src" checkout --quiet --detach "$(git rev-parse HEAD)"
git diff --binary HEAD >"$work/changes.diff"
[ -s "$work/changes.diff" ] && git -C "$work/src" apply --whitespace=nowarn "$work/changes.diff"
(
  cd "$work/src"
  env -u SOURCE_DATE_EPOCH TZ=Pacific/Kiritimati LC_ALL=ru_RU.UTF-8 LANG=ru_RU.UTF-8 \
    faketime -f +397d bash "scripts/$step" >"$work/build.log" 2>&1
) || { tail -30 "$work/build.log" >&2; echo "rebuild check: the second build failed" >&2; exit 1; }

echo "first build ($(stat -f -c %T dist), $root):"
sed 's/^/  /' dist/SHA256SUMS
echo "second build ($(stat -f -c %T "$work"), $work/src):"
sed 's/^/  /' "$work/src/dist/SHA256SUMS"
want=3
[ "$step" = package.sh ] && want=4
failures=0
[ "$(wc -l <"$work/src/dist/SHA256SUMS")" -ge "$want" ] || { echo "rebuild check: fewer than $want files rebuilt" >&2; failures=1; }
while read -r sum file; do
  if ! grep -qxF "$sum  $file" dist/SHA256SUMS; then
    echo "rebuild check: $file differs between the two builds" >&2
    failures=1
    case "$file" in
      *.deb) diff <(dpkg-deb -I "dist/$file"; dpkg-deb -c "dist/$file") \
        <(dpkg-deb -I "$work/src/dist/$file"; dpkg-deb -c "$work/src/dist/$file") >&2 || true ;;
      *.zip) diff <(unzip -Zv "dist/$file") <(unzip -Zv "$work/src/dist/$file") >&2 || true ;;
    esac
  fi
done <"$work/src/dist/SHA256SUMS"
[ "$failures" = 0 ] || exit 1
echo "rebuild check: the same bytes from both builds ($((SECONDS - started)) s)"
