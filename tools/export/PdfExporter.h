#pragma once
// The PDF 1.3 export: the text laid out line by line over as many pages as
// it needs, in one of three sets of standard Type 1 fonts, with a font
// variant and a fill colour per editor style. Chinese text is drawn in a
// predefined CJK font that readers carry, only where the text has some.
#include <string>
#include <vector>

#include "ExportDocument.h"
#include "ExportSink.h"

struct PdfExportOptions {
    int tabSize = 8;
    int magnification = 0;
    int fontSet = 1;  // 0 Courier, 1 Helvetica, 2 Times
    int pageWidth = 612, pageHeight = 792;
    int marginLeft = 72, marginRight = 72, marginTop = 72, marginBottom = 72;

    // "tabsize" and the "export.pdf.*" keys.
    static PdfExportOptions Read(const PropertyMap& properties);
};

// "%d " or "0.%03d " of a colour component 0-255, in thousandths rounded as
// the export writes them.
std::string PdfColourComponent(int component);

class CPdfExporter {
public:
    explicit CPdfExporter(const ExportDocument& document);

    // False when the sink refused bytes.
    bool Write(IByteSink& sink);

private:
    struct Style {
        int variant = 0;     // bit 0 bold, bit 1 italics
        std::string colour;  // "r g b " components
    };

    void BeginObject(ExportWriter& out);
    void EndObject(ExportWriter& out);
    void AddCharacter(ExportWriter& out, char c, int style);
    // A character of the Chinese font, by its UCS-2 code.
    void AddChineseCharacter(ExportWriter& out, unsigned code, int style);
    // Moves past a character of the given width (thousandths of the size).
    void Advance(ExportWriter& out, int width);
    // Ends the segment when the style looks different or the font changes.
    void SwitchTo(int style, bool chinese);
    void Flush();
    // The Chinese font's objects; the number of the font object.
    int WriteChineseFont(ExportWriter& out);
    void StartPage();
    void EndLine(ExportWriter& out);
    void EndPage(ExportWriter& out);
    void WriteStyle(const Style& style, bool full, bool chinese);

    const ExportDocument& m_document;
    PdfExportOptions m_options;
    Style m_styles[256];
    int m_fontSize = 10;
    double m_leading = 12;
    int m_pageWidth = 612, m_pageHeight = 792;
    int m_ascent = 0, m_descent = 0, m_width = 0;

    std::vector<size_t> m_offsets;  // of objects 1, 2, ...
    std::vector<int> m_pageContents;
    bool m_pageOpen = false;
    int m_linesOnPage = 0;
    double m_x = 0, m_y = 0;
    std::string m_stream;   // the open page's content
    std::string m_segment;  // text of one style, not yet shown
    bool m_segmentHasText = false;
    bool m_segmentChinese = false;  // then m_segment holds hex UCS-2 codes
    bool m_usedChinese = false;
    int m_currentStyle = kDefaultStyle;
    int m_segmentStyle = kDefaultStyle;
    Style m_written;  // the state the page's stream has set
    int m_writtenFont = 1;
};
