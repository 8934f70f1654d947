#pragma once
// Folders that keep a search busy: files f0.txt ... of 2000 lines "hit".
#include <cstdio>
#include <string>

#include "TempFolder.h"

inline void WriteManyHits(const TempFolder& folder, int files) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "hit\n";
    for (int i = 0; i < files; ++i) {
        char name[32];
        snprintf(name, sizeof(name), "f%d.txt", i);
        folder.Write(name, text);
    }
}
