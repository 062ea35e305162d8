#!/usr/bin/env bash
# scripts/source-date.sh: the commit's time in a checkout; debian/changelog's date where git
# gives no commit of this tree (an export, one inside another repository, a checkout git
# refuses as another user's); never the clock's.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
export GIT_CONFIG_NOSYSTEM=1 HOME="$dir"  # no one's git settings, safe.directory above all

# A tree holding only the script and a changelog, committed on 2001-09-09 01:46:40 UTC.
make_tree() {
  mkdir -p "$1/scripts" "$1/debian"
  cp "$root/scripts/source-date.sh" "$1/scripts/"
  printf 'x (1.0) unstable; urgency=medium\n\n  * x\n\n -- X <x@example.org>  Thu, 01 Jan 2004 00:00:00 +0000\n' \
    >"$1/debian/changelog"
}
make_tree "$dir/checkout"
git -C "$dir/checkout" init -q
git -C "$dir/checkout" add -A
GIT_COMMITTER_DATE=@1000000000 git -C "$dir/checkout" -c user.name=x -c user.email=x@example.org commit -qm x
make_tree "$dir/export"
git init -q "$dir/outer" && make_tree "$dir/outer/export"
git -C "$dir/outer" -c user.name=x -c user.email=x@example.org commit -q --allow-empty -m x
cp -a "$dir/checkout" "$dir/foreign"

failures=0
# tree / SOURCE_DATE_EPOCH ("-": unset) / owner ("-": ours) / the time it must print
while read -r tree epoch owner want; do
  [ "$owner" = - ] || { [ "$(id -u)" = 0 ] || continue; chown -R "$owner" "$dir/$tree"; }
  got="$(if [ "$epoch" = - ]; then env -u SOURCE_DATE_EPOCH bash "$dir/$tree/scripts/source-date.sh"
    else SOURCE_DATE_EPOCH="$epoch" bash "$dir/$tree/scripts/source-date.sh"; fi 2>&1)" || true
  [ "$got" = "$want" ] || { echo "FAIL: $tree (SOURCE_DATE_EPOCH $epoch, owner $owner) gives '$got', not $want"; failures=1; }
done <<'TABLE'
checkout - - 1000000000
checkout 42 - 42
export - - 1072915200
outer/export - - 1072915200
foreign - nobody 1072915200
TABLE
[ "$failures" = 0 ] && echo "source-date: ok"
