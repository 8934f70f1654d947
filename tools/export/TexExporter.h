#pragma once
// The LaTeX export: an article in which each used editor style is a
// one-argument macro and each run of text is wrapped in its style's macro.
#include <string>

#include "ExportDocument.h"
#include "ExportSink.h"

// The macro name of a style: base 24 in the digits 'a'-'x', least
// significant first (0 "a", 24 "ab").
std::string TexStyleName(int style);

class CTexExporter {
public:
    explicit CTexExporter(const ExportDocument& document) : m_document(document) {}

    // False when the sink refused bytes.
    bool Write(IByteSink& sink);

private:
    const ExportDocument& m_document;
};

// Text with the characters LaTeX reads as commands written as text; next
// (0 at the end) tells whether c would form a ligature with it.
void WriteTexEscaped(ExportWriter& out, char c, char next);
