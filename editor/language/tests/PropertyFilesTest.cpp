// Reading properties files: the whole file, the byte-order mark, imports and
// the store's Load.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "AppSettings.h"
#include "CaseName.h"
#include "Globals.h"
#include "PropertySets.h"
#include "TempFolder.h"

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

// Writes name -> content below the folder; "%OTHER%" in a content stands for
// a second folder, so that absolute imports can be written.
void WriteFiles(const TempFolder& folder, const Files& files, const std::string& other = "") {
    for (auto [name, content] : files) {
        size_t slash = name.rfind('\\');
        if (slash != std::string::npos) ::CreateDirectoryA(folder.File(name.substr(0, slash)).c_str(), nullptr);
        for (size_t at; (at = content.find("%OTHER%")) != std::string::npos;) content.replace(at, 7, other);
        folder.Write(name, content);
    }
}

std::vector<std::string> Listed(const CPropertySets& sets) {
    std::vector<std::string> listed;
    for (const std::string& path : sets.ImportedFiles()) {
        if (!path.empty()) listed.push_back(path);
    }
    return listed;
}

struct ImportCase {
    const char* name;
    Files files;                                                // names relative to the language folder
    std::vector<std::pair<std::string, std::string>> expected;  // key -> value in the main set ("" = unset)
    std::vector<std::string> listed;                            // the imported-file list, relative names
};

void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

const ImportCase kImportCases[] = {
    {"nested imports resolve against the root folder",
     {{"root.properties", "import sub\\a"},
      {"sub\\a.properties", "import b\nfrom.a=1"},
      {"b.properties", "where=root"},
      {"sub\\b.properties", "where=sub"}},
     {{"from.a", "1"}, {"where", "root"}},
     {"b.properties", "sub\\a.properties"}},
    {"missing import skipped and not listed", {{"root.properties", "import nope\nk=1"}}, {{"k", "1"}}, {}},
    {"import inside a false block is read and ends the block",
     {{"root.properties", "if NOPE\nimport sub\n\ta=1"}, {"sub.properties", "s=1"}},
     {{"s", "1"}, {"a", "1"}},
     {"sub.properties"}},
    {"indented import is a key",
     {{"root.properties", "\timport sub"}, {"sub.properties", "s=1"}},
     {{"import sub", "1"}, {"s", ""}},
     {}},
    {"an import's false block stays in the import",
     {{"root.properties", "import sub\n\tafter=1"}, {"sub.properties", "if NOPE\n\tx=1"}},
     {{"after", "1"}, {"x", ""}},
     {"sub.properties"}},
    {"imported file sees earlier keys",
     {{"root.properties", "on=1\nimport sub"}, {"sub.properties", "if on\n\tseen=1"}},
     {{"seen", "1"}},
     {"sub.properties"}},
    {"self import ends", {{"root.properties", "import root\nk=1"}}, {{"k", "1"}}, {}},
    {"import cycle ends",
     {{"root.properties", "import a"}, {"a.properties", "import b\na=1"}, {"b.properties", "import A\nb=1"}},
     {{"a", "1"}, {"b", "1"}},
     {"b.properties", "a.properties"}},
    {"diamond reads the shared file twice",
     {{"root.properties", "import a\nimport b"},
      {"a.properties", "import c"},
      {"b.properties", "import c"},
      {"c.properties", "c=1"}},
     {{"c", "1"}},
     {"c.properties", "a.properties", "c.properties", "b.properties"}},
    {"absolute import", {{"root.properties", "import %OTHER%\\y"}}, {{"far", "1"}}, {"%OTHER%"}},
    {"import path too long is skipped",
     {{"root.properties", "import " + std::string(300, 'x') + "\nk=1"}},
     {{"k", "1"}},
     {}},
    {"byte-order mark skipped",
     {{"root.properties",
       "\xEF\xBB\xBF"
       "a=1"}},
     {{"a", "1"}},
     {}},
    {"byte-order mark skipped in an import",
     {{"root.properties", "import sub"},
      {"sub.properties",
       "\xEF\xBB\xBF"
       "s=1"}},
     {{"s", "1"}},
     {"sub.properties"}},
};

class ImportTest : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportTest, Loads) {
    const ImportCase& c = GetParam();
    TempFolder folder;
    TempFolder other;
    other.Write("y.properties", "far=1");
    WriteFiles(folder, c.files, other.Path());

