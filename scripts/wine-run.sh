#!/usr/bin/env bash
# CTest's emulator: runs one Windows program under the project's Wine setup.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
exec env LC_ALL=$TW_LC wine "$@"
