#pragma once
// Fills a sink with the symbols of a document's file: ctags over its path,
// with the language of its editor view's lexer.
#include <functional>
#include <optional>
#include <string>

#include "CtagsRunner.h"
#include "TagRecord.h"

class CDocumentFrame;

using StatusReporter = std::function<void(const char* text)>;

// What the status bar says when ctags fails.
inline constexpr char kParseFailure[] = "Failure to parse.";

// The values a ctags run over a document's file needs, copied so that it
// can run away from the document.
struct SymbolRequest {
    std::wstring path;
    std::string lexer;
    TagMask mask;
    CtagsProgram program;
};

// None for a document without an editor view or without a file.
std::optional<SymbolRequest> SymbolRequestOf(const CDocumentFrame& document, const CtagsProgram& program);

// Nothing for a document without an editor view or without a file. When
// ctags fails, "Failure to parse." goes to the status reporter and false
// comes back; the sink keeps what was added.
bool FillSymbols(const CDocumentFrame& document, TagSink& sink, const StatusReporter& status,
                 const CtagsProgram& program = {});
