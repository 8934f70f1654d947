#pragma once
// One symbol as ctags reports it, the sink that takes symbols, and the
// tables that turn a ctags kind letter into one of our 42 categories (each
// with its image in the shared small image list and its bit of the
// category mask).
#include <cstdint>
#include <string>

// The categories a symbol can have; the value is the row of the table.
enum class TagCategory : int {
    Unknown = 0, Function, Procedure, Class, Macro, Enum, FileName, EnumName, Member, Prototype,
    Structure, Typedef, Union, Variable, Namespace, Method, Event, Interface, Property, Program,
    Constant, Label, Singleton, Mixin, Module, Net, Port, Register, Task, Cursor,
    Record, Subtype, Trigger, Set, Field, Table, Attribute, Component, Package, Entity,
    Architecture, Process,
};
inline constexpr int kTagCategoryCount = 42;

struct TagRecord {
    TagCategory category = TagCategory::Unknown;
    std::string name;
    std::string scope;    // "class", "struct" or "union" field; empty for none
    std::string pattern;  // the search pattern's text, when ctags gave one
    int line = 0;         // 1-based
};

class TagSink {
public:
    virtual ~TagSink() = default;
    // kind is always 1.
    virtual void AddTag(int kind, const TagRecord& record) = 0;
};

// Which categories are handed on: bits 0-31 of low, then bits 0-9 of high.
struct TagMask {
    uint32_t low = 0xFFFFFFFF;
    uint32_t high = 0xFFFFFFFF;
    bool Passes(TagCategory category) const;
};

// The image of a category in the small image list (bitmap 20); the image
// of "unknown" for a value outside the table.
int TagCategoryImage(TagCategory category);

// The category of a kind field for a document's lexer name: only a single
// letter 'a'-'z' or 'A'-'Z' indexes a table; anything else is unknown.
TagCategory TagCategoryOfKind(const std::string& lexer, const std::string& kindField);

// The ctags language passed with --language-force for a lexer name; null
// when the lexer has none.
const char* CtagsLanguageOf(const std::string& lexer);
