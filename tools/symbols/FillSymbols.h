#pragma once
// Fills a sink with the symbols of a document's file: ctags over its path,
// with the language of its editor view's lexer.
#include <functional>

#include "CtagsRunner.h"
#include "TagRecord.h"

class CDocumentFrame;

using StatusReporter = std::function<void(const char* text)>;

// Nothing for a document without an editor view or without a file. When
// ctags fails, "Failure to parse." goes to the status reporter and false
// comes back; the sink keeps what was added.
bool FillSymbols(const CDocumentFrame& document, TagSink& sink, const StatusReporter& status,
                 const CtagsProgram& program = {});
