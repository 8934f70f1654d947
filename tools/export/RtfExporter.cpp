#include "RtfExporter.h"

#include <windows.h>

#include <algorithm>

#include "HexColour.h"

namespace {

constexpr size_t kMaxFace = 63;

std::string Word(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Writes one UTF-16 unit as "\uN" (N signed, as RTF reads it).
void WriteUnicodeUnit(ExportWriter& out, unsigned unit) {
    out.Printf("\\u%d", unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit));
}

void WriteCodePoint(ExportWriter& out, unsigned code, const char* fallback) {
    if (code > 0xFFFF) {
        code -= 0x10000;
        WriteUnicodeUnit(out, 0xD800 + (code >> 10));
        out.Write(fallback);
        WriteUnicodeUnit(out, 0xDC00 + (code & 0x3FF));
    } else {
        WriteUnicodeUnit(out, code);
    }
    out.Write(fallback);
}

}  // namespace

RtfExportOptions RtfExportOptions::Read(const PropertyMap& properties) {
    RtfExportOptions options;
    const std::string tabSize = properties.GetExpanded("export.rtf.tabsize");
    options.tabSize = tabSize.empty() ? properties.GetInt("tabsize", 0) : std::atoi(tabSize.c_str());
    if (options.tabSize <= 0) options.tabSize = 4;
    options.wysiwyg = properties.GetInt("export.rtf.wysiwyg", 1) != 0;
    options.face = properties.GetExpanded("export.rtf.font.face");
    options.size = properties.GetInt("export.rtf.font.size", 0);
    options.characterSet = static_cast<unsigned>(properties.GetInt("character.set", 1));
    options.keepTabs = properties.GetInt("export.rtf.tabs", 0) != 0;
    return options;
}

CRtfExporter::CRtfExporter(const ExportDocument& document, size_t start, long long end)
    : m_document(document), m_options(RtfExportOptions::Read(document.properties)) {
    const size_t length = document.text.Length();
    m_end = end < 0 ? length : std::min(length, static_cast<size_t>(end));
    m_start = std::min(start, m_end);
}

int CRtfExporter::FontIndex(ExportWriter& out, const std::string& face) {
    const std::string name = face.substr(0, kMaxFace);
    auto found = std::find(m_fonts.begin(), m_fonts.end(), name);
    if (found != m_fonts.end()) return static_cast<int>(found - m_fonts.begin());
    m_fonts.push_back(name);
    const int index = static_cast<int>(m_fonts.size()) - 1;
    out.Printf("{\\f%d\\fnil\\fcharset%u %s;}", index, m_options.characterSet, name.c_str());
    return index;
}

int CRtfExporter::ColourIndex(const std::string& colour) {
    auto found = std::find(m_colours.begin(), m_colours.end(), colour);
    if (found != m_colours.end()) return static_cast<int>(found - m_colours.begin());
    m_colours.push_back(colour);
    return static_cast<int>(m_colours.size()) - 1;
}

CRtfExporter::Words CRtfExporter::StyleWords(ExportWriter& out, int style, const CStyleSpec& defaultStyle) {
    const CStyleSpec spec = ExportStyle(m_document, style);
    if (!spec.mask) return {"\\f0", Word("\\fs%d", m_halfPoints), "\\cf0", "\\highlight1", "\\b0", "\\i0"};
    Words words;
    words.push_back(Word("\\f%d", m_options.wysiwyg && (spec.mask & CStyleSpec::kFace) ? FontIndex(out, spec.face) : 0));
    words.push_back(Word("\\fs%d", m_options.wysiwyg && (spec.mask & CStyleSpec::kSize) ? spec.size * 2 : m_halfPoints));
    words.push_back(Word("\\cf%d", spec.mask & CStyleSpec::kFore ? ColourIndex(spec.fore) : 0));
    words.push_back(Word("\\highlight%d", spec.mask & CStyleSpec::kBack ? ColourIndex(spec.back) : 1));
    words.push_back((spec.mask & CStyleSpec::kBold ? spec.bold : defaultStyle.bold) ? "\\b" : "\\b0");
    words.push_back((spec.mask & CStyleSpec::kItalics ? spec.italics : defaultStyle.italics) ? "\\i" : "\\i0");
    return words;
}

