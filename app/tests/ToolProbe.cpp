// A stand-in user tool: writes the folder it runs in and its arguments, one
// a line, to "probe.txt" in that folder. With "--rewrite FILE TEXT" it
// replaces the file's text instead, as a formatter would.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--rewrite") == 0) {
        FILE* file = std::fopen(argv[2], "wb");
        if (!file) return 1;
        std::fputs(argv[3], file);
        std::fclose(file);
        return 0;
    }
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    FILE* out = std::fopen("probe.txt", "wb");
    if (!out) return 1;
    std::fprintf(out, "%s\n", folder);
    for (int i = 1; i < argc; ++i) std::fprintf(out, "%s\n", argv[i]);
    std::fclose(out);
    return 0;
}
