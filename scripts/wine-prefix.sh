#!/usr/bin/env bash
# Makes the private Wine prefix once: boots it, installs the CJK font and the
# font replacements so that menus, dialogs and ANSI text render in GBK.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
# Registry settings of the prefix; a change to them is applied to an
# existing prefix without booting it again.
settings='REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"Courier New"="WenQuanYi Micro Hei Mono"
"Fixedsys"="WenQuanYi Micro Hei Mono"

; No window manager runs on the test display: windows that Wine leaves to
; one wait 2 s on every hide for an answer that never comes.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
; Fonts copied in: WenQuanYi Micro Hei, and Marlett for the caption buttons.
'
booted="$WINEPREFIX/.tarnwick-ready-2"
applied="$WINEPREFIX/.tarnwick-settings-$(printf '%s' "$settings" | md5sum | cut -c1-12)"
[ -f "$booted" ] && [ -f "$applied" ] && exit 0

if [ ! -f "$booted" ]; then
  echo "== making the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  LC_ALL=$TW_LC wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  touch "$booted"
fi
# Without Marlett in the prefix the window captions draw their buttons as
# the letters "0 1 r".
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/wine/fonts/marlett.ttf \
  "$WINEPREFIX/drive_c/windows/Fonts/"
reg=$(mktemp --suffix=.reg)
printf '%s' "$settings" > "$reg"
LC_ALL=$TW_LC wine regedit "$reg" >/dev/null 2>&1
rm -f "$reg"
rm -f "$WINEPREFIX"/.tarnwick-settings-*
touch "$applied"
