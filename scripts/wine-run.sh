#!/usr/bin/env bash
# CTest's emulator: runs one Windows program under the project's Wine setup.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
# A start that fails in Wine's loader (a DLL whose initialisation fails,
# STATUS_DLL_INIT_FAILED 0xC0000142; a DLL not found, 0xC0000135) ends
# before the program's main, so a GoogleTest program prints not even its
# "[==========]" line; the shell sees only the status's low byte (0x42 is
# 66). Wine's traces are off but for the loader's errors (wine-env.sh), so
# such a start names its DLL and the status in the test's output. Sixteen
# symbols_frame_test.exe run at once on one prefix and display all started
# and passed (13 s each), so parallel load alone does not make it fail.
exec env LC_ALL=$TW_LC wine "$@"
