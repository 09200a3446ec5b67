#!/bin/sh
# Runs the map page tests: installs the pinned driver (playwright-core,
# from package-lock.json) into WORK_DIR when its lock changed, then the
# tests against the pages in PAGES_DIR, in Debian's Chromium.
#   run-page-tests.sh PAGES_DIR WORK_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
pages=$1
work=$2
mkdir -p "$work"
if ! cmp -s "$here/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules" ]; then
    cp "$here/package.json" "$here/package-lock.json" "$work/"
    (cd "$work" && npm ci --no-audit --no-fund --loglevel=error)
fi
OSTRILEX_MAP_PAGES=$pages NODE_PATH="$work/node_modules" exec node --test "$here/map-pages.test.js"
