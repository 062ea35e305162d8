#!/usr/bin/env bash
# Prints the time the release files carry, as seconds since 1970: SOURCE_DATE_EPOCH when it
# is set, else the last commit's time, else (an export without .git, even one inside another
# repository, or a checkout git refuses as another user's) the date of the newest entry in
# debian/changelog. Never the clock's.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd -P)"  # as git names it, links resolved
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
elif [ "$(git -C "$root" rev-parse --show-toplevel 2>/dev/null)" = "$root" ] &&
  stamp="$(git -C "$root" log -1 --format=%ct 2>/dev/null)" && [ -n "$stamp" ]; then
  echo "$stamp"
else
  dpkg-parsechangelog -l "$root/debian/changelog" -STimestamp
fi
