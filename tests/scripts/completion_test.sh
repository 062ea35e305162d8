#!/usr/bin/env bash
# The bash completion as a user meets it: an interactive bash with bash-completion loaded,
# on a pseudo-terminal, keys typed and TAB pressed (tests/scripts/completion_pty.py). HOME
# and every game folder lie in a folder of the test's own.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
loader=/usr/share/bash-completion/bash_completion
[ -r "$loader" ] || { echo "completion test: bash-completion is not installed ($loader)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
quoted="$work/games/Baldur's Gate II"
mkdir -p "$quoted/xpbonus-backup"
touch "$quoted/chitin.key" "$quoted/xpbonus-backup/xpbonus-000001-20261207-161502.2da" \
  "$quoted/xpbonus-backup/xpbonus-000002-20261207-161544.none" \
  "$work/games/table.2da" "$work/games/table.txt"
# The shell's xptable prints the words it is given, one per line.
cat >"$work/rc" <<RC
source $loader
source "$root/packaging/xptable.bash-completion"
xptable() { printf 'ARG<%s>\n' "\$@"; echo XPTABLE-DONE; }
RC

a='xpbonus-000001-20261207-161502.2da' b='xpbonus-000002-20261207-161544.none'
# keys typed (\t TAB, \e* every offer into the line) | the words the command gets
timeout 120 python3 "$root/tests/scripts/completion_pty.py" "$work" "$work/rc" <<CASES
xptable restore games/Baldur\\'s\\ Gate\\ II \\e*|restore|games/Baldur's Gate II|$a|$b
xptable restore "games/Baldur's Gate II" \\e*|restore|games/Baldur's Gate II|$a|$b
xptable restore ~/games/Baldur\\'s\\ Gate\\ II \\e*|restore|$quoted|$a|$b
xptable backups "games/Bal\\t|backups|games/Baldur's Gate II/
xptable write games/Baldur\\'s\\ Gate\\ II/xp\\t|write|games/Baldur's Gate II/xpbonus-backup/
xptable show games/t\\t|show|games/table.2da
xptable write --scrolls 5:1,2 gam\\t|write|--scrolls|5:1,2|games/
xptable write games/bg2 --locks=\\e*|write|games/bg2|--locks=0|1|2|3|4|5|current
CASES
echo "completion test: passed"
