#include "PdfExporter.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#include "HexColour.h"

namespace {

struct FontSet {
    const char* names[4];  // normal, bold, italic, bold italic
    int ascent, descent, width;
};

const FontSet kFontSets[] = {
    {{"Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique"}, 629, 157, 600},
    {{"Helvetica", "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique"}, 718, 207, 0},
    {{"Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic"}, 699, 217, 0},
};

// Up to count comma-separated integers; missing ones stay as they were.
void ReadNumbers(const std::string& text, int* values, int count) {
    const char* p = text.c_str();
    for (int i = 0; i < count && *p; ++i) {
        values[i] = std::atoi(p);
        p = std::strchr(p, ',');
        if (!p) break;
        ++p;
    }
}

std::string ColourText(const std::string& fore) {
    const COLORREF value = ColourFromString(fore);
    return PdfColourComponent(GetRValue(value)) + PdfColourComponent(GetGValue(value)) +
           PdfColourComponent(GetBValue(value));
}

// One character of the text as a byte of WinAnsiEncoding ('?' when it has
// none); i moves past it.
char WinAnsiCharacter(const ExportDocument& document, size_t& i) {
    const StyledText& text = document.text;
    const unsigned char byte = static_cast<unsigned char>(text.CharAt(i));
    if (byte < 0x80 || (!IsUnicodeEncoding(document.encoding) && document.ansiCodePage == 1252)) {
        ++i;
        return static_cast<char>(byte);
    }
    wchar_t wide[2] = {};
    int units = 0;
    if (IsUnicodeEncoding(document.encoding)) {
        const unsigned code = NextCodePoint(text, i);
        if (code <= 0xFFFF) wide[units++] = static_cast<wchar_t>(code);
    } else {
        char bytes[2] = {static_cast<char>(byte), 0};
        int count = 1;
        if (::IsDBCSLeadByteEx(document.ansiCodePage, byte) && i + 1 < text.Length()) bytes[count++] = text.CharAt(i + 1);
        i += static_cast<size_t>(count);
        units = ::MultiByteToWideChar(document.ansiCodePage, MB_ERR_INVALID_CHARS, bytes, count, wide, 2);
        if (units != 1) units = 0;
    }
    if (units == 0) return '?';
    char out = '?';
    BOOL defaulted = FALSE;
    if (::WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide, 1, &out, 1, "?", &defaulted) != 1 || defaulted) return '?';
    return out;
}

}  // namespace

std::string PdfColourComponent(int component) {
    const int q = (component * 1000 + 127) / 255;
    char text[16];
    if (q != 0 && q != 1000)
        std::snprintf(text, sizeof text, "0.%03d ", q);
    else
        std::snprintf(text, sizeof text, "%d ", q / 1000);
    return text;
}

PdfExportOptions PdfExportOptions::Read(const PropertyMap& properties) {
    PdfExportOptions options;
    options.tabSize = properties.GetInt("tabsize", 8);
    if (options.tabSize < 1) options.tabSize = 8;
    options.magnification = properties.GetInt("export.pdf.magnification", 0);
    const std::string font = properties.GetExpanded("export.pdf.font");
    options.fontSet = font == "Courier" ? 0 : font == "Times" ? 2 : 1;
    int page[2] = {612, 792};
    ReadNumbers(properties.GetExpanded("export.pdf.pagesize"), page, 2);
    options.pageWidth = page[0] < 1 ? 612 : page[0];
    options.pageHeight = page[1] < 1 ? 792 : page[1];
    int margins[4] = {72, 72, 72, 72};
    ReadNumbers(properties.GetExpanded("export.pdf.margins"), margins, 4);
    options.marginLeft = margins[0] < 1 ? 72 : margins[0];
    options.marginRight = margins[1];
    options.marginTop = margins[2];
    options.marginBottom = margins[3];
    return options;
}

