// Jet SQL made fit for SQLite, and the selects whose rows can be written back.
#include "db/jet_sql.h"

#include <gtest/gtest.h>

namespace {

using dovari::db::ShapeOfSelect;
using dovari::db::TranslateJetSql;

TEST(JetSql, DoubleQuotedStringsBecomeSingleQuotedAndDeleteLosesItsStar)
{
    const struct {
        const wchar_t* jet;
        const wchar_t* sqlite;
    } cases[] = {
        {L"select * from t where Name=\"a\"", L"select * from t where Name='a'"},
        {L"where Name=\"a\"\"b\"", L"where Name='a\"b'"},
        {L"where Name=\"it's\"", L"where Name='it''s'"},
        {L"values (\"\", \"\"\"\")", L"values ('', '\"')"},
        {L"values (\"two\r\nlines\")", L"values ('two\r\nlines')"},
        {L"where a='kept \"as\" is' and b=\"x\"", L"where a='kept \"as\" is' and b='x'"},
        {L"where a='it''s' and b=\"y\"", L"where a='it''s' and b='y'"},
        {L"select * from [a \"b\" c]", L"select * from [a \"b\" c]"},
        {L"select * from `a\"b`", L"select * from `a\"b`"},
        {L"delete * from t where Name=\"Name\"", L"delete from t where Name='Name'"},
        {L"DELETE\t*\nFROM t", L"DELETE FROM t"},
        {L"delete from t", L"delete from t"},
        {L"select * from t where a=\"delete * from\"", L"select * from t where a='delete * from'"},
        {L"select 2*3 from t", L"select 2*3 from t"},
        {L"where Name=\"open", L"where Name='open"},
        {L"where Name=\"中文\"", L"where Name='中文'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslateJetSql(c.jet), c.sqlite) << c.jet;
}

TEST(JetSql, OnlyPlainSingleTableSelectsHaveATable)
{
    const struct {
        const wchar_t* sql;
        const wchar_t* table;
    } cases[] = {
        {L"select * from t", L"t"},
        {L"SELECT Name, Content FROM [My Snippets] WHERE Name='a'", L"My Snippets"},
        {L"select * from \"a\"\"b\" order by 1", L"a\"b"},
        {L"select * from t limit 2;", L"t"},
        {L"select distinct Name from t", L""},
        {L"select count(*) from t", L""},
        {L"select * from t, u", L""},
        {L"select * from t join u on t.a=u.a", L""},
        {L"select * from t where a in (select a from u)", L"t"},
        {L"select a from t union select a from u", L""},
        {L"select a from t group by a", L""},
        {L"update t set a='b'", L""},
        {L"select 1", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeOfSelect(c.sql).table, c.table) << c.sql;
    EXPECT_EQ(ShapeOfSelect(L"  select * from t").afterSelect, 8u);
}

} // namespace
