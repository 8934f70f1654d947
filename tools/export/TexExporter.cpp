#include "TexExporter.h"

#include <cstdio>

#include "HexColour.h"

namespace {

constexpr int kLinesPerParagraph = 1000;

std::string TexColour(const std::string& colour) {
    const COLORREF value = ColourFromString(colour);
    char text[48];
    std::snprintf(text, sizeof text, "%.1f, %.1f, %.1f", GetRValue(value) / 256.0, GetGValue(value) / 256.0,
                  GetBValue(value) / 256.0);
    return text;
}

void WriteMacro(ExportWriter& out, int style, const CStyleSpec& spec) {
    out.Printf("\\newcommand{\\ed%s}[1]{\\noindent{\\ttfamily{", TexStyleName(style).c_str());
    int braces = 3;
    if (spec.italics) {
        out.Write("\\textit{");
        ++braces;
    }
    if (spec.bold) {
        out.Write("\\textbf{");
        ++braces;
    }
    if (spec.mask & CStyleSpec::kFore) {
        out.Printf("\\textcolor[rgb]{%s}{", TexColour(spec.fore).c_str());
        ++braces;
    }
    if (spec.mask & CStyleSpec::kBack) {
        out.Printf("\\colorbox[rgb]{%s}{", TexColour(spec.back).c_str());
        ++braces;
    }
    out.Write("#1");
    for (; braces > 0; --braces) out.Put('}');
    out.Put('\n');
}

}  // namespace

std::string TexStyleName(int style) {
    std::string name;
    do {
        name += static_cast<char>('a' + style % 24);
        style /= 24;
    } while (style > 0);
    return name;
}

void WriteTexEscaped(ExportWriter& out, char c, char next) {
    switch (c) {
    case '#': case '$': case '%': case '&': case '_': case '{': case '}':
        out.Put('\\');
        out.Put(c);
        break;
    // "\\^" and "\\~" would be accents over the next character.
    case '^': out.Write("\\textasciicircum{}"); break;
    case '~': out.Write("\\textasciitilde{}"); break;
    case '<': case '>': case '@':
        out.Put('$');
        out.Put(c);
        out.Put('$');
        break;
    case '\\': out.Write("{\\textbackslash}"); break;
    // The T1 fonts print these two as curly quotes, and pairs of them as
    // one double quote: code must read as it was typed.
    case '\'': out.Write("\\textquotesingle{}"); break;
    case '`': out.Write("\\textasciigrave{}"); break;
    case '-': case ',':
        // "--" and ",," would be set as one dash or one low quote.
        out.Put(c);
        if (next == c) out.Write("{}");
        break;
    default:
        // Control characters are invalid input to LaTeX.
        out.Put(static_cast<unsigned char>(c) < 0x20 ? '?' : c);
        break;
    }
}

bool CTexExporter::Write(IByteSink& sink) {
    const StyledText& text = m_document.text;
    const size_t length = text.Length();
    const PropertyMap& properties = m_document.properties;
    int tabSize = properties.GetInt("tabsize", 0);
    if (tabSize <= 0) tabSize = 4;
    const bool fullPath = properties.GetInt("export.tex.title.fullpath", 0) != 0;

    bool used[128] = {};
    for (size_t i = 0; i < length; ++i) used[text.StyleAt(i) & 0x7F] = true;
    used[kDefaultStyle] = true;

    ExportWriter out(sink);
    out.Write(
        "\\documentclass[a4paper]{article}\n"
        "\\usepackage[a4paper,margin=2cm]{geometry}\n"
        "\\usepackage[T1]{fontenc}\n"
        "\\usepackage{color}\n"
        "\\usepackage{alltt}\n"
        "\\usepackage{times}\n");
    for (int style = 0; style < 128; ++style) {
        if (!used[style]) continue;
        // Every style of the body needs its macro, keys or none.
        WriteMacro(out, style, ExportStyle(m_document, style));
    }
    out.Write("\\begin{document}\n\n");
    out.Write("Source File: ");
    const std::string title = ExportTitle(m_document.path, fullPath);
    for (size_t k = 0; k < title.size(); ++k) WriteTexEscaped(out, title[k], k + 1 < title.size() ? title[k + 1] : 0);
    // Likewise before the first run.
    out.Write("\n\n\\noindent\n\\tiny{%\n");

    int previous = length ? text.StyleAt(0) & 0x7F : kDefaultStyle;
    out.Printf("\\ed%s{", TexStyleName(previous).c_str());
    int column = 0;
    int lines = 0;
    bool runStart = true;
    for (size_t i = 0; i < length; ++i) {
        const char c = text.CharAt(i);
        const int style = text.StyleAt(i) & 0x7F;
        if (style != previous) {
            // The '%' keeps the line end from becoming a blank between the runs.
            out.Printf("}%%\n\\ed%s{", TexStyleName(style).c_str());
            previous = style;
            runStart = true;
        }
        const bool first = runStart;
        runStart = false;
        if (c == '\t') {
            const int positions = tabSize - column % tabSize;
            out.Printf("\\hspace*{%dem}", positions);
            column += positions;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && text.CharAt(i + 1) == '\n') ++i;
            // The run goes on after the break in the style that follows.
            if (i + 1 < length) previous = text.StyleAt(i + 1) & 0x7F;
            // TeX holds a whole paragraph in memory: now and then a line
            // ends the paragraph instead, which looks the same.
            const bool paragraph = ++lines % kLinesPerParagraph == 0;
            out.Printf(paragraph ? "}\\par\n\\ed%s{" : "} \\\\\n\\ed%s{", TexStyleName(previous).c_str());
            column = 0;
            runStart = true;
        } else if (c == ' ') {
            if (text.CharAt(i + 1) == ' ')
                out.Write("{\\hspace*{1em}}");
            else if (column == 0)
                // A line break drops the glue that follows it; the empty box
                // before the blank keeps it.
                out.Write("\\mbox{}\\ ");
            else if (first)
                // The colour macros look ahead past blanks and swallow them.
                out.Write("\\ ");
            else
                out.Put(' ');
            ++column;
        } else {
            // Only these two pair up; reading ahead for every character
            // would cost a look-up each.
            WriteTexEscaped(out, c, c == '-' || c == ',' ? text.CharAt(i + 1) : 0);
            ++column;
        }
    }
    out.Write("}\n} %end tiny\n\n\\end{document}\n");
    return out.Flush();
}
