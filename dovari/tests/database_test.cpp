// The database exports over small SQLite files that each test makes.
#include "db_fixture.h"
#include "dovari.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using dovari_test::MakeDatabase;
using dovari_test::QueryText;

namespace {

// A handle that is closed when the test ends.
struct Open {
    explicit Open(const std::string& path) : db(DbOpen(path.c_str())) {}
    ~Open()
    {
        if (db != nullptr)
            DbClose(db);
    }
    DbHandle* db;
};

std::string Field(DbHandle* db, const char* name, int size = 1024)
{
    std::vector<char> buffer(size, 'x');
    buffer[size - 1] = '\0';
    EXPECT_EQ(DbGetField(db, name, buffer.data(), size), 1) << name << ": " << DbLastError(db);
    return buffer.data();
}

std::vector<std::string> Column(DbHandle* db, const char* name)
{
    std::vector<std::string> values;
    const int count = DbRecordCount(db);
    for (int i = 0; i < count; ++i) {
        values.push_back(Field(db, name));
        EXPECT_EQ(DbMoveNext(db), 1);
    }
    EXPECT_EQ(DbMoveNext(db), 0);
    return values;
}

class Database : public ::testing::Test {
protected:
    TempFolder dir;
    std::string path = dir.File("template.mdb");
};

TEST_F(Database, OpensOnlyAnExistingDatabaseAndNeverMakesOne)
{
    dovari_test::WriteFile(dir.File("text.mdb"), "this is no database, only text long enough to have a header\r\n");
    dovari_test::WriteFile(dir.File("empty.mdb"), "");
    dovari_test::MakeFolder(dir.File("folder.mdb"));
    for (const char* name : {"missing.mdb", "text.mdb", "empty.mdb", "folder.mdb"}) {
        EXPECT_EQ(DbOpen(dir.File(name).c_str()), nullptr) << name;
    }
    EXPECT_FALSE(dovari_test::IsFile(dir.File("missing.mdb")));
    EXPECT_EQ(dovari_test::ReadFile(dir.File("empty.mdb")), "");
    EXPECT_EQ(DbOpen(nullptr), nullptr);
    EXPECT_EQ(DbOpen(std::string(300, 'a').c_str()), nullptr);

    MakeDatabase(path, "CREATE TABLE t(a TEXT);");
    DbHandle* db = DbOpen(path.c_str());
    ASSERT_NE(db, nullptr);
    EXPECT_STREQ(DbLastError(db), "");
    EXPECT_EQ(DbClose(db), 1);
}

TEST_F(Database, EveryExportAnswersZeroForNoHandle)
{
    char buffer[8] = "kept";
    EXPECT_EQ(DbClose(nullptr), 0);
    EXPECT_EQ(DbOpenRecordset(nullptr, "t"), 0);
    EXPECT_EQ(DbCloseRecordset(nullptr), 0);
    EXPECT_EQ(DbGetField(nullptr, "a", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "kept");
    EXPECT_EQ(DbSetField(nullptr, "a", "b"), 0);
    EXPECT_EQ(DbRecordCount(nullptr), 0);
    EXPECT_EQ(DbMoveFirst(nullptr), 0);
    EXPECT_EQ(DbMoveLast(nullptr), 0);
    EXPECT_EQ(DbMoveNext(nullptr), 0);
    EXPECT_EQ(DbMovePrevious(nullptr), 0);
    EXPECT_EQ(DbOpenTables(nullptr, 20), 0);
    EXPECT_EQ(DbExecute(nullptr, "select 1"), 0);
    ASSERT_NE(DbLastError(nullptr), nullptr);
    EXPECT_STREQ(DbLastError(nullptr), "");
}

TEST_F(Database, AFailureLeavesAnErrorTextThatTheNextCallEmpties)
{
    MakeDatabase(path, "CREATE TABLE t(a TEXT); INSERT INTO t VALUES('v');");
    Open h(path);
    ASSERT_NE(h.db, nullptr);

    char buffer[16] = "old";
    EXPECT_EQ(DbGetField(h.db, "a", buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    const std::string error = DbLastError(h.db);
    EXPECT_EQ(error.rfind("Error: ", 0), 0u) << error;
    EXPECT_EQ(error.back(), '\n');
    EXPECT_GT(error.size(), std::strlen("Error: \n"));

    // Each of these fails before any recordset exists.
    EXPECT_EQ(DbRecordCount(h.db), 0);
    EXPECT_EQ(DbMoveFirst(h.db), 0);
    EXPECT_EQ(DbMoveNext(h.db), 0);
    EXPECT_EQ(DbCloseRecordset(h.db), 0);
    EXPECT_EQ(DbSetField(h.db, "a", "w"), 0);
    EXPECT_STRNE(DbLastError(h.db), "");

    EXPECT_EQ(DbOpenRecordset(h.db, "t"), 1);
    EXPECT_STREQ(DbLastError(h.db), "");

    // Statements the engine refuses, and a second statement after the first.
    for (const char* bad : {"select nothing from nowhere", "insert into t values('a'); drop table t", "", "t t"}) {
        EXPECT_EQ(DbExecute(h.db, bad), 0) << bad;
        EXPECT_EQ(std::string(DbLastError(h.db)).rfind("Error: ", 0), 0u) << bad;
    }
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM t"), "1");
    EXPECT_EQ(DbExecute(h.db, nullptr), 0);
    EXPECT_EQ(DbOpenRecordset(h.db, nullptr), 0);
}

TEST_F(Database, ErrorTextsAreCutToTheirSpace)
{
    MakeDatabase(path, "CREATE TABLE t(a TEXT);");
    Open h(path);
    const std::string longName(400, 'q');
    EXPECT_EQ(DbOpenRecordset(h.db, ("select " + longName + " from t").c_str()), 0);
    const std::string error = DbLastError(h.db);
    EXPECT_EQ(error.size(), 255u);
    EXPECT_EQ(error.rfind("Error: ", 0), 0u);
}

struct FieldCase {
    const char* field;
    int size;
    int result;
    const char* buffer;  // after the call; "untouched" is what it held before
};

TEST_F(Database, FieldsReadAsTextOnlyWhenTheyHoldText)
{
    ASSERT_EQ(GetACP(), 936u) << "the harness runs the tests under code page 936";
    MakeDatabase(path,
                 "CREATE TABLE f(t TEXT, e TEXT, z TEXT, i INTEGER, r REAL, digits TEXT, long TEXT, han TEXT, unset TEXT);"
                 "INSERT INTO f VALUES('abc', '', NULL, 42, 1.5, '123', 'abcdef', '中文字', char(62168) || 'x');");
    Open h(path);
    ASSERT_EQ(DbOpenRecordset(h.db, "f"), 1);

    const FieldCase cases[] = {
        {"t", 16, 1, "abc"},
        {"T", 16, 1, "abc"},          // names in any letter case
        {"e", 16, 0, ""},             // empty text
        {"z", 16, 0, "untouched"},    // NULL
        {"i", 16, 0, "untouched"},    // numbers
        {"r", 16, 0, "untouched"},
        {"digits", 16, 1, "123"},     // a TEXT column keeps digits as text
        {"long", 4, 1, "abc"},        // cut, and terminated
        {"long", 7, 1, "abcdef"},     // exactly fits
        {"long", 1, 1, ""},
        {"han", 7, 1, "\xD6\xD0\xCE\xC4\xD7\xD6"},
        {"han", 6, 1, "\xD6\xD0\xCE\xC4"},  // never half a character
        {"han", 4, 1, "\xD6\xD0"},
        {"han", 2, 1, ""},
        {"unset", 16, 0, ""},         // first unit U+F2D8 reads as empty
        {"nosuch", 16, 0, ""},        // an error empties the buffer
    };
    for (const FieldCase& c : cases) {
        char buffer[32] = "untouched";
        EXPECT_EQ(DbGetField(h.db, c.field, buffer, c.size), c.result) << c.field << " into " << c.size;
        EXPECT_STREQ(buffer, c.buffer) << c.field << " into " << c.size;
        EXPECT_EQ(std::string(DbLastError(h.db)).empty(), std::strcmp(c.field, "nosuch") != 0) << c.field;
    }
    char buffer[4] = "abc";
    EXPECT_EQ(DbGetField(h.db, "t", buffer, 0), 0);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(DbGetField(h.db, "t", nullptr, 16), 0);
}

TEST_F(Database, MovesAndCountsFollowTheSnapshot)
{
    MakeDatabase(path, "CREATE TABLE one(a TEXT); INSERT INTO one VALUES('only');"
                       "CREATE TABLE three(a TEXT); INSERT INTO three VALUES('x'),('y'),('z');"
                       "CREATE TABLE none(a TEXT);");
    Open h(path);
    ASSERT_EQ(DbOpenRecordset(h.db, "one"), 1);
    EXPECT_EQ(DbRecordCount(h.db), 1);
    EXPECT_EQ(DbMoveNext(h.db), 1);  // now past the end
    EXPECT_EQ(DbMoveNext(h.db), 0);
    EXPECT_STREQ(DbLastError(h.db), "");  // the end is no error

    ASSERT_EQ(DbOpenRecordset(h.db, "select a from three order by a desc"), 1);
    EXPECT_EQ(DbRecordCount(h.db), 3);
    EXPECT_EQ(Field(h.db, "a"), "z");
    EXPECT_EQ(DbMoveLast(h.db), 1);
    EXPECT_EQ(Field(h.db, "a"), "x");
    EXPECT_EQ(DbMovePrevious(h.db), 1);
    EXPECT_EQ(Field(h.db, "a"), "y");
    EXPECT_EQ(DbMoveFirst(h.db), 1);
    EXPECT_EQ(DbMovePrevious(h.db), 1);  // before the first record
    EXPECT_EQ(DbMovePrevious(h.db), 0);
    EXPECT_STRNE(DbLastError(h.db), "");
    EXPECT_EQ(DbMoveNext(h.db), 1);
    EXPECT_EQ(Field(h.db, "a"), "z");

    ASSERT_EQ(DbOpenRecordset(h.db, "none"), 1);
    EXPECT_EQ(DbRecordCount(h.db), 0);
    EXPECT_EQ(DbMoveNext(h.db), 0);
    EXPECT_STREQ(DbLastError(h.db), "");
    EXPECT_EQ(DbMoveFirst(h.db), 0);
    EXPECT_EQ(DbMoveLast(h.db), 0);

    // A closed recordset stays current and refuses everything.
    ASSERT_EQ(DbOpenRecordset(h.db, "three"), 1);
    EXPECT_EQ(DbCloseRecordset(h.db), 1);
    EXPECT_EQ(DbRecordCount(h.db), 0);
    EXPECT_STRNE(DbLastError(h.db), "");
    EXPECT_EQ(DbCloseRecordset(h.db), 0);
}

TEST_F(Database, TheTablesListHoldsTheUserTablesInNameOrder)
{
    MakeDatabase(path, "CREATE TABLE b(a TEXT); CREATE TABLE A(a TEXT); CREATE TABLE [My Snippets](a TEXT);"
                       "CREATE TABLE counter(id INTEGER PRIMARY KEY AUTOINCREMENT, v TEXT);"
                       "INSERT INTO counter(v) VALUES('makes sqlite_sequence');"
                       "CREATE INDEX b_a ON b(a); CREATE VIEW v AS SELECT a FROM b; ANALYZE;");
    ASSERT_EQ(QueryText(path, "SELECT count(*) FROM sqlite_master WHERE name LIKE 'sqlite%'"), "2");
    Open h(path);
    ASSERT_EQ(DbOpenTables(h.db, 20), 1);
    EXPECT_EQ(Column(h.db, "TABLE_NAME"), (std::vector<std::string>{"A", "b", "counter", "My Snippets"}));

    EXPECT_EQ(DbOpenTables(h.db, 4), 0);
    EXPECT_STRNE(DbLastError(h.db), "");
}

TEST_F(Database, ASetFieldIsThereAfterReopening)
{
    MakeDatabase(path, "CREATE TABLE t(Name TEXT, Content TEXT);"
                       "INSERT INTO t VALUES('a', 'first'), ('b', 'second');"
                       "CREATE TABLE u(k TEXT);");
    {
        Open h(path);
        ASSERT_EQ(DbOpenRecordset(h.db, "t"), 1);
        ASSERT_EQ(DbMoveNext(h.db), 1);
        EXPECT_EQ(DbSetField(h.db, "Content", "changed"), 1) << DbLastError(h.db);
        EXPECT_EQ(Field(h.db, "Content"), "changed");
        ASSERT_EQ(DbOpenRecordset(h.db, "select Content from t where Name=\"a\""), 1);
        EXPECT_EQ(DbSetField(h.db, "Content", ""), 1) << DbLastError(h.db);
        EXPECT_EQ(DbSetField(h.db, "Name", "x"), 0);  // not in this recordset

        // Rows that come from more than one table cannot be written back.
        ASSERT_EQ(DbOpenRecordset(h.db, "select t.Name from t, u"), 1);
        ASSERT_EQ(DbOpenRecordset(h.db, "select Name from t union select k from u"), 1);
        EXPECT_EQ(DbSetField(h.db, "Name", "x"), 0);
        EXPECT_STRNE(DbLastError(h.db), "");
    }
    Open again(path);
    ASSERT_EQ(DbOpenRecordset(again.db, "select * from t order by Name"), 1);
    char buffer[16] = "untouched";
    EXPECT_EQ(DbGetField(again.db, "Content", buffer, sizeof buffer), 0);  // the empty text
    EXPECT_STREQ(buffer, "");
    ASSERT_EQ(DbMoveNext(again.db), 1);
    EXPECT_EQ(Field(again.db, "Content"), "changed");
    EXPECT_EQ(QueryText(path, "SELECT typeof(Content) FROM t WHERE Name='a'"), "text");
}

// The statements the template pane sends, as Jet SQL.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

TEST_F(Database, TemplateStatementsRoundTripAwkwardNamesAndContents)
{
    MakeDatabase(path, "CREATE TABLE [My Snippets]" + std::string(dovari_test::kTemplateColumns) + ";");
    Open h(path);
    const std::string table = "[My Snippets]";
    const std::vector<std::pair<std::string, std::string>> rows{
        {"Name", "the name \"Name\" is a column's"},
        {"Content", "it's \"quoted\"\r\nand 'single'\nand \"\"doubled\"\""},
        {"a\"b", "line one\r\n\tline two |"},
        {"it's", ""},
    };
    for (const auto& [name, content] : rows) {
        const std::string insert =
            "insert into " + table + " (Name, Content) values (" + Quoted(name) + ", " + Quoted(content) + ")";
        ASSERT_EQ(DbExecute(h.db, insert.c_str()), 1) << insert << DbLastError(h.db);
    }
    ASSERT_EQ(DbOpenRecordset(h.db, ("select Name from " + table).c_str()), 1);
    EXPECT_EQ(Column(h.db, "Name"), (std::vector<std::string>{"Name", "Content", "a\"b", "it's"}));

    for (const auto& [name, content] : rows) {
        const std::string select = "select * from " + table + " where Name=" + Quoted(name);
        ASSERT_EQ(DbOpenRecordset(h.db, select.c_str()), 1) << select;
        ASSERT_EQ(DbRecordCount(h.db), 1) << select;
        if (!content.empty()) {
            EXPECT_EQ(Field(h.db, "Content"), content) << name;
        }
    }
    // Jet compares names without regard to case.
    ASSERT_EQ(DbOpenRecordset(h.db, ("select * from " + table + " where Name=\"NAME\"").c_str()), 1);
    EXPECT_EQ(DbRecordCount(h.db), 1);

    const std::string update = "update " + table + " set Name=" + Quoted("renamed \"x\"") +
                               ",Content=" + Quoted("new\r\n\"text\"") + " where Name=" + Quoted("a\"b");
    ASSERT_EQ(DbExecute(h.db, update.c_str()), 1) << DbLastError(h.db);
    ASSERT_EQ(DbOpenRecordset(h.db, ("select * from " + table + " where Name=" + Quoted("renamed \"x\"")).c_str()), 1);
    EXPECT_EQ(Field(h.db, "Content"), "new\r\n\"text\"");

    // Deleting the template named "Name" deletes that row and no other.
    ASSERT_EQ(DbExecute(h.db, ("delete * from " + table + " where Name=\"Name\"").c_str()), 1) << DbLastError(h.db);
    ASSERT_EQ(DbOpenRecordset(h.db, ("select Name from " + table).c_str()), 1);
    EXPECT_EQ(Column(h.db, "Name"), (std::vector<std::string>{"Content", "renamed \"x\"", "it's"}));
}

TEST_F(Database, ARecordsetSourceMayNameATableInAnyCase)
{
    MakeDatabase(path, "CREATE TABLE Select_Me(a TEXT); INSERT INTO Select_Me VALUES('1');"
                       "CREATE TABLE [Select](a TEXT); INSERT INTO [Select] VALUES('kw');");
    Open h(path);
    for (const char* source : {"select_me", "[Select_Me]", "select * from [Select_Me]"}) {
        ASSERT_EQ(DbOpenRecordset(h.db, source), 1) << source << DbLastError(h.db);
        EXPECT_EQ(Field(h.db, "a"), "1") << source;
    }
    for (const char* source : {"Select", "select a from [Select]"}) {
        ASSERT_EQ(DbOpenRecordset(h.db, source), 1) << source << DbLastError(h.db);
        EXPECT_EQ(Field(h.db, "a"), "kw") << source;
    }
}

} // namespace
