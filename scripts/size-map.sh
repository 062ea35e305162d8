#!/usr/bin/env bash
# What takes the space in a linked program: sums a GNU ld map file by contributor, the
# program's own object files one by one and each static library as a whole (with
# --members, each library member on its own). Loaded sections only, largest first.
#   bash scripts/size-map.sh [--members] build-win/XpTableEditor.map [count]
set -euo pipefail
members=0
if [ "${1:-}" = --members ]; then members=1; shift; fi
map="$1"
count="${2:-15}"
awk -v members="$members" '
  function hex(s,   v, i) {
    v = 0; s = tolower(substr(s, 3))
    for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
    return v
  }
  /^Linker script and memory map/ { on = 1; next }
  !on { next }
  # An output section starts in the first column; debug sections are not loaded.
  /^[.A-Za-z_]/ { loaded = ($1 !~ /^\.debug/); pending = 0; next }
  !loaded { next }
  # An input section: " .name addr size file", or the name alone and the rest on the next line.
  /^ [.A-Za-z_*]/ && NF == 1 { pending = 1; next }
  {
    if (pending && $1 ~ /^0x/ && $2 ~ /^0x/ && NF >= 3) { size = hex($2); file = $3 }
    else if ($1 !~ /^0x/ && $2 ~ /^0x/ && $3 ~ /^0x/ && NF >= 4) { size = hex($3); file = $4 }
    else { pending = 0; next }
    pending = 0
    if (size == 0) next
    if (file == "dll") file = "(linker: relocations, import tables)"
    n = split(file, parts, "/"); name = parts[n]
    if (!members && name ~ /\.a\(/) sub(/\(.*/, "", name)
    total[name] += size; all += size
  }
  END {
    for (k in total) printf "%9d  %5.1f%%  %s\n", total[k], 100 * total[k] / all, k
    printf "%9d  100.0%%  all loaded input sections\n", all
  }
' "$map" | sort -rn | head -n "$((count + 1))"
