#!/usr/bin/env bash
# Runs the end-to-end tests (label e2e: quillon-cli and quillon-sim on pseudo-terminals, in real time)
# as a user who is not root, as technicians run the program. Root passes the exclusive mode of a tty, so
# a port that stays locked after it is closed only shows in an unprivileged run. Needs a built build/
# (scripts/setup.sh). Run as root it drops to the user "nobody" (QUILLON_TEST_USER and
# QUILLON_TEST_GROUP choose others); run as any other user it runs the tests as that user. Extra
# arguments go to ctest (default: -L e2e).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -eq 0 ]; then
    set -- -L e2e
fi
if [ "$(id -u)" -ne 0 ]; then
    exec ctest --test-dir build --output-on-failure -j2 "$@"
fi

user="${QUILLON_TEST_USER:-nobody}"
group="${QUILLON_TEST_GROUP:-nogroup}"
scratch="$(mktemp -d)"
# The build tree belongs to root. The tests only read build/bin; CTest writes its logs to build/Testing,
# Qt wants the tests' runtime directory (build/xdg-runtime) to be the user's own, and the programs keep
# their device history in the tests' data folder (build/xdg-data). Hand those over for the run and give
# them back afterwards, so that root's runs keep working.
mkdir -p build/Testing build/xdg-runtime build/xdg-data
# The user must reach the tree: a clone inside a private folder (root's home, a 0700 work folder) is
# closed to it. Open the way (search permission only, no listing) on each folder above the tree that
# closes it, and say so.
folder="$(pwd)"
while [ "$folder" != "/" ]; do
    if ! setpriv --reuid="$user" --regid="$group" --clear-groups test -x "$folder"; then
        echo "== Letting $user pass through $folder (o+x) to reach the build"
        chmod o+x "$folder"
    fi
    folder="$(dirname "$folder")"
done
chown "$user:$group" "$scratch"
chown -R "$user:$group" build/Testing build/xdg-runtime build/xdg-data
restore() {
    chown -R 0:0 build/Testing build/xdg-runtime build/xdg-data
    rm -rf "$scratch"
}
trap restore EXIT

echo "== Running ctest $* as $user"
setpriv --reuid="$user" --regid="$group" --clear-groups \
    env HOME="$scratch" TMPDIR="$scratch" \
    ctest --test-dir build --output-on-failure -j2 "$@"
