#pragma once
// Loading and saving a document's text apart from the editing component:
// bytes in, detected codes and UTF-8 (or ANSI) text out, and back.
#include <cstddef>
#include <initializer_list>

#include "ByteStreams.h"
#include "EncodingCodes.h"

class ITextTarget {
public:
    virtual ~ITextTarget() = default;
    // Called once, after the first block, before any text.
    virtual void Begin(EncodingCode encoding, EolCode eolMode) = 0;
    virtual void Append(const char* text, size_t length) = 0;
};

struct ReadSummary {
    EncodingCode encoding = kEncodingAnsi;
    EolCode eolMode = kEolCrLf;
    bool droppedOddByte = false;  // a UTF-16 file of odd length
};

// Reads the whole source in blocks. kEncodingDefault detects the encoding from
// the first block; 0-4 are taken as given. The line-end mode is detected
// on the first block's text, after conversion. False on a read error.
bool ReadText(IByteSource& source, EncodingCode openCode, ITextTarget& target, ReadSummary* summary);

struct TextRun {
    const char* text;
    size_t length;
};

// Writes the runs, one text, in encoding code 0-4, straight from where they
// lie: one write a run for codes 0, 3 and 4 (and one for a mark), chunks of
// kFileBlockSize converted into one reused buffer for UTF-16, a character cut
// between two runs kept whole. False unless every byte reached the sink.
bool WriteText(std::initializer_list<TextRun> runs, EncodingCode code, IByteSink& sink);
// True when WriteText gives the sink the runs' own bytes and a constant mark,
// nothing converted: bytes the sink may take again from where they lie for as
// long as the runs stay put (codes 0, 3 and 4).
bool WritesRunsAsTheyLie(EncodingCode code);
inline bool WriteText(const char* text, size_t length, EncodingCode code, IByteSink& sink) {
    return WriteText({{text, length}}, code, sink);
}
