#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "TexExporter.h"

namespace {

std::string Tex(const ExportFixture& f) { return f.Run<CTexExporter>(); }
std::string BodyOf(const std::string& tex) { return Between(tex, "\\tiny{%\n", "\n} %end tiny"); }

TEST(TexExport, MacroNames) {
    const std::pair<int, const char*> names[] = {{0, "a"}, {5, "f"}, {23, "x"}, {24, "ab"}, {25, "bb"}, {32, "ib"}, {127, "hf"}};
    for (const auto& [style, name] : names) EXPECT_EQ(TexStyleName(style), name) << style;
}

TEST(TexExport, WholeFile) {
    ExportFixture f;
    f.properties.Set("style.cpp.5", "italics,bold,fore:#FF0000,back:#0080FF");
    f.properties.Set("style.*.32", "size:10");
    f.text.Append("int", 5);
    f.text.Append(" x_1;", 0);
    f.path = "C:\\src\\my_file.cpp";
    EXPECT_EQ(Tex(f),
              "\\documentclass[a4paper]{article}\n"
              "\\usepackage[a4paper,margin=2cm]{geometry}\n"
              "\\usepackage[T1]{fontenc}\n"
              "\\usepackage{color}\n"
              "\\usepackage{alltt}\n"
              "\\usepackage{times}\n"
              "\\newcommand{\\eda}[1]{\\noindent{\\ttfamily{#1}}}\n"
              "\\newcommand{\\edf}[1]{\\noindent{\\ttfamily{\\textit{\\textbf{\\textcolor[rgb]{1.0, 0.0, 0.0}{"
              "\\colorbox[rgb]{0.0, 0.5, 1.0}{#1}}}}}}}\n"
              "\\newcommand{\\edib}[1]{\\noindent{\\ttfamily{#1}}}\n"
              "\\begin{document}\n\n"
              "Source File: my\\_file.cpp\n\n\\noindent\n\\tiny{%\n"
              "\\edf{int}%\n\\eda{\\ x\\_1;}\n"
              "} %end tiny\n\n\\end{document}\n");
    f.properties.Set("export.tex.title.fullpath", "1");
    EXPECT_NE(Tex(f).find("Source File: C:{\\textbackslash}src{\\textbackslash}my\\_file.cpp\n"), std::string::npos);
}

TEST(TexExport, CharactersOfTheBody) {
    struct Case {
        const char* name;
        const char* text;
        const char* body;
    } cases[] = {
        {"specials", "#$%&_{}", "\\eda{\\#\\$\\%\\&\\_\\{\\}"},
        {"accents as text", "a^b~", "\\eda{a\\textasciicircum{}b\\textasciitilde{}"},
        {"math characters", "<>@", "\\eda{$<$$>$$@$"},
        {"backslash", "a\\b", "\\eda{a{\\textbackslash}b"},
        {"blanks", "a  b c", "\\eda{a{\\hspace*{1em}} b c"},
        {"tabs", "\tx\ty", "\\eda{\\hspace*{4em}x\\hspace*{3em}y"},
        {"line ends", "a\r\nb\rc\nd", "\\eda{a} \\\\\n\\eda{b} \\\\\n\\eda{c} \\\\\n\\eda{d"},
        {"control characters", "a\fb", "\\eda{a?b"},
        {"ligature pairs broken", "i--; ---,,,", "\\eda{i-{}-; -{}-{}-,{},{},"},
        {"quotes as typed", "`` '' !` ?`", "\\eda{\\textasciigrave{}\\textasciigrave{} "
                                           "\\textquotesingle{}\\textquotesingle{} !\\textasciigrave{} ?\\textasciigrave{}"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.text = MemoryStyledText(c.text, 0);
        EXPECT_EQ(BodyOf(Tex(f)), std::string(c.body) + "}") << c.name;
    }
}

// Blanks where TeX would drop them: after the colour macros' look-ahead at
// the start of a run, and after a line break.
TEST(TexExport, BlanksTeXWouldSwallow) {
    struct Case {
        const char* name;
        const char* text;
        const char* styles;
        const char* body;
    } cases[] = {
        {"a run that starts with a blank", "a b c", "\1\0\0\0\0", "\\edb{a}%\n\\eda{\\ b c"},
        {"a blank alone in its run", "a b", "\1\0\1", "\\edb{a}%\n\\eda{\\ }%\n\\edb{b"},
        {"a line that starts with a blank", " a\n b", "\0\0\0\0\0", "\\eda{\\mbox{}\\ a} \\\\\n\\eda{\\mbox{}\\ b"},
        {"a blank before more blanks", "\n  b", "\0\0\0\0", "\\eda{} \\\\\n\\eda{{\\hspace*{1em}} b"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.text = MemoryStyledText(c.text, std::string(c.styles, std::char_traits<char>::length(c.text)));
        EXPECT_EQ(BodyOf(Tex(f)), std::string(c.body) + "}") << c.name;
    }
}

TEST(TexExport, LineEndInsideARun) {
    ExportFixture f;
    f.text.Append("a", 0);
    f.text.Append("b\nc", 1);
    f.text.Append("d\n", 2);
    EXPECT_EQ(BodyOf(Tex(f)), "\\eda{a}%\n\\edb{b} \\\\\n\\edb{c}%\n\\edc{d} \\\\\n\\edc{}");
    // Every thousandth line ends a paragraph instead.
    std::string lines;
    for (int i = 0; i < 2001; ++i) lines += "x\n";
    f.text = MemoryStyledText(lines, 0);
    const std::string body = BodyOf(Tex(f));
    EXPECT_EQ(CountOf(body, "}\\par\n\\eda{"), 2u);
    EXPECT_EQ(CountOf(body, "} \\\\\n\\eda{"), 1999u);
    // An empty document still names a defined macro.
    f.text = MemoryStyledText("");
    const std::string tex = Tex(f);
    EXPECT_EQ(BodyOf(tex), "\\edib{}");
    EXPECT_NE(tex.find("\\newcommand{\\edib}"), std::string::npos);
}

}  // namespace
