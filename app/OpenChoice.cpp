#include "OpenChoice.h"

namespace {

bool StartsWithByteOrderMark(const unsigned char* head, size_t length) {
    if (length >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF))) return true;
    return length >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF;
}

bool HasNulPair(const unsigned char* head, size_t length) {
    for (size_t i = 0; i + 1 < length; ++i)
        if (head[i] == 0 && head[i + 1] == 0) return true;
    return false;
}

}  // namespace

OpenChoice ChooseOpenView(uint64_t size, const unsigned char* head, size_t headLength,
                           EncodingCode openType) {
    if (size > kLargestTextFile || openType == kEncodingBinary) return {true, kEncodingAnsi};
    OpenChoice choice{false, openType};
    if (openType == kEncodingDefault && head && headLength >= kSniffLength && !StartsWithByteOrderMark(head, headLength))
        choice.binary = HasNulPair(head, kSniffLength);
    return choice;
}
