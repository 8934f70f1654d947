# Sourced by every script that runs Wine: the project's private prefix and
# the environment each Wine call needs (code page 936, no Mono/Gecko prompts).
TARNWICK_CACHE=${TARNWICK_CACHE:-$HOME/.cache/tarnwick}
export TARNWICK_CACHE
export WINEPREFIX=${TARNWICK_WINEPREFIX:-$TARNWICK_CACHE/wineprefix}
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's own traces are off: a plain WINEDEBUG in the caller's environment
# would be overwritten here, so a trace is asked for with TARNWICK_WINEDEBUG
# (for instance TARNWICK_WINEDEBUG=+x11drv,+win). Under +x11drv a frame test
# logs thousands of "got ignored error" lines (BadDrawable on CreateGC,
# BadGC, BadMatch on SetInputFocus, for windows of zero size): those are
# errors Wine expects and drops. One that ends the program is printed as
# "X Error of failed request" with its major opcode.
# The loader's errors stay on: a start that fails before the program's main
# (a DLL whose initialisation fails, 0xC0000142, or one not found,
# 0xC0000135) prints nothing of its own, and the shell sees only the
# status's low byte (66, 53); with err+module Wine names the DLL and the
# full status ("... failed, status c0000142") in the test's output. A
# clean suite prints no such line.
export WINEDEBUG=${TARNWICK_WINEDEBUG:--all,err+module}
# Xlib caches the X resource database only once it has found a resource:
# with no ~/.Xdefaults and none on the display, every lookup Wine's X driver
# makes (several for each top-level window it creates, and for cursors)
# opened ~/.Xdefaults and ~/.Xdefaults-HOST again and asked uname, some
# eight thousand opens at one start of the editor. One resource ends that.
export XENVIRONMENT=${XENVIRONMENT:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/xresources}
# Code page 936 comes from LC_ALL on the Wine command alone (bash warns
# when the host lacks that locale, so it is not exported to the shell).
TW_LC=zh_CN.UTF-8
