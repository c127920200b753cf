#!/usr/bin/env bash
# Puts SQLite's amalgamation (sqlite3.c and sqlite3.h), which the Windows builds compile
# into the program, into a cache folder outside the tracked files:
#   tools/sqlite-amalgamation.sh [DIR]      (default: build/deps/sqlite-amalgamation)
# The files come from one pinned registry package that ships them and must match the
# pinned SHA-256 sums; a mismatch fails loudly and leaves the cache as it was.
# Nothing is fetched when the cache already holds the right files.
set -euo pipefail

package=better-sqlite3
version=12.11.1  # ships SQLite 3.53.2 in deps/sqlite3/
sqlite_c_sha256=60d2f39a3726cd6b9021da6f4e868608d66fbb6528a9f513dc8ffcc640493422
sqlite_h_sha256=9e69a1353a4288450b0d5239ede11fc7f1f4c8e5eb07491fc8317eacb5b7de7e

top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$top/build/deps/sqlite-amalgamation}

matches() {  # matches FOLDER: both files there with the pinned sums
  [ -f "$1/sqlite3.c" ] && [ -f "$1/sqlite3.h" ] &&
    echo "$sqlite_c_sha256  $1/sqlite3.c
$sqlite_h_sha256  $1/sqlite3.h" | sha256sum --check --status -
}

matches "$dir" && exit 0

command -v npm >/dev/null || { echo "sqlite-amalgamation: npm is missing (run tools/setup.sh)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "sqlite-amalgamation: fetching $package@$version"
(cd "$work" && npm pack --silent "$package@$version" >/dev/null)
tar -xzf "$work/$package-$version.tgz" -C "$work" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
if ! matches "$work/package/deps/sqlite3"; then
  echo "sqlite-amalgamation: ERROR: $package@$version does not hold the pinned sqlite3.c/sqlite3.h" >&2
  sha256sum "$work/package/deps/sqlite3/sqlite3.c" "$work/package/deps/sqlite3/sqlite3.h" >&2
  exit 1
fi
mkdir -p "$dir"
mv -f "$work/package/deps/sqlite3/sqlite3.c" "$work/package/deps/sqlite3/sqlite3.h" "$dir/"
echo "sqlite-amalgamation: $dir"
