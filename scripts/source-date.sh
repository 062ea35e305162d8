#!/usr/bin/env bash
# Prints the time the release files carry, as seconds since 1970: SOURCE_DATE_EPOCH when it
# is set, else the last commit's time, else (an export without .git, a checkout git refuses
# as another user's) the date of the newest entry in debian/changelog. Never the clock's.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
elif stamp="$(git -C "$root" log -1 --format=%ct 2>/dev/null)" && [ -n "$stamp" ]; then
  echo "$stamp"
else
  dpkg-parsechangelog -l "$root/debian/changelog" -STimestamp
fi