bool CRtfExporter::Write(IByteSink& sink) {
    const StyledText& text = m_document.text;
    const CStyleSpec defaultStyle = ExportStyle(m_document, kDefaultStyle);
    int points = m_options.size;
    if (points < 1) points = defaultStyle.mask & CStyleSpec::kSize ? defaultStyle.size : 10;
    if (points < 1) points = 10;
    m_halfPoints = points * 2;
    std::string face = m_options.face;
    if (face.empty()) face = (defaultStyle.mask & CStyleSpec::kFace) && !defaultStyle.face.empty() ? defaultStyle.face : "Courier New";

    bool ansiBytes = false;
    if (!IsUnicodeEncoding(m_document.encoding)) {
        for (size_t i = m_start; i < m_end && !ansiBytes; ++i) ansiBytes = static_cast<unsigned char>(text.CharAt(i)) > 127;
    }

    ExportWriter out(sink);
    // The code page only where ANSI text needs it, so that ASCII exports
    // keep their plain header.
    if (ansiBytes)
        out.Printf("{\\rtf1\\ansi\\ansicpg%u\\deff0\\deftab720{\\fonttbl", m_document.ansiCodePage);
    else
        out.Write("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl");
    FontIndex(out, face);
    m_colours = {defaultStyle.fore, defaultStyle.back};
    Words styles[kDefaultStyle + 1];
    for (int style = 0; style <= kDefaultStyle; ++style) styles[style] = StyleWords(out, style, defaultStyle);
    out.Write("}{\\colortbl");
    for (const std::string& colour : m_colours) {
        const COLORREF value = ColourFromString(colour);
        out.Printf("\\red%d\\green%d\\blue%d;", GetRValue(value), GetGValue(value), GetBValue(value));
    }
    out.Printf("}\n\\f0\\fs%d\\cf0 ", m_halfPoints);

    Words current = {"\\f0", Word("\\fs%d", m_halfPoints), "\\cf0", "\\highlight1", "\\b0", "\\i0"};
    int currentStyle = -1;
    int column = 0;
    for (size_t i = m_start; i < m_end;) {
        int style = text.StyleAt(i);
        if (style > kDefaultStyle) style = 0;
        if (style != currentStyle) {
            bool wrote = false;
            for (size_t w = 0; w < current.size(); ++w) {
                if (styles[style][w] != current[w]) {
                    out.Write(styles[style][w]);
                    wrote = true;
                }
            }
            if (wrote) out.Put(' ');
            current = styles[style];
            currentStyle = style;
        }
        WriteCharacter(out, i, column);
    }
    out.Put('}');
    return out.Flush();
}

void CRtfExporter::WriteCharacter(ExportWriter& out, size_t& i, int& column) {
    const StyledText& text = m_document.text;
    const char c = text.CharAt(i);
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\t') {
        if (m_options.keepTabs) {
            out.Write("\\tab ");
            ++column;
        } else {
            const int blanks = m_options.tabSize - column % m_options.tabSize;
            for (int k = 0; k < blanks; ++k) out.Put(' ');
            column += blanks;
        }
        ++i;
        return;
    }
    if (c == '\r' || c == '\n') {
        if (c == '\r' || i == m_start || text.CharAt(i - 1) != '\r') out.Write("\\par\n");
        column = 0;
        ++i;
        return;
    }
    ++column;
    if (c == '\\' || c == '{' || c == '}') {
        out.Put('\\');
        out.Put(c);
        ++i;
        return;
    }
    if (byte < 0x80) {
        out.Put(c);
        ++i;
        return;
    }
    if (IsUnicodeEncoding(m_document.encoding)) {
        WriteCodePoint(out, NextCodePoint(text, i), "?");
        return;
    }
    // An ANSI character: its Unicode form, with its own bytes for readers
    // that know no \u.
    const unsigned codePage = m_document.ansiCodePage;
    char bytes[2] = {c, 0};
    int count = 1;
    if (::IsDBCSLeadByteEx(codePage, byte) && i + 1 < m_end) bytes[count++] = text.CharAt(i + 1);
    wchar_t wide[2] = {};
    const int units = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, count, wide, 2);
    std::string fallback;
    for (int k = 0; k < count; ++k) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(bytes[k]));
        fallback += hex;
    }
    if (units == 1) {
        if (count == 2) out.Write("{\\uc2");
        WriteUnicodeUnit(out, wide[0]);
        out.Write(fallback);
        if (count == 2) out.Put('}');
    } else {
        out.Write(fallback);
    }
    i += static_cast<size_t>(count);
}