    CPropertySets sets;
    sets.Load(folder.Path());

    for (const auto& [key, value] : c.expected) EXPECT_EQ(sets.Main().Get(key), value) << key;
    std::vector<std::string> expected;
    for (const std::string& name : c.listed) {
        expected.push_back(name == "%OTHER%" ? other.File("y.properties") : folder.File(name));
    }
    EXPECT_EQ(Listed(sets), expected);
}

INSTANTIATE_TEST_SUITE_P(Imports, ImportTest, testing::ValuesIn(kImportCases), CaseName());

TEST(ImportTest, FilesPastTheFiftiethSlotAreReadButNotListed) {
    TempFolder folder;
    std::string root;
    for (int i = 0; i <= 50; ++i) {
        std::string name = "f" + std::to_string(i);
        root += "import " + name + "\n";
        folder.Write(name + ".properties", "k" + std::to_string(i) + "=1");
    }
    folder.Write("root.properties", root);

    CPropertySets sets;
    sets.Load(folder.Path());

    EXPECT_EQ(sets.Main().Get("k50"), "1");
    EXPECT_EQ(sets.ImportedFiles().front(), folder.File("f0.properties"));
    EXPECT_EQ(sets.ImportedFiles().back(), folder.File("f49.properties"));
}

TEST(ReadFileTest, MissingFileLeavesTheSetAlone) {
    TempFolder folder;
    CPropertySet set;
    set.Set("a", "1");
    EXPECT_FALSE(set.ReadFile(folder.File("none.properties"), folder.Path().c_str(), {}));
    ASSERT_EQ(set.Entries().size(), 1u);
}

TEST(ReadFileTest, ReadsTheWholeFile) {
    // Far past any fixed buffer a reader might keep.
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "key" + std::to_string(i) + "=value\n";
    text += "last=1";
    TempFolder folder;
    folder.Write("big.properties", text);

    CPropertySet set;
    EXPECT_TRUE(set.ReadFile(folder.File("big.properties"), nullptr, {}));
    EXPECT_EQ(set.Get("last"), "1");
    EXPECT_EQ(set.Entries().size(), 20001u);
}

TEST(LoadTest, MissingRootGivesAnEmptyMainSetOverPlatWin) {
    TempFolder folder;
    CPropertySets sets;
    sets.Load(folder.Path());
    EXPECT_TRUE(sets.Main().Entries().empty());
    EXPECT_EQ(sets.Main().Get("PLAT_WIN"), "1");
    EXPECT_EQ(sets.Main().GetInt("PLAT_WIN", 0), 1);
    EXPECT_TRUE(Listed(sets).empty());
}

TEST(LoadTest, ReloadReplacesEverything) {
    TempFolder folder;
    WriteFiles(folder, {{"root.properties", "import a\nold=1"}, {"a.properties", "a=1"}});
    CPropertySets sets;
    sets.Load(folder.Path());
    ASSERT_EQ(sets.Main().Get("old"), "1");

    WriteFiles(folder, {{"root.properties", "import a\nnew=1"}});
    sets.Load(folder.Path());

    EXPECT_EQ(sets.Main().Get("old"), "");
    EXPECT_EQ(sets.Main().Get("new"), "1");
    EXPECT_EQ(Listed(sets), std::vector<std::string>{folder.File("a.properties")});
    EXPECT_TRUE(sets.Languages().empty());
    // The base set is never cleared.
    EXPECT_EQ(sets.Base().Entries().size(), 1u);
}

TEST(LoadTest, ReadsTheSettingsLanguageFolder) {
    TempFolder program;
    ::CreateDirectoryA(program.File("language").c_str(), nullptr);
    program.Write("language\\root.properties", "import sub\na=1");
    program.Write("language\\sub.properties", "s=1");
    CAppSettings settings(program.Path().c_str());
    g_appSettings = &settings;
    CPropertySets sets;
    sets.Load();
    g_appSettings = nullptr;

    EXPECT_EQ(sets.Main().Get("a"), "1");
    EXPECT_EQ(Listed(sets), std::vector<std::string>{program.File("language\\sub.properties")});
    // Without settings there is nothing to read.
    sets.Load();
    EXPECT_TRUE(sets.Main().Entries().empty());
}

}  // namespace
