// Writes the exporters' files for the reader check (check-readers.sh): each
// format over a few small styled documents, an empty one and one of 100,000
// lines, into the folder named by the argument.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

#include <scintilla/Scintilla.h>

#include "ExportDocument.h"
#include "ExportSink.h"
#include "HtmlExporter.h"
#include "PdfExporter.h"
#include "RtfExporter.h"
#include "TexExporter.h"

namespace {

struct Fixture {
    const char* name;
    MemoryStyledText text;
    EncodingCode encoding = kEncodingAnsi;
    PropertyMap properties;
};

// Styles with keys (5, 6, 32) and a used style without any (7).
void SetStyles(PropertyMap& properties) {
    properties.Set("style.*.32", "font:Courier New,size:10,back:#FFFFF0");
    properties.Set("style.cpp.5", "fore:#0000FF,bold");
    properties.Set("style.cpp.6", "fore:#008000,italics,back:#EEEEEE");
}

MemoryStyledText Sample() {
    MemoryStyledText text;
    text.Append("int", 5);
    text.Append(" main() {\n\tif (a < b && c > d) { x = \"{[(\\\\)]}\"; }\n", 0);
    text.Append("// 50% of #1: a^b ~c $d _e @f", 6);
    text.Append("\n\tdone^", 7);
    text.Append("~\r\n}\r\n", 0);
    return text;
}

MemoryStyledText Folded() {
    MemoryStyledText text("def a():\n    if b:\n        c = 1\nd = 2\n", 0);
    const int base = SC_FOLDLEVELBASE, header = SC_FOLDLEVELHEADERFLAG;
    text.SetFoldLevels({base | header, (base + 1) | header, base + 2, base, base});
    return text;
}

// C source with single blanks between its tokens and every pair of
// characters that a T1 font would set as one, styled as the C lexer does:
// blanks, keywords, numbers, strings and operators each in a style of their own.
const char kTokens[] =
    "static struct {long files, lines, bytes;} Totals = {0, 0, 0};\n"
    "i--; j = k---l; f(a,,b) << c >> d;\n"
    "s = \"``quoted''\" + 'x' + `cmd`; /* !` ?` */\n"
    " x = y;\n";

MemoryStyledText Tokens() {
    MemoryStyledText text;
    const std::string source = kTokens;
    for (size_t i = 0; i < source.size();) {
        size_t end = i + 1;
        unsigned char style = 10;
        const auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
        if (source[i] == ' ' || source[i] == '\n') {
            style = 0;
        } else if (isWord(source[i])) {
            while (end < source.size() && isWord(source[end])) ++end;
            const std::string word = source.substr(i, end - i);
            style = std::isdigit(static_cast<unsigned char>(word[0])) ? 4
                    : word == "static" || word == "struct" || word == "long" ? 5 : 11;
        } else if (source[i] == '"') {
            end = source.find('"', i + 1) + 1;
            style = 6;
        }
        text.Append(source.substr(i, end - i), style);
        i = end;
    }
    return text;
}

MemoryStyledText Large() {
    MemoryStyledText text;
    std::string chunk;
    for (int line = 0; line < 100000; ++line) {
        chunk += "    value_" + std::to_string(line) + " = compute(" + std::to_string(line % 97) + "); // line\r\n";
        if (chunk.size() > 1 << 16) {
            text.Append(chunk, static_cast<unsigned char>(line % 8));
            chunk.clear();
        }
    }
    text.Append(chunk, 0);
    return text;
}

bool Export(const std::string& folder, const char* name, const char* extension, const Fixture& fixture) {
    const std::string path = folder + "\\" + name + "." + extension;
    const ExportDocument document{fixture.text, fixture.properties, "cpp", fixture.encoding, path, 936};
    const std::string kind = extension;
    const ExportFileMode mode = kind == "pdf" ? ExportFileMode::Binary : ExportFileMode::Text;
    const bool ok = WriteExportFile(path, mode, [&](IByteSink& sink) {
        if (kind == "html") return CHtmlExporter(document).Write(sink);
        if (kind == "rtf") return CRtfExporter(document).Write(sink);
        if (kind == "pdf") return CPdfExporter(document).Write(sink);
        return CTexExporter(document).Write(sink);
    });
    if (!ok) std::fprintf(stderr, "could not write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: export_reader_fixtures folder\n");
        return 2;
    }
    const std::string folder = argv[1];
    Fixture fixtures[] = {
        {"sample", Sample()},
        {"folded", Folded()},
        // "中文 text，编辑器。" in UTF-8 (as a UTF-16 document is held too) and in the ANSI code page 936.
        {"chinese", MemoryStyledText("\xE4\xB8\xAD\xE6\x96\x87 text\xEF\xBC\x8C\xE7\xBC\x96\xE8\xBE\x91\xE5\x99\xA8\xE3\x80\x82\n", 0),
         kEncodingUtf8NoBom},
        {"chinese_utf16", MemoryStyledText("\xE4\xB8\xAD\xE6\x96\x87 text\xEF\xBC\x8C\xE7\xBC\x96\xE8\xBE\x91\xE5\x99\xA8\xE3\x80\x82\n", 0),
         kEncodingUtf16Le},
        {"chinese_gbk", MemoryStyledText("\xD6\xD0\xCE\xC4 text\xA3\xAC\xB1\xE0\xBC\xAD\xC6\xF7\xA1\xA3\n", 0)},
        {"empty", MemoryStyledText("")},
        {"large", Large()},
        {"tokens", Tokens()},
    };
    for (Fixture& fixture : fixtures) SetStyles(fixture.properties);
    fixtures[1].properties.Set("export.html.folding", "1");
    // Coloured blanks and operators, as in the shipped styles.
    PropertyMap& tokens = fixtures[7].properties;
    tokens.Set("style.cpp.0", "fore:#808080");
    tokens.Set("style.cpp.4", "fore:#007F7F");
    tokens.Set("style.cpp.10", "fore:#000080,bold");
    // What a reader must give back of it.
    std::ofstream(folder + "\\tokens.expected", std::ios::binary) << kTokens;
    bool ok = true;
    for (const Fixture& fixture : fixtures) {
        for (const char* extension : {"html", "rtf", "pdf", "tex"}) {
            // Folding is an HTML matter; Chinese text cannot be set by pdflatex's T1 fonts.
            const std::string kind = extension;
            if (std::string(fixture.name) == "folded" && kind != "html") continue;
            if (std::string(fixture.name).rfind("chinese", 0) == 0 && kind == "tex") continue;
            ok = Export(folder, fixture.name, extension, fixture) && ok;
        }
    }
    // A control character, and a file name that LaTeX and XML must escape.
    Fixture odd{"odd_name&", MemoryStyledText("form\ffeed\x01 end\n", 0)};
    for (const char* extension : {"html", "tex"}) ok = Export(folder, odd.name, extension, odd) && ok;
    return ok ? 0 : 1;
}
