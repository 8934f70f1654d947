// The template database through the library's database layer: categories,
// names and contents that Jet takes one way and SQLite another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TemplateDatabase.h"
#include "TemplateSql.h"
#include "db_fixture.h"
#include "support.h"

namespace {

using Names = std::vector<std::string>;

class TemplateDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string columns(dovari_test::kTemplateColumns);
        dovari_test::MakeDatabase(path, "CREATE TABLE [My Snippets]" + columns + "; CREATE TABLE [Select]" + columns +
                                            "; CREATE TABLE Empty" + columns +
                                            "; CREATE VIEW Shown AS SELECT * FROM [Select];"
                                            "INSERT INTO [Select] VALUES('Content','c1'),('Name','n1'),('x','x1');");
    }
    Names NamesOf(const std::string& table) {
        CTemplateDatabase database(path);
        return database.ReadNames(table);
    }
    std::string ContentOf(const std::string& table, const std::string& name) {
        CTemplateDatabase database(path);
        std::string stored, content;
        EXPECT_TRUE(database.ReadTemplate(table, name, stored, content)) << name;
        EXPECT_EQ(stored, name);
        return content;
    }

    TempFolder dir;
    std::string path = dir.File("template.mdb");
};

TEST_F(TemplateDatabaseTest, CategoriesAreTheUserTablesOnly) {
    CTemplateDatabase database(path);
    Names tables;
    ASSERT_TRUE(database.ReadTables(tables));
    EXPECT_EQ(tables, (Names{"Empty", "My Snippets", "Select"}));
    EXPECT_EQ(database.ReadNames("Select"), (Names{"Content", "Name", "x"}));
    EXPECT_EQ(database.ReadNames("Empty"), Names{});
    EXPECT_EQ(database.ReadNames("No such"), Names{});

    CTemplateDatabase missing(dir.File("missing.mdb"));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.ReadTables(tables));
    EXPECT_TRUE(tables.empty());
    EXPECT_FALSE(ExecuteTemplateSql(dir.File("missing.mdb"), template_sql::SelectNames("Select")));
}

TEST_F(TemplateDatabaseTest, NamesThatAreColumnsTouchOnlyTheirOwnRow) {
    EXPECT_EQ(ContentOf("Select", "Name"), "n1");
    EXPECT_EQ(ContentOf("Select", "Content"), "c1");
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::DeleteTemplate("Select", "Name")));
    EXPECT_EQ(NamesOf("Select"), (Names{"Content", "x"}));
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::UpdateTemplate("Select", "Content 2", "c2", "Content")));
    EXPECT_EQ(NamesOf("Select"), (Names{"Content 2", "x"}));
    EXPECT_EQ(ContentOf("Select", "Content 2"), "c2");
    EXPECT_EQ(ContentOf("Select", "x"), "x1");
}

TEST_F(TemplateDatabaseTest, QuotesAndLineBreaksRoundTripThroughAddAndRename) {
    const std::string name = "say \"hi\" it's";
    const std::string content = "printf(\"%s\\n\", '|');\r\n\t\"\"\r\nend";
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::InsertTemplate("Empty", name, content)));
    EXPECT_EQ(NamesOf("Empty"), Names{name});
    EXPECT_EQ(ContentOf("Empty", name), content);

    const std::string renamed = "\"quoted\"";
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::UpdateTemplate("Empty", renamed, content + "!", name)));
    EXPECT_EQ(NamesOf("Empty"), Names{renamed});
    EXPECT_EQ(ContentOf("Empty", renamed), content + "!");
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::DeleteTemplate("Empty", renamed)));
    EXPECT_EQ(NamesOf("Empty"), Names{});

    // A category whose name holds a blank takes templates as well.
    ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::InsertTemplate("My Snippets", "one", "1")));
    EXPECT_EQ(NamesOf("My Snippets"), Names{"one"});
}

// As many characters as the dialog takes, double-byte ones too, come back whole.
TEST_F(TemplateDatabaseTest, NamesAndContentsAreReadUpToTheirLimit) {
    std::string han;  // 中 in code page 936
    for (int i = 0; i < 29; ++i) han += "\xD6\xD0";
    std::string content;
    for (int i = 0; i < 1023; ++i) content += "\xCE\xC4";
    for (const std::string& name : {std::string(29, 'n'), han}) {
        ASSERT_TRUE(ExecuteTemplateSql(path, template_sql::InsertTemplate("Empty", name, content)));
        EXPECT_EQ(ContentOf("Empty", name), content);
    }
    EXPECT_EQ(NamesOf("Empty"), (Names{std::string(29, 'n'), han}));
}

}  // namespace
