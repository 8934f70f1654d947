#pragma once
// Turns ctags output ("-n --fields=fkns -f -") into TagRecords. Output
// arrives in reads of any size: a line cut by a read is kept in a carry
// area and completed by the next one. A line that is not a tag (a warning,
// a pseudo-tag beginning with '!') gives no symbol and costs nothing else.
#include <cstddef>
#include <string>

#include "TagRecord.h"

class CTagLineParser {
public:
    static constexpr size_t kCarrySize = 16384;

    CTagLineParser(TagSink& sink, std::string lexer, TagMask mask = {});

    // Parses every complete line of what was carried and data; keeps the rest.
    void Feed(const char* data, size_t size);
    // The output has ended: a last line without its line end is parsed too.
    void Finish();

    // One line without its line end; false when it gave no symbol.
    static bool ParseLine(const std::string& lexer, const char* line, size_t size, TagRecord& record);

private:
    void Line(const char* line, size_t size);

    TagSink& m_sink;
    std::string m_lexer;
    TagMask m_mask;
    std::string m_carry;
    bool m_skipping = false;  // inside a line longer than the carry area
};
