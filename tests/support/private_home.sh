#!/bin/sh
# Usage: private_home.sh COMMAND [ARGUMENT...]
# Runs one test with the user's folders (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME,
# XDG_RUNTIME_DIR) and TMPDIR in a new folder of its own, so that nothing a test does reaches the
# user's files, and fails the test when it leaves anything in the home, configuration, data or
# temporary folder. The cache and the runtime folder belong to the libraries (font caches, Qt's
# runtime files) and are only removed.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/pipwick-test-XXXXXX") || exit 1
mkdir "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime" "$root/tmp"
chmod 700 "$root/runtime"
# A run stopped from outside leaves nothing behind either.
trap 'chmod -R u+rwx "$root" 2>/dev/null; rm -rf "$root"; exit 130' INT TERM HUP
HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data \
    XDG_CACHE_HOME=$root/cache XDG_RUNTIME_DIR=$root/runtime TMPDIR=$root/tmp "$@"
status=$?
left=$(cd "$root" && find home config data tmp -mindepth 1 | sort)
if [ -n "$left" ]; then
    echo "private_home: the test left these behind in its user's folders:"
    echo "$left"
    [ "$status" -eq 0 ] && status=1
fi
chmod -R u+rwx "$root" 2>/dev/null
rm -rf "$root"
exit "$status"
