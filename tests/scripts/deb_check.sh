#!/usr/bin/env bash
# Checks the Debian packages made by scripts/package-deb.sh without installing them: lintian
# on the source and the binary package, the binary's files and their modes, its fields, the command run from the unpacked package on a game folder
# from scripts/make-game.sh, both manual pages read by man without a warning, and what the
# bash completion offers.
#   bash tests/scripts/deb_check.sh
# Run by scripts/test.sh after the package; needs build-native for make-game.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"

failures=0
fail() { echo "deb check: $*" >&2; failures=$((failures + 1)); }

version="$(sed -n 's/^project(XpTableEditor VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)"
deb="dist/xptable_${version}_$(dpkg --print-architecture).deb"
changes="${deb%.deb}.changes"
[ -f "$deb" ] && [ -f "$changes" ] || { echo "deb check: no $deb or $changes" >&2; exit 1; }

# Warnings and errors fail; the informational and pedantic tags are shown for the record.
lintian_out="$(lintian --fail-on error,warning --display-info --pedantic "$changes" 2>&1)" || fail "lintian failed"
echo "lintian: $(grep -v "running with root privileges" <<<"$lintian_out" | grep . || echo "(nothing)")"

# Every file with its mode and owner, the folders aside (lintian checks those).
files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }')"
want="-rwxr-xr-x root/root ./usr/bin/xptable
-rw-r--r-- root/root ./usr/share/bash-completion/completions/xptable
-rw-r--r-- root/root ./usr/share/doc/xptable/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/xptable/copyright
-rw-r--r-- root/root ./usr/share/lintian/overrides/xptable
-rw-r--r-- root/root ./usr/share/man/man1/xptable.1.gz
-rw-r--r-- root/root ./usr/share/man/ru/man1/xptable.1.gz"
[ "$files" = "$want" ] || fail "the package holds:"$'\n'"$files"
for field in Version Depends Static-Built-Using; do
  dpkg-deb -f "$deb" "$field" | grep -q . || fail "no $field in the control file"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), not $version"
dpkg-deb -f "$deb" Depends | grep -q 'zlib1g' || fail "zlib is not a dependency"
# The two header-only libraries compiled in, named by their source packages.
dpkg-deb -f "$deb" Static-Built-Using | grep -qE '^cli11 \(= .*\), nlohmann-json3 \(= .*\)$' ||
  fail "Static-Built-Using: $(dpkg-deb -f "$deb" Static-Built-Using)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/pkg"
xptable="$work/pkg/usr/bin/xptable"

# Stripped as dh_strip strips: no symbols, no .comment or .note section.
sections="$(objdump -h "$xptable" 2>&1 || true)"
if grep -qE ' \.(comment|note|symtab|debug_info) ' <<<"$sections"; then fail "the command is not stripped"; fi
version_line="$("$xptable" --version 2>&1 | head -n 1)" || fail "the packaged command does not run"
readelf -d "$xptable" | grep -q 'BIND_NOW' || fail "the command is not linked with BIND_NOW"
[ "$version_line" = "xptable $version" ] || fail "the packaged command says: $version_line"
bash scripts/make-game.sh "$work/game" --bifc >/dev/null
# locale / a line its show must print
while IFS='|' read -r locale line; do
  out="$(LC_ALL="$locale" "$xptable" show "$work/game" 2>&1)" || fail "show under $locale exited $?: $out"
  grep -qF -- "$line" <<<"$out" || fail "show under $locale has no line '$line':"$'\n'"$out"
done <<'EOF'
C.UTF-8|Source: archive
ru_RU.UTF-8|Источник: архив
EOF

# page / locale it is read in / headings that must show (;) / its options section / its NAME line
while IFS='|' read -r page locale headings options name; do
  page="$work/pkg/usr/share/man/$page"
  rendered="$(LC_ALL="$locale" MANWIDTH=80 man --warnings -l "$page" 2>"$work/warnings")" || fail "man cannot read $page"
  [ -s "$work/warnings" ] && fail "man warns on $page:"$'\n'"$(head -5 "$work/warnings")"
  IFS=';' read -r -a wanted <<<"$headings"
  for heading in "${wanted[@]}"; do
    grep -qx "$heading" <<<"$rendered" || fail "$page has no heading $heading"
  done
  # The subcommands have a section of their own: the options section lists none of them.
  awk -v s="$options" '$0 == s { on = 1; next } /^[^ ]/ { on = 0 } on' <<<"$rendered" | grep -qw templates &&
    fail "$page lists the subcommands under $options"
  zcat "$page" | grep -qxF -- "$name" || fail "$page has no NAME line '$name'"
done <<'EOF'
man1/xptable.1.gz|C.UTF-8|EXIT STATUS;COPYRIGHT;SEE ALSO|OPTIONS|xptable \- show, write and restore the experience table of Baldur's Gate 2 (xpbonus.2da)
ru/man1/xptable.1.gz|ru_RU.UTF-8|КОДЫ ВЫХОДА;COPYRIGHT;СМОТРИТЕ ТАКЖЕ|ПАРАМЕТРЫ|xptable \- показ, запись и восстановление таблицы опыта Baldur's Gate 2 (xpbonus.2da)
EOF

# What the completion offers for the words typed so far, the last one being completed.
mkdir -p "$work/game/xpbonus-backup"
touch "$work/game/xpbonus-backup/xpbonus-000001-20261207-161502.2da" \
  "$work/game/xpbonus-backup/xpbonus-000002-20261207-161544.none"
offered() {
  bash --norc --noprofile -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    $(complete -p xptable | sed -n "s/.*-F \([^ ]*\) .*/\1/p")
    printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | tr "\n" " "' \
    _ "$work/pkg/usr/share/bash-completion/completions/xptable" "$@"
}
# words before the one completed / the one completed / what is offered
while IFS=';' read -r words current want; do
  read -r -a typed <<<"$words"
  got="$(offered "${typed[@]}" "$current")"
  [ "${got% }" = "$want" ] || fail "completion of '$words $current' offers '${got% }', not '$want'"
done <<EOF
xptable;;backups restore show templates write
xptable;--;--help --version
xptable show;--;--help --json
xptable show;$work/ga;$work/game
xptable write $work/game --scrolls;;0 1 2 3 4 5 current
xptable write $work/game --locks 1;--;--dry-run --help --locks --scrolls --traps
xptable restore $work/game;;xpbonus-000001-20261207-161502.2da xpbonus-000002-20261207-161544.none
EOF

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "deb check: $deb passed ($(stat -c %s "$deb") bytes, command $(stat -c %s "$xptable") bytes, version $version)"
