#include "EncodingCodes.h"

#include "resource.h"

EncodingCode ToEncodingCode(int value, EncodingCode fallback) {
    return value >= kEncodingAnsi && value <= kEncodingBinary ? static_cast<EncodingCode>(value) : fallback;
}

EolCode ToEolCode(int value, EolCode fallback) {
    return value >= kEolCrLf && value <= kEolDefault ? static_cast<EolCode>(value) : fallback;
}

const char* EncodingStatusName(EncodingCode code) {
    switch (code) {
    case kEncodingAnsi: return "ANSI";
    case kEncodingUtf16Be: return "UNICODE BE";
    case kEncodingUtf16Le: return "UNICODE";
    case kEncodingUtf8: return "UTF-8";
    case kEncodingUtf8NoBom: return "UTF-8 NOBOM";
    default: return "";
    }
}

int ComponentCodePageForAnsi(unsigned ansiCodePage) {
    switch (ansiCodePage) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 65001:  // ANSI bytes are UTF-8 on a system set to UTF-8
        return static_cast<int>(ansiCodePage);
    default: return 0;
    }
}

int ComponentCodePage(EncodingCode code, unsigned ansiCodePage) {
    return IsUnicodeEncoding(code) ? 65001 : ComponentCodePageForAnsi(ansiCodePage);
}

std::optional<EolCode> EolModeForCommand(int command) {
    switch (command) {
    case ID_DOC_EOL_CRLF: return kEolCrLf;
    case ID_DOC_EOL_LF: return kEolLf;
    case ID_DOC_EOL_CR: return kEolCr;
    default: return std::nullopt;
    }
}

std::optional<EncodingCode> EncodingForCommand(int command) {
    if (command < ID_DOC_ENC_ANSI || command > ID_DOC_ENC_UTF8_NOBOM) return std::nullopt;
    return static_cast<EncodingCode>(command - ID_DOC_ENC_ANSI);
}
