#!/usr/bin/env bash
# Checks the exported files with real readers: xmllint (well-formed, and
# valid against the XHTML DTD through the system catalog, offline), unrtf,
# qpdf and pdftotext, pdflatex. Arguments: the fixture program, a scratch
# folder.
set -uo pipefail
here=$(cd "$(dirname "$0")/../../.." && pwd)
program=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for reader in xmllint unrtf qpdf pdftotext pdflatex; do
  command -v $reader >/dev/null || { echo "FAIL: $reader is missing (make deps installs it)"; exit 1; }
done

# Wine's drive Z: is the Unix root.
"$here/scripts/wine-run.sh" "$program" "Z:${out//\//\\}" || fail "the fixture program"

# The text a reader gives back must hold each of the given pieces.
expect_text() {
  local what=$1 text=$2; shift 2
  for piece in "$@"; do
    grep -qF -- "$piece" <<<"$text" || fail "$what: \"$piece\" not in the text"
  done
}

for f in "$out"/*.html; do
  # The DTD (offline, through the system catalog) defines &nbsp;.
  xmllint --noout --nonet --loaddtd "$f" || fail "xmllint $f"
  xmllint --noout --nonet --valid "$f" || fail "xmllint --valid $f"
done

for f in "$out"/*.rtf; do
  text=$(unrtf --text "$f" 2>/dev/null) || fail "unrtf $f"
  case $(basename "$f") in
    sample.rtf) expect_text "$f" "$text" 'int main() {' 'x = "{[(\\)]}";' '// 50% of #1: a^b ~c $d _e @f' ;;
    large.rtf) expect_text "$f" "$text" 'value_0 = compute(0);' 'value_99999 = compute(89);' ;;
  esac
done

for f in "$out"/*.pdf; do
  qpdf --check "$f" >/dev/null || fail "qpdf --check $f"
  text=$(pdftotext -layout "$f" - 2>/dev/null) || fail "pdftotext $f"
  case $(basename "$f") in
    sample.pdf) expect_text "$f" "$text" 'int main() {' '"{[(\\)]}"' '// 50% of #1: a^b ~c $d _e @f' ;;
    large.pdf) expect_text "$f" "$text" 'value_0 = compute(0);' 'value_99999 = compute(89);' ;;
    # Through the predefined Chinese font, whose CMaps poppler-data brings.
    chinese*.pdf) expect_text "$f" "$text" '中文 text，编辑器。' ;;
  esac
done
pages=$(pdfinfo "$out/large.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
[[ $pages == 1852 ]] || fail "large.pdf has $pages pages, not 1852"

for f in "$out"/*.tex; do
  name=$(basename "$f" .tex)
  # A job name of its own, so that the export's own PDF stays.
  (cd "$out" && pdflatex -interaction=nonstopmode -halt-on-error -jobname "$name-latex" "$name.tex" >/dev/null 2>&1) ||
    { fail "pdflatex $f"; grep -A3 '^!' "$out/$name-latex.log" | head -8; continue; }
  text=$(pdftotext "$out/$name-latex.pdf" - 2>/dev/null)
  case $name in
    sample) expect_text "$f" "$text" 'Source File: sample.tex' 'main()' 'done^~' ;;
    odd_name\&) expect_text "$f" "$text" 'Source File: odd_name&.tex' ;;
    tokens)
      # Every character back as typed, blanks and character pairs too. The
      # raw text drops a line's leading blanks (and the layout widens the
      # padding of coloured boxes), so the layout shows the indent.
      diff <(pdftotext -raw -nopgbrk "$out/$name-latex.pdf" - | sed -e '1d' -e '$d') \
        <(sed 's/^ *//' "$out/tokens.expected") || fail "$f: the text read back differs from tokens.expected"
      expect_text "$f" "$(pdftotext -layout "$out/$name-latex.pdf" -)" ' x = y;' ;;
  esac
done

if ((failures)); then
  echo "$failures reader checks failed"
  exit 1
fi
echo "every exported file passed its reader"
