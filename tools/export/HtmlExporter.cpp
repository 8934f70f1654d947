#include "HtmlExporter.h"

#include <scintilla/Scintilla.h>

#include "TextConversion.h"

namespace {

const char kScript[] =
    "<script language=\"JavaScript\" type=\"text/javascript\">\n"
    "<!--\n"
    "function symbol(id, sym) {\n"
    "if (id.textContent==undefined) {\n"
    "id.innerText=sym; } else {\n"
    "id.textContent=sym; }\n"
    "}\n"
    "function toggle(id) {\n"
    "var thislayer=document.getElementById('ln'+id);\n"
    "id-=1;\n"
    "var togline=document.getElementById('hd'+id);\n"
    "var togsym=document.getElementById('bt'+id);\n"
    "if (thislayer.style.display == 'none') {\n"
    "thislayer.style.display='block';\n"
    "togline.style.textDecoration='none';\n"
    "symbol(togsym,'- ');\n"
    "} else {\n"
    "thislayer.style.display='none';\n"
    "togline.style.textDecoration='underline';\n"
    "symbol(togsym,'+ ');\n"
    "}\n"
    "}\n"
    "//-->\n"
    "</script>\n";

// The HTML charset name of an ANSI code page.
std::string CharsetOf(unsigned codePage) {
    switch (codePage) {
    case 936: return "gbk";
    case 950: return "big5";
    case 932: return "shift_jis";
    case 949: return "euc-kr";
    default: return "windows-" + std::to_string(codePage);
    }
}

bool HasBytesAbove127(const StyledText& text) {
    for (size_t i = 0, n = text.Length(); i < n; ++i) {
        if (static_cast<unsigned char>(text.CharAt(i)) > 127) return true;
    }
    return false;
}

bool HasBytesAbove127(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 127) return true;
    }
    return false;
}

// The level of a line as the export counts it, and whether it heads a fold.
int LevelOf(const StyledText& text, int line) { return (text.FoldLevel(line) & SC_FOLDLEVELNUMBERMASK) - SC_FOLDLEVELBASE; }
bool IsHeader(const StyledText& text, int line) { return (text.FoldLevel(line) & SC_FOLDLEVELHEADERFLAG) != 0; }

}  // namespace

HtmlExportOptions HtmlExportOptions::Read(const PropertyMap& properties) {
    HtmlExportOptions options;
    options.tabSize = properties.GetInt("tabsize", 0);
    if (options.tabSize <= 0) options.tabSize = 4;
    options.wysiwyg = properties.GetInt("export.html.wysiwyg", 1) != 0;
    options.keepTabs = properties.GetInt("export.html.tabs", 0) != 0;
    options.folding = properties.GetInt("export.html.folding", 0) != 0;
    options.onlyUsedStyles = properties.GetInt("export.html.styleused", 0) != 0;
    options.fullPathTitle = properties.GetInt("export.html.title.fullpath", 0) != 0;
    return options;
}

void WriteXmlEscaped(ExportWriter& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out.Write("&amp;"); break;
        case '<': out.Write("&lt;"); break;
        case '>': out.Write("&gt;"); break;
        case '\t':
        case '\r':
        case '\n': out.Put(c); break;
        default: out.Put(static_cast<unsigned char>(c) < 0x20 ? '?' : c); break;
        }
    }
}

bool CHtmlExporter::Write(IByteSink& sink) {
    const StyledText& text = m_document.text;
    bool used[256] = {};
    if (m_options.onlyUsedStyles) {
        for (size_t i = 0, n = text.Length(); i < n; ++i) used[text.StyleAt(i) & 0x7F] = true;
    } else {
        for (bool& u : used) u = true;
    }
    used[kDefaultStyle] = true;

    ExportWriter out(sink);
    WriteHead(out, used);
    std::string defaultBack;
    WriteStyles(out, used, defaultBack);
    if (!defaultBack.empty()) {
        out.Write("<body bgcolor=\"");
        WriteXmlEscaped(out, defaultBack);
        out.Write("\">\n");
    } else {
        out.Write("<body>\n");
    }
    out.Write(m_options.wysiwyg ? "<span>" : "<pre>");
    WriteBody(out, used);
    out.Write(m_options.wysiwyg ? "</span>" : "</pre>");
    out.Write("\n</body>\n</html>\n");
    return out.Flush();
}

