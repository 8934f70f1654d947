#!/usr/bin/env bash
# Makes the private Wine prefix once: boots it, installs the CJK font and the
# font replacements so that menus, dialogs and ANSI text render in GBK.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.tarnwick-ready-2"
[ -f "$stamp" ] && exit 0
echo "== making the Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
LC_ALL=$TW_LC wineboot -i >/dev/null 2>&1 || true
wineserver -w
font=$(ls /usr/share/fonts/truetype/wqy/wqy-microhei.ttc)
cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"Courier New"="WenQuanYi Micro Hei Mono"
"Fixedsys"="WenQuanYi Micro Hei Mono"
REG
LC_ALL=$TW_LC wine regedit "$reg" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$stamp"
