#pragma once
// Loading and saving a document's text apart from the editing component:
// bytes in, detected codes and UTF-8 (or ANSI) text out, and back.
#include <cstddef>

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

// Writes length bytes of text in encoding code 0-4, straight from text:
// large blocks for codes 0, 3 and 4, chunks of kFileBlockSize converted into
// one reused buffer for UTF-16. False unless every byte reached the sink.
bool WriteText(const char* text, size_t length, EncodingCode code, IByteSink& sink);