void CHtmlExporter::WriteHead(ExportWriter& out, const bool*) {
    std::string title = ExportTitle(m_document.path, m_options.fullPathTitle);
    // The path is in the ANSI code page; the page says UTF-8 for Unicode documents.
    const bool unicode = IsUnicodeEncoding(m_document.encoding);
    if (unicode) title = AnsiToUtf8(title, m_document.ansiCodePage);
    // Without a charset a reader guesses the page of the ANSI bytes. XML
    // readers take the code page only from the declaration, browsers from
    // the meta element: both name it.
    const bool ansiBytes = !unicode && (HasBytesAbove127(m_document.text) || HasBytesAbove127(title));
    const std::string charset = CharsetOf(m_document.ansiCodePage);
    if (ansiBytes) out.Printf("<?xml version=\"1.0\" encoding=\"%s\"?>\n", charset.c_str());
    out.Write(
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n");
    out.Write("<html xmlns=\"http://www.w3.org/1999/xhtml\">\n");
    out.Write("<head>\n<title>");
    WriteXmlEscaped(out, title);
    out.Write("</title>\n");
    out.Write("<meta name=\"Generator\" content=\"Tarnwick\" />\n");
    if (unicode) {
        out.Write("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n");
    } else if (ansiBytes) {
        out.Printf("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%s\" />\n", charset.c_str());
    }
    if (m_options.folding) out.Write(kScript);
}

void CHtmlExporter::WriteStyles(ExportWriter& out, bool* used, std::string& defaultBack) {
    out.Write("<style type=\"text/css\">\n");
    const CStyleSpec defaultStyle = ExportStyle(m_document, kDefaultStyle);
    if (defaultStyle.mask & CStyleSpec::kBack) defaultBack = defaultStyle.back;
    for (int style = 0; style < 256; ++style) {
        if (style > kDefaultStyle && style < 40) continue;
        if (!used[style]) continue;
        const CStyleSpec spec = ExportStyle(m_document, style);
        if (!spec.mask) {
            used[style] = false;
            continue;
        }
        if (style == kDefaultStyle)
            out.Write("span {\n");
        else
            out.Printf(".S%d {\n", style);
        if (spec.italics) out.Write("\tfont-style: italic;\n");
        if (spec.bold) out.Write("\tfont-weight: bold;\n");
        if (m_options.wysiwyg && (spec.mask & CStyleSpec::kFace) && !spec.face.empty()) {
            out.Write("\tfont-family: '");
            WriteXmlEscaped(out, spec.face);
            out.Write("';\n");
        }
        if (spec.mask & CStyleSpec::kFore) {
            out.Write("\tcolor: ");
            WriteXmlEscaped(out, spec.fore);
            out.Write(";\n");
        } else if (style == kDefaultStyle) {
            out.Write("\tcolor: #000000;\n");
        }
        if ((spec.mask & CStyleSpec::kBack) && style != kDefaultStyle && spec.back != defaultBack) {
            out.Write("\tbackground: ");
            WriteXmlEscaped(out, spec.back);
            out.Write(";\n");
        }
        if (m_options.wysiwyg && (spec.mask & CStyleSpec::kSize) && spec.size) out.Printf("\tfont-size: %dpt;\n", spec.size);
        out.Write("}\n");
    }
    out.Write("</style>\n");
    out.Write("</head>\n");
}

void CHtmlExporter::WriteBody(ExportWriter& out, const bool* used) {
    const StyledText& text = m_document.text;
    const size_t length = text.Length();
    const bool wysiwyg = m_options.wysiwyg;
    const bool folding = m_options.folding;
    int level = 0;
    int openRegions = 0;  // "ln" spans still open
    bool headerOpen = false;
    auto openLine = [&](int line) {
        if (IsHeader(text, line)) {
            out.Printf("<span id=\"hd%d\" onclick=\"toggle('%d')\">", line, line + 1);
            out.Printf("<span id=\"bt%d\">- </span>", line);
            headerOpen = true;
        } else {
            out.Write("&nbsp; ");
        }
    };
    if (folding) {
        level = LevelOf(text, 0);
        openLine(0);
    }
    int current = length ? text.StyleAt(0) & 0x7F : 0;
    bool spanOpen = false;
    auto openStyle = [&](int style) {
        current = style;
        if (used[style]) {
            out.Printf("<span class=\"S%d\">", style);
            spanOpen = true;
        }
    };
    auto closeStyle = [&]() {
        if (spanOpen) out.Write("</span>");
        spanOpen = false;
    };
    if (length) openStyle(current);

    int column = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = text.CharAt(i);
        const int style = text.StyleAt(i) & 0x7F;
        const bool lineEnd = c == '\r' || c == '\n';
        if (style != current) {
            closeStyle();
            current = style;
            if (!lineEnd) openStyle(style);
        }
        if (c == '\t') {
            const int positions = m_options.tabSize - column % m_options.tabSize;
            if (wysiwyg) {
                for (int k = 0; k < positions; ++k) out.Write(k % 2 == 0 ? "&nbsp;" : " ");
            } else if (!m_options.keepTabs) {
                for (int k = 0; k < positions; ++k) out.Put(' ');
            } else {
                out.Put('\t');
            }
            column += positions;
        } else if (lineEnd) {
            closeStyle();
            if (headerOpen) out.Write("</span>");
            headerOpen = false;
            if (c == '\r' && text.CharAt(i + 1) == '\n') ++i;
            column = 0;
            if (wysiwyg) out.Write("<br />");
            if (folding) {
                const int nextLine = text.LineFromPosition(i + 1);
                const int nextLevel = LevelOf(text, nextLine);
                // Several regions can end on one line (a dedent of more than one level).
                for (int drop = level - nextLevel; drop > 0 && openRegions > 0; --drop, --openRegions) out.Write("</span>");
                out.Put('\n');
                if (nextLevel > level) {
                    out.Printf("<span id=\"ln%d\">", nextLine);
                    ++openRegions;
                }
                openLine(nextLine);
                level = nextLevel;
            } else {
                out.Put('\n');
            }
            if (i + 1 < length) {
                const char next = text.CharAt(i + 1);
                if (next != '\r' && next != '\n') openStyle(text.StyleAt(i + 1) & 0x7F);
                else current = text.StyleAt(i + 1) & 0x7F;
            }
        } else if (c == ' ' && wysiwyg) {
            size_t end = i;
            while (end < length && text.CharAt(end) == ' ') ++end;
            const bool atLineStart = column == 0;
            for (size_t k = i; k < end; ++k) out.Write(k == i && !atLineStart ? " " : "&nbsp;");
            column += static_cast<int>(end - i);
            i = end - 1;
        } else if (static_cast<unsigned char>(c) >= 0x80 && IsUnicodeEncoding(m_document.encoding)) {
            // A byte that is not part of a UTF-8 character would make the
            // whole file unreadable as XML.
            size_t next = i;
            NextCodePoint(text, next);
            const bool valid = next - i > 1;
            for (size_t k = i; valid && k < next; ++k) out.Put(text.CharAt(k));
            if (!valid) out.Put('?');
            i = next - 1;
            ++column;
        } else {
            const char one[1] = {c};
            WriteXmlEscaped(out, std::string_view(one, 1));
            ++column;
        }
    }
    closeStyle();
    if (headerOpen) out.Write("</span>");
    for (; openRegions > 0; --openRegions) out.Write("</span>");
}
