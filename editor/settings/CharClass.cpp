#include "CharClass.h"

void FillCharClassTable(unsigned char table[256]) {
    for (int code = 0; code < 256; ++code) {
        unsigned char cls;
        if (code == '\n' || code == '\r') {
            cls = 1;
        } else if (code <= 32) {
            cls = 0;
        } else if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') ||
                   code == '_' || code >= 128) {
            cls = 2;
        } else {
            cls = 3;
        }
        table[code] = cls;
    }
}
