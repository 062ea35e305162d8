#!/usr/bin/env bash
# Writes the manual pages of the command, OUT/xptable.1 and OUT/xptable.ru.1, from its own
# help in each language and packaging/xptable*.h2m. Run by debian/rules.
#   bash scripts/manpages.sh BUILT-XPTABLE OUT
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
command="$1" out="$2"
mkdir -p "$out"

# help2man names its headings in Russian only under a Russian locale; a build machine may
# have none, so one is made beside the pages from the sources the package locales holds.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\?8'; then
  mkdir -p "$out/locale"
  localedef -i ru_RU -f UTF-8 -c "$out/locale/ru_RU.UTF-8" >/dev/null 2>&1 || true
  [ -d "$out/locale/ru_RU.UTF-8" ] || { echo "cannot make the locale ru_RU.UTF-8" >&2; exit 1; }
  export LOCPATH="$out/locale"
fi

# page / locale / include file
while read -r page locale include; do
  help2man -N -L "$locale" -i "$root/packaging/$include" -o "$out/$page.tmp" "$command"
  # The subcommands get a section of their own from the include file: the short list that
  # help2man takes from --help into OPTIONS (its one subsection) would say it twice.
  awk '/^\.SS / { skip = 1; next } /^\.SH / { skip = 0 } !skip' "$out/$page.tmp" >"$out/$page"
  rm "$out/$page.tmp"
done <<'PAGES'
xptable.1 C.UTF-8 xptable.h2m
xptable.ru.1 ru_RU.UTF-8 xptable.ru.h2m
PAGES
