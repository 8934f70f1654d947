# Sourced by every script that runs Wine: the project's private prefix and
# the environment each Wine call needs (code page 936, no Mono/Gecko prompts).
TARNWICK_CACHE=${TARNWICK_CACHE:-$HOME/.cache/tarnwick}
export TARNWICK_CACHE
export WINEPREFIX=${TARNWICK_WINEPREFIX:-$TARNWICK_CACHE/wineprefix}
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
# Code page 936 comes from LC_ALL on the Wine command alone (bash warns
# when the host lacks that locale, so it is not exported to the shell).
TW_LC=zh_CN.UTF-8