CPdfExporter::CPdfExporter(const ExportDocument& document)
    : m_document(document), m_options(PdfExportOptions::Read(document.properties)) {
    const FontSet& set = kFontSets[m_options.fontSet];
    m_ascent = set.ascent;
    m_descent = set.descent;
    m_width = set.width;
    for (int style = 0; style < 256; ++style) {
        const CStyleSpec spec = ExportStyle(document, style);
        if (!spec.mask) continue;
        m_styles[style].variant = (spec.bold ? 1 : 0) | (spec.italics ? 2 : 0);
        if (spec.mask & CStyleSpec::kFore) m_styles[style].colour = ColourText(spec.fore);
    }
    if (m_styles[kDefaultStyle].colour.empty()) m_styles[kDefaultStyle].colour = "0 0 0 ";
    for (Style& style : m_styles) {
        if (style.colour.empty()) style.colour = m_styles[kDefaultStyle].colour;
    }
    const CStyleSpec defaultStyle = ExportStyle(document, kDefaultStyle);
    m_fontSize = (defaultStyle.mask & CStyleSpec::kSize) ? defaultStyle.size + m_options.magnification : 10;
    if (m_fontSize <= 0) m_fontSize = 10;
    m_leading = m_fontSize * 1.2;
    const int horizontal = m_options.marginLeft + m_options.marginRight;
    const int vertical = m_options.marginTop + m_options.marginBottom;
    m_pageWidth = std::max(m_options.pageWidth, static_cast<int>(std::ceil(horizontal + m_leading)));
    m_pageHeight = std::max(m_options.pageHeight, static_cast<int>(std::ceil(vertical + m_leading)));
}

void CPdfExporter::BeginObject(ExportWriter& out) {
    m_offsets.push_back(out.Offset());
    out.Printf("%d 0 obj\n", static_cast<int>(m_offsets.size()));
}

void CPdfExporter::EndObject(ExportWriter& out) { out.Write("endobj\n"); }

void CPdfExporter::WriteStyle(const Style& style, bool full) {
    if (full || style.variant != m_written.variant) {
        char font[32];
        std::snprintf(font, sizeof font, "/F%d %d Tf ", style.variant + 1, m_fontSize);
        m_stream += font;
    }
    if (full || style.colour != m_written.colour) m_stream += style.colour + "rg ";
    m_written = style;
}

void CPdfExporter::Flush() {
    if (m_segment.empty()) return;
    // Blanks look the same in any style: they are shown in the one the
    // stream already has.
    if (m_segmentHasText) WriteStyle(m_styles[m_segmentStyle], false);
    m_stream += '(';
    m_stream += m_segment;
    m_stream += ")Tj\n";
    m_segment.clear();
    m_segmentHasText = false;
}

void CPdfExporter::StartPage() {
    m_pageOpen = true;
    m_linesOnPage = 0;
    m_x = m_options.marginLeft;
    m_y = m_pageHeight - m_options.marginTop - m_ascent * m_fontSize / 1000.0;
    char start[64];
    std::snprintf(start, sizeof start, "BT 1 0 0 1 %d %.2f Tm\n", m_options.marginLeft, m_y);
    m_stream = start;
    WriteStyle(m_styles[m_currentStyle], true);
    m_segmentStyle = m_currentStyle;
}

void CPdfExporter::EndLine(ExportWriter& out) {
    if (!m_pageOpen) StartPage();
    m_x = m_options.marginLeft;
    Flush();
    m_y -= m_leading;
    if (m_y < m_descent * m_fontSize / 1000.0 + m_options.marginBottom) {
        EndPage(out);
        StartPage();
    } else {
        if (m_linesOnPage == 0) {
            char move[32];
            std::snprintf(move, sizeof move, "0 -%.1f TD\n", m_leading);
            m_stream += move;
        } else {
            m_stream += "T*\n";
        }
        ++m_linesOnPage;
    }
}

void CPdfExporter::EndPage(ExportWriter& out) {
    Flush();
    BeginObject(out);
    out.Printf("<</Length %d>>\nstream\n", static_cast<int>(m_stream.size() + 2));
    out.Write(m_stream);
    out.Write("ET\nendstream\n");
    EndObject(out);
    m_pageContents.push_back(static_cast<int>(m_offsets.size()));
    m_stream.clear();
    m_pageOpen = false;
}

