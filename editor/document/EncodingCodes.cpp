#include "EncodingCodes.h"

const char* EncodingStatusName(int code) {
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

int ComponentCodePage(int code, unsigned ansiCodePage) {
    return IsUnicodeEncoding(code) ? 65001 : ComponentCodePageForAnsi(ansiCodePage);
}

int EolModeForCommand(int command) {
    switch (command) {
    case 506: return kEolCrLf;
    case 507: return kEolLf;
    case 508: return kEolCr;
    default: return -1;
    }
}

int EncodingForCommand(int command) {
    return command >= 501 && command <= 505 ? command - 501 : -1;
}
