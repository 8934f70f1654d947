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

// The Chinese font's resource, after the Latin fonts F1 to F4, and its
// width: Chinese characters are square.
constexpr int kChineseFont = 5;
constexpr int kChineseWidth = 1000;

// The byte of WinAnsiEncoding for a code point, if it has one.
bool WinAnsiByte(unsigned code, char& byte) {
    if (code > 0xFFFF) return false;
    const wchar_t wide = static_cast<wchar_t>(code);
    BOOL defaulted = FALSE;
    return ::WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &wide, 1, &byte, 1, "?", &defaulted) == 1 && !defaulted;
}

// Whether the Chinese font has the code point: the font's collection holds
// the characters of code page 936 (GBK), its encoding takes UCS-2 codes.
bool InChineseFont(unsigned code) {
    if (code > 0xFFFF) return false;
    const wchar_t wide = static_cast<wchar_t>(code);
    char bytes[2];
    BOOL defaulted = FALSE;
    return ::WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 2, "?", &defaulted) == 2 && !defaulted;
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

void CPdfExporter::WriteStyle(const Style& style, bool full, bool chinese) {
    const int fontNumber = chinese ? kChineseFont : style.variant + 1;
    if (full || fontNumber != m_writtenFont) {
        char font[32];
        std::snprintf(font, sizeof font, "/F%d %d Tf ", fontNumber, m_fontSize);
        m_stream += font;
        m_writtenFont = fontNumber;
    }
    if (full || style.colour != m_written.colour) m_stream += style.colour + "rg ";
    m_written = style;
}

void CPdfExporter::Flush() {
    if (m_segment.empty()) return;
    // Blanks look the same in any style: they are shown in the one the
    // stream already has, unless that is the Chinese font, which takes
    // two-byte codes.
    if (m_segmentHasText || (!m_segmentChinese && m_writtenFont == kChineseFont))
        WriteStyle(m_styles[m_segmentStyle], false, m_segmentChinese);
    m_stream += m_segmentChinese ? '<' : '(';
    m_stream += m_segment;
    m_stream += m_segmentChinese ? ">Tj\n" : ")Tj\n";
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
    WriteStyle(m_styles[m_currentStyle], true, false);
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

void CPdfExporter::Advance(ExportWriter& out, int width) {
    if (!m_pageOpen) StartPage();
    m_x += width * m_fontSize / 1000.0;
    if (m_width > 0 && m_x > m_pageWidth - m_options.marginRight) {
        EndLine(out);
        m_x += width * m_fontSize / 1000.0;
    }
}

void CPdfExporter::SwitchTo(int style, bool chinese) {
    const Style& next = m_styles[style];
    const Style& current = m_styles[m_currentStyle];
    if (next.variant != current.variant || next.colour != current.colour || chinese != m_segmentChinese) {
        Flush();
        m_segmentStyle = style;
        m_segmentChinese = chinese;
    }
    m_currentStyle = style;
}

void CPdfExporter::AddChineseCharacter(ExportWriter& out, unsigned code, int style) {
    Advance(out, m_width ? kChineseWidth : 0);
    SwitchTo(style, true);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", code);
    m_segment += hex;
    m_segmentHasText = true;
    m_usedChinese = true;
}

void CPdfExporter::AddCharacter(ExportWriter& out, char c, int style) {
    Advance(out, m_width);
    SwitchTo(style, false);
    if (c == '(' || c == ')' || c == '\\') m_segment += '\\';
    if (c != ' ') m_segmentHasText = true;
    m_segment += c;
}

int CPdfExporter::WriteChineseFont(ExportWriter& out) {
    // Not embedded: the font and its CMap are among those every reader has
    // for the Adobe-GB1 collection.
    const int font = static_cast<int>(m_offsets.size()) + 1;
    BeginObject(out);
    out.Printf("<</Type/Font/Subtype/Type0/Name/F%d/BaseFont/STSong-Light/Encoding/UniGB-UCS2-H/DescendantFonts[%d 0 R]>>\n",
               kChineseFont, font + 1);
    EndObject(out);
    BeginObject(out);
    out.Printf("<</Type/Font/Subtype/CIDFontType0/BaseFont/STSong-Light"
               "/CIDSystemInfo<</Registry(Adobe)/Ordering(GB1)/Supplement 2>>/FontDescriptor %d 0 R/DW %d>>\n",
               font + 2, kChineseWidth);
    EndObject(out);
    BeginObject(out);
    out.Write("<</Type/FontDescriptor/FontName/STSong-Light/Flags 6/FontBBox[-25 -254 1000 880]"
              "/ItalicAngle 0/Ascent 880/Descent -120/CapHeight 880/StemV 93>>\n");
    EndObject(out);
    return font;
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
    const bool ansiIsWinAnsi = !IsUnicodeEncoding(m_document.encoding) && m_document.ansiCodePage == 1252;

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
        } else if (static_cast<unsigned char>(c) < 0x80 || ansiIsWinAnsi) {
            AddCharacter(out, c, style);
            ++i;
            ++column;
        } else {
            const unsigned code = NextCharacter(m_document, i);
            char byte;
            if (WinAnsiByte(code, byte))
                AddCharacter(out, byte, style);
            else if (InChineseFont(code))
                AddChineseCharacter(out, code, style);
            else
                AddCharacter(out, '?', style);
            ++column;
        }
    }
    if (!m_pageOpen && m_pageContents.empty()) StartPage();
    if (m_pageOpen) EndPage(out);

    const int chineseFont = m_usedChinese ? WriteChineseFont(out) : 0;
    const int resources = static_cast<int>(m_offsets.size()) + 1;
    const int pages = resources + static_cast<int>(m_pageContents.size()) + 1;
    BeginObject(out);
    out.Write("<</ProcSet[/PDF/Text]\n/Font<</F1 1 0 R/F2 2 0 R/F3 3 0 R/F4 4 0 R");
    if (chineseFont) out.Printf("/F%d %d 0 R", kChineseFont, chineseFont);
    out.Write(">> >>\n");
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
