#pragma once
// An in-memory document and property set for the exporters, and the run of
// one exporter into memory.
#include <string>

#include "ExportDocument.h"
#include "ExportSink.h"
#include "PropertyMap.h"
#include "StyledText.h"

struct ExportFixture {
    MemoryStyledText text;
    PropertyMap properties;
    std::string lexer = "cpp";
    EncodingCode encoding = kEncodingAnsi;
    std::string path = "C:\\work\\demo.cpp";
    unsigned ansiCodePage = 936;

    ExportDocument Document() const { return ExportDocument{text, properties, lexer, encoding, path, ansiCodePage}; }

    template <typename Exporter>
    std::string Run() const {
        const ExportDocument document = Document();
        Exporter exporter(document);
        StringSink sink;
        exporter.Write(sink);
        return sink.bytes;
    }
};

// The text between the first `from` and the next `to` after it ("" when absent).
inline std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t start = text.find(from);
    if (start == std::string::npos) return "";
    const size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) return "";
    return text.substr(start + from.size(), end - start - from.size());
}

inline size_t CountOf(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++count;
    return count;
}
