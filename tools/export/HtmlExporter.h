#pragma once
// The XHTML 1.0 Transitional export: one CSS class per editor style, the
// text in spans (or in <pre> without wysiwyg), and with folding the
// collapsible regions and their toggle script.
#include "ExportDocument.h"
#include "ExportSink.h"

struct HtmlExportOptions {
    int tabSize = 4;
    bool wysiwyg = true;
    bool keepTabs = false;
    bool folding = false;
    bool onlyUsedStyles = false;
    bool fullPathTitle = false;

    // "tabsize" and the "export.html.*" keys.
    static HtmlExportOptions Read(const PropertyMap& properties);
};

class CHtmlExporter {
public:
    explicit CHtmlExporter(const ExportDocument& document)
        : m_document(document), m_options(HtmlExportOptions::Read(document.properties)) {}

    // False when the sink refused bytes.
    bool Write(IByteSink& sink);

private:
    void WriteHead(ExportWriter& out, const bool* used);
    void WriteStyles(ExportWriter& out, bool* used, std::string& defaultBack);
    void WriteBody(ExportWriter& out, const bool* used);

    const ExportDocument& m_document;
    HtmlExportOptions m_options;
};

// Writes text with '&', '<' and '>' as entities and control characters
// other than tab, CR and LF (which XML forbids) as '?'.
void WriteXmlEscaped(ExportWriter& out, std::string_view text);
