#pragma once
// The RTF export of a range of the text: a font table, a colour table and
// per style change only the control words that differ.
#include <string>
#include <vector>

#include "ExportDocument.h"
#include "ExportSink.h"

struct RtfExportOptions {
    int tabSize = 4;
    bool wysiwyg = true;
    std::string face;      // "" when not set
    int size = 0;          // points; below 1 the default style's
    unsigned characterSet = 1;
    bool keepTabs = false;

    // "export.rtf.*", "tabsize" and "character.set".
    static RtfExportOptions Read(const PropertyMap& properties);
};

class CRtfExporter {
public:
    // end below 0: the end of the text.
    CRtfExporter(const ExportDocument& document, size_t start = 0, long long end = -1);

    // False when the sink refused bytes.
    bool Write(IByteSink& sink);

    // The six control words of each style: font, size, colour, highlight,
    // bold, italics.
    using Words = std::vector<std::string>;

private:
    int FontIndex(ExportWriter& out, const std::string& face);
    int ColourIndex(const std::string& colour);
    Words StyleWords(ExportWriter& out, int style, const CStyleSpec& defaultStyle);
    void WriteCharacter(ExportWriter& out, size_t& i, int& column);

    const ExportDocument& m_document;
    RtfExportOptions m_options;
    size_t m_start;
    size_t m_end;
    int m_halfPoints = 20;
    std::vector<std::string> m_fonts;
    std::vector<std::string> m_colours;
};
