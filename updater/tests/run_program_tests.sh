#!/usr/bin/env bash
# Runs the updater's program tests around the loopback update server on
# 127.0.0.1:80, the updater's fixed port. The port is one per machine, so
# runs from several build trees take turns on a lock; the test that needs
# no server listening runs first.
#   run_program_tests.sh PYTHON SERVER_SCRIPT SERVER_DIR TEST_EXE
set -u
python=$1 server=$2 dir=$3 test_exe=$4
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
exec 9>/tmp/tarnwick-port80.lock
flock -w 300 9 || { echo "port 80 stayed taken" >&2; exit 1; }
status=0
GTEST_FILTER='*NoServer*' "$here/wine-run.sh" "$test_exe" || status=1
"$python" "$server" start --root "$dir/root" --log "$dir/server.log" --pidfile "$dir/server.pid" --lifetime 600 || exit 1
GTEST_FILTER='-*NoServer*' "$here/wine-run.sh" "$test_exe" || status=1
"$python" "$server" stop --pidfile "$dir/server.pid"
exit $status
