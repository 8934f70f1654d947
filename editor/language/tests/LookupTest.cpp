// Look-ups by file name and "$(" name ")" expansion.
#include <gtest/gtest.h>

#include <string>

#include "CaseName.h"
#include "Expansion.h"
#include "ParsedSet.h"
#include "PropertySet.h"

namespace {

struct LookupCase {
    const char* name;
    std::string text;
    std::string key;
    std::string fileName;
    std::string expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

const LookupCase kLookupCases[] = {
    {"pattern list lower", "lexer.*.c;*.h=cpp", "lexer.", "main.h", "cpp"},
    {"pattern list upper", "lexer.*.c;*.h=cpp", "lexer.", "MAIN.H", "cpp"},
    {"pattern list no match", "lexer.*.c;*.h=cpp", "lexer.", "main.cpp", ""},
    {"prefix pattern", "lexer.make*=makefile", "lexer.", "makefile.win", "makefile"},
    {"variable pattern", "fp=*.py;*.pyw\nlexer.$(fp)=py", "lexer.", "x.pyw", "py"},
    {"variable defined after", "lexer.$(fp)=py\nfp=*.py;*.pyw", "lexer.", "x.pyw", "py"},
    {"variable pattern, text after paren dropped", "fp=*.py\nlexer.$(fp)junk=py", "lexer.", "x.py", "py"},
    {"variable pattern expanded itself", "fp=$(q);*.pyw\nq=*.py\nlexer.$(fp)=py", "lexer.", "x.py", "py"},
    {"unclosed variable is literal", "fp=*.py\nlexer.$(fp=py", "lexer.", "x.py", ""},
    {"bare key after a pattern miss", "lexer.=text\nlexer.*.c=cpp", "lexer.", "x.txt", "text"},
    {"pattern beats a bare key defined first", "lexer.=text\nlexer.*.c=cpp", "lexer.", "a.c", "cpp"},
    {"first defined pattern wins", "lexer.*.c=first\nlexer.a.*=second", "lexer.", "a.c", "first"},
    {"first defined pattern wins, reversed", "lexer.a.*=second\nlexer.*.c=first", "lexer.", "a.c", "second"},
    {"star matches an empty name", "k.*=x", "k.", "", "x"},
    {"keys compare with case", "Lexer.*.c=cpp", "lexer.", "a.c", ""},
    {"parent answers", "", "PLAT_WIN", "a.c", "1"},
    {"nothing anywhere", "a=1", "b.", "a.c", ""},
};

class LookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, Answers) {
    const LookupCase& c = GetParam();
    ParsedSet parsed(c.text);
    EXPECT_EQ(parsed.set.LookupForFile(c.key, c.fileName), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Lookups, LookupTest, testing::ValuesIn(kLookupCases), CaseName());

TEST(LookupTest, ParentPatternsExpandInTheStartingSet) {
    CPropertySet parent;
    CPropertySet child;
    child.SetParent(&parent);
    parent.Set("lexer.$(fp)", "py");
    parent.Set("fp", "*.c");
    child.Set("fp", "*.py");
    EXPECT_EQ(child.LookupForFile("lexer.", "x.py"), "py");
    EXPECT_EQ(child.LookupForFile("lexer.", "x.c"), "");
    // A set answers before its parent, even with its bare key.
    child.Set("lexer.", "text");
    EXPECT_EQ(child.LookupForFile("lexer.", "x.py"), "text");
}

std::string Dots(size_t count) { return std::string(count, '.'); }

const LookupCase kExpandCases[] = {
    {"no reference", "a=plain", "a", "f.c", "plain"},
    {"chain", "a=[$(b)]\nb=$(c)-$(c)\nc=z", "a", "f.c", "[z-z]"},
    {"references looked up for the file", "v.*.c=C\nv.*.h=H\nw=<$(v.)>", "w", "f.h", "<H>"},
    {"key itself looked up for the file", "w.*.c=$(v)\nv=1", "w.", "f.c", "1"},
    {"missing reference", "a=x$(nope)y", "a", "f.c", "xy"},
    {"self reference", "a=x$(a)", "a", "f.c", "x"},
    {"mutual reference stops after 1000 passes", "a=$(b)\nb=$(c)\nc=$(b)", "a", "f.c", "$(b)"},
    {"one dot per pass", "x=$(y)\ny=.$(y)", "x", "f.c", Dots(1000) + "$(y)"},
    {"unterminated reference kept", "p=a$(q", "p", "f.c", "a$(q"},
    {"nested reference names up to the first paren", "n=$(a$(b))\nb=1", "n", "f.c", ")"},
    {"parent value", "a=$(PLAT_WIN)", "a", "f.c", "1"},
    {"missing key", "", "a", "f.c", ""},
};

class ExpandForFileTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ExpandForFileTest, Expands) {
    const LookupCase& c = GetParam();
    ParsedSet parsed(c.text);
    EXPECT_EQ(parsed.set.GetExpanded(c.key, c.fileName), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Expansion, ExpandForFileTest, testing::ValuesIn(kExpandCases), CaseName());

TEST(ExpandForFileTest, GrowthIsCapped) {
    ParsedSet parsed("x=$(y)\ny=" + std::string(2000, 'd') + "$(y)");
    std::string result = parsed.set.GetExpanded("x", "f.c");
    EXPECT_LE(result.size(), kExpansionMaxLength);
    EXPECT_GT(result.size(), kExpansionMaxLength - 2010);
}

struct IntCase {
    const char* name;
    std::string text;
    int expected;  // GetInt("n", 5)
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << c.name; }

const IntCase kIntCases[] = {
    {"number", "n=12", 12},
    {"trailing text", "n=12x", 12},
    {"negative", "n=-3", -3},
    {"not a number", "n=x", 0},
    {"empty", "n=", 5},
    {"missing", "", 5},
    {"expanded", "n=$(m)\nm=4", 4},
    {"expands to empty", "n=$(n)", 5},
    {"out of range", "n=99999999999", 2147483647},
};

class GetIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(GetIntTest, Reads) {
    const IntCase& c = GetParam();
    ParsedSet parsed(c.text);
    EXPECT_EQ(parsed.set.GetInt("n", 5), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ints, GetIntTest, testing::ValuesIn(kIntCases), CaseName());

TEST(PlainLookupTest, GetDoesNotExpandGetExpandedDoes) {
    ParsedSet parsed("a=$(b)\nb=$(PLAT_WIN)");
    EXPECT_EQ(parsed.set.Get("a"), "$(b)");
    EXPECT_EQ(parsed.set.GetExpanded("a"), "1");
    EXPECT_EQ(parsed.set.Get("PLAT_WIN"), "1");
}

}  // namespace