void CPdfExporter::AddCharacter(ExportWriter& out, char c, int style) {
    if (!m_pageOpen) StartPage();
    m_x += m_width * m_fontSize / 1000.0;
    if (m_width > 0 && m_x > m_pageWidth - m_options.marginRight) {
        EndLine(out);
        m_x += m_width * m_fontSize / 1000.0;
    }
    const Style& next = m_styles[style];
    const Style& current = m_styles[m_currentStyle];
    if (next.variant != current.variant || next.colour != current.colour) {
        Flush();
        m_segmentStyle = style;
    }
    m_currentStyle = style;
    if (c == '(' || c == ')' || c == '\\') m_segment += '\\';
    if (c != ' ') m_segmentHasText = true;
    m_segment += c;
}

bool CPdfExporter::Write(IByteSink& sink) {
    ExportWriter out(sink);
    out.Write("%PDF-1.3\n%\xC7\xEC\x8F\xA2\n");
    const FontSet& set = kFontSets[m_options.fontSet];
    for (int k = 0; k < 4; ++k) {
        BeginObject(out);
        out.Printf("<</Type/Font/Subtype/Type1/Name/F%d/BaseFont/%s/Encoding/WinAnsiEncoding>>\n", k + 1, set.names[k]);
        EndObject(out);
    }
    m_currentStyle = kDefaultStyle;
    m_written = m_styles[kDefaultStyle];

    const StyledText& text = m_document.text;
    const size_t length = text.Length();
    int column = 0;
    for (size_t i = 0; i < length;) {
        const char c = text.CharAt(i);
        const int style = text.StyleAt(i);
        if (c == '\t') {
            for (int blanks = m_options.tabSize - column % m_options.tabSize; blanks > 0; --blanks, ++column)
                AddCharacter(out, ' ', style);
            ++i;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && text.CharAt(i + 1) == '\n') ++i;
            ++i;
            EndLine(out);
            column = 0;
        } else {
            AddCharacter(out, WinAnsiCharacter(m_document, i), style);
            ++column;
        }
    }
    if (!m_pageOpen && m_pageContents.empty()) StartPage();
    if (m_pageOpen) EndPage(out);

    const int resources = static_cast<int>(m_offsets.size()) + 1;
    const int pages = resources + static_cast<int>(m_pageContents.size()) + 1;
    BeginObject(out);
    out.Write("<</ProcSet[/PDF/Text]\n/Font<</F1 1 0 R/F2 2 0 R/F3 3 0 R/F4 4 0 R>> >>\n");
    EndObject(out);
    for (int content : m_pageContents) {
        BeginObject(out);
        out.Printf("<</Type/Page/Parent %d 0 R\n/MediaBox[ 0 0 %d %d]\n/Contents %d 0 R\n/Resources %d 0 R\n>>\n", pages,
                   m_pageWidth, m_pageHeight, content, resources);
        EndObject(out);
    }
    BeginObject(out);
    out.Write("<</Type/Pages/Kids[\n");
    for (size_t page = 0; page < m_pageContents.size(); ++page) out.Printf("%d 0 R\n", resources + 1 + static_cast<int>(page));
    out.Printf("]/Count %d\n>>\n", static_cast<int>(m_pageContents.size()));
    EndObject(out);
    BeginObject(out);
    out.Printf("<</Type/Catalog/Pages %d 0 R >>\n", pages);
    EndObject(out);
    const int catalog = static_cast<int>(m_offsets.size());

    // Object 0 and objects 1 to N: N + 1 entries.
    const size_t xref = out.Offset();
    out.Printf("xref\n0 %d\n0000000000 65535 f \n", catalog + 1);
    for (size_t offset : m_offsets) out.Printf("%010d 00000 n \n", static_cast<int>(offset));
    out.Printf("trailer\n<< /Size %d /Root %d 0 R\n>>\nstartxref\n%d\n%%%%EOF\n", catalog + 1, catalog,
               static_cast<int>(xref));
    return out.Flush();
}
