#include "LexillaName.h"

namespace {

struct Alias {
    const char* lexer;
    const char* lexilla;
};

// Languages that share one Lexilla lexer keep their own texts, so that their
// styles, symbol tables and exports stay apart. No shipped file uses "asp" or
// "yacc", but a user's files may.
const Alias kAliases[] = {
    {"java", "cpp"},      {"csharp", "cpp"},   {"javascript", "cpp"}, {"yacc", "cpp"},
    {"web", "hypertext"}, {"php", "hypertext"}, {"asp", "hypertext"}, {"shell", "bash"},
    {"assembler", "asm"}, {"plsql", "sql"},
};

}  // namespace

std::string LexillaNameFor(const std::string& lexer) {
    for (const Alias& alias : kAliases) {
        if (lexer == alias.lexer) return alias.lexilla;
    }
    return lexer;
}
