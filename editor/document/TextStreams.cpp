#include "TextStreams.h"

#include <vector>

#include "EncodingCodes.h"
#include "EncodingDetect.h"
#include "UnicodeFileReader.h"
#include "UnicodeFileWriter.h"

namespace {

// The mark that code's reader skips, when the block starts with it.
size_t MarkToSkip(EncodingCode code, const char* block, size_t length) {
    if (code == kEncodingUtf8NoBom) return 0;
    EncodingCode found = kEncodingAnsi;
    const size_t mark = CUnicodeFileReader::DetectBom(block, length, &found);
    return found == code ? mark : 0;
}

}  // namespace

bool ReadText(IByteSource& source, EncodingCode openCode, ITextTarget& target, ReadSummary* summary) {
    std::vector<char> block(kFileBlockSize);
    size_t got = 0;
    if (!source.Read(block.data(), block.size(), &got)) return false;

    EncodingCode code = openCode;
    if (code < kEncodingAnsi || code > kEncodingUtf8NoBom) DetectEncoding(block.data(), got, &code);

    CUnicodeFileReader reader;
    const EncodingCode readerEncoding = code == kEncodingUtf8NoBom ? kEncodingUtf8 : code;
    const char* text = block.data();
    size_t textLength = got;
    if (code != kEncodingAnsi) {
        textLength = reader.Convert(block.data(), got, readerEncoding, MarkToSkip(code, block.data(), got));
        text = reader.Output();
    }
    const EolCode eolMode = DetectEolMode(text, textLength);
    target.Begin(code, eolMode);

    while (got > 0) {
        target.Append(text, textLength);
        if (!source.Read(block.data(), block.size(), &got)) return false;
        text = block.data();
        textLength = got;
        if (code != kEncodingAnsi && got > 0) {
            textLength = reader.Convert(block.data(), got, readerEncoding, 0);
            text = reader.Output();
        }
    }
    if (code != kEncodingAnsi) {
        const size_t rest = reader.Finish();
        if (rest > 0) target.Append(reader.Output(), rest);
    }
    if (summary) {
        summary->encoding = code;
        summary->eolMode = eolMode;
        summary->droppedOddByte = reader.DroppedOddByte();
    }
    return true;
}

bool WritesRunsAsTheyLie(EncodingCode code) { return code != kEncodingUtf16Be && code != kEncodingUtf16Le; }

bool WriteText(std::initializer_list<TextRun> runs, EncodingCode code, IByteSink& sink) {
    CUnicodeFileWriter writer;
    writer.SetEncoding(code == kEncodingUtf8NoBom ? kEncodingUtf8 : code);
    writer.SetWriteBom(code != kEncodingUtf8NoBom);
    writer.Open(&sink);
    const bool asTheyLie = WritesRunsAsTheyLie(code);
    for (const TextRun& run : runs) {
        // Text that goes out as it stands is handed over whole: the sink
        // picks the size of its writes.
        const size_t block = asTheyLie ? run.length : kFileBlockSize;
        for (size_t position = 0; position < run.length; position += block) {
            const size_t n = run.length - position < block ? run.length - position : block;
            if (!writer.Write(run.text + position, n)) return false;
        }
    }
    return writer.Close();
}
