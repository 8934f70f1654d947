#include "db/db_engine.h"
#include "db/db_statement.h"
#include "db/db_text.h"
#include "db/jet_sql.h"

#include <sqlite3.h>
#include <windows.h>


namespace dovari::db {

namespace {

constexpr int kSchemaTables = 20;

// The value of "Data Source=" in a connection string, up to its ';'.
std::wstring DataSourceOf(std::wstring_view connection)
{
    static constexpr std::wstring_view key = L"data source=";
    for (size_t at = 0; at + key.size() <= connection.size(); ++at) {
        if (SameIgnoringCase(connection.substr(at, key.size()), key)) {
            const size_t begin = at + key.size();
            const size_t end = connection.find(L';', begin);
            return std::wstring(connection.substr(begin, end == std::wstring_view::npos ? end : end - begin));
        }
    }
    return {};
}

// Refuses what SQLite would open lazily and only fail on later: a missing
// file (it must never be made), a folder and an empty file.
void ProbeFile(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        throw DbError(L"Could not find file '" + path + L"'.");
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || (data.nFileSizeHigh == 0 && data.nFileSizeLow == 0))
        throw DbError(L"Unrecognized database format '" + path + L"'.");
}

// The real name of the table or view that name (in any letter case, perhaps
// in brackets) stands for; empty when there is none.
std::wstring TableNamed(sqlite3* db, std::wstring_view name)
{
    Statement find(db, L"SELECT name FROM sqlite_master WHERE type IN ('table','view') AND name = ?1 COLLATE NOCASE");
    find.BindText(1, Unbracketed(name));
    if (!find.Step())
        return {};
    auto text = static_cast<const wchar_t*>(sqlite3_column_text16(find.get(), 0));
    return text != nullptr ? text : L"";
}

} // namespace

DbConnection::~DbConnection()
{
    if (db_ != nullptr)
        sqlite3_close_v2(db_);
}

void DbConnection::Open(std::wstring_view connectionString)
{
    if (db_ != nullptr)
        throw DbError(L"Operation is not allowed when the object is open.");
    const std::wstring path = DataSourceOf(connectionString);
    ProbeFile(path);
    sqlite3* db = nullptr;
    // Read-write, never create; SQLite falls back to reading a protected file.
    const int opened = sqlite3_open_v2(Utf8FromWide(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (opened != SQLITE_OK)
            ThrowEngineError(db);
        // The header is read only now: this is where a non-database fails.
        Statement probe(db, L"PRAGMA schema_version");
        probe.Step();
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    db_ = db;
}

void DbConnection::Close()
{
    if (db_ == nullptr)
        throw DbError(L"Operation is not allowed when the object is closed.");
    if (sqlite3_close(db_) != SQLITE_OK)
        ThrowEngineError(db_);
    db_ = nullptr;
}

void DbConnection::Execute(std::wstring_view jetSql)
{
    if (db_ == nullptr)
        throw DbError(L"Operation is not allowed when the object is closed.");
    Statement statement(db_, TranslateJetSql(jetSql));
    while (statement.Step()) {
    }
}

std::unique_ptr<DbRecordset> DbConnection::OpenRecordset(std::wstring_view source)
{
    if (db_ == nullptr)
        throw DbError(L"Operation is not allowed when the object is closed.");
    if (source.find_first_not_of(L" \t\r\n") == std::wstring_view::npos)
        throw DbError(L"The statement is empty.");
    std::wstring table = TableNamed(db_, source);
    std::wstring sql;
    if (!table.empty()) {
        sql = L"SELECT * FROM " + QuoteIdentifier(table);
    } else {
        sql = TranslateJetSql(source);
        table = ShapeOfSelect(sql).table;
    }
    if (!table.empty()) {
        // Written back through the rowid when it has one (a view has not).
        const SelectShape shape = ShapeOfSelect(sql);
        std::wstring withRowid = sql;
        withRowid.insert(shape.afterSelect, L" _rowid_,");
        try {
            return std::make_unique<DbRecordset>(db_, withRowid, std::vector<std::wstring>{}, table, true);
        } catch (const DbError&) {
        }
    }
    return std::make_unique<DbRecordset>(db_, sql, std::vector<std::wstring>{}, std::wstring{}, false);
}

std::unique_ptr<DbRecordset> DbConnection::OpenSchema(int schema, const std::vector<std::wstring>& restrictions)
{
    if (db_ == nullptr)
        throw DbError(L"Operation is not allowed when the object is closed.");
    if (schema != kSchemaTables)
        throw DbError(L"Object or provider is not capable of performing requested operation.");
    // One row per table or view; SQLite's own tables are not the user's.
    std::wstring sql =
        L"SELECT * FROM (SELECT NULL AS TABLE_CATALOG, NULL AS TABLE_SCHEMA, name AS TABLE_NAME,"
        L" CASE type WHEN 'view' THEN 'VIEW' ELSE 'TABLE' END AS TABLE_TYPE FROM sqlite_master"
        L" WHERE type IN ('table','view') AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\')";
    std::vector<std::wstring> params;
    const wchar_t* columns[] = {L"TABLE_CATALOG", L"TABLE_SCHEMA", L"TABLE_NAME", L"TABLE_TYPE"};
    for (size_t i = 0; i < restrictions.size() && i < 4; ++i) {
        if (restrictions[i].empty())
            continue;
        sql += params.empty() ? L" WHERE " : L" AND ";
        sql += columns[i];
        sql += L" = ?" + std::to_wstring(params.size() + 1) + L" COLLATE NOCASE";
        params.push_back(restrictions[i]);
    }
    sql += L" ORDER BY TABLE_NAME COLLATE NOCASE, TABLE_NAME";
    return std::make_unique<DbRecordset>(db_, sql, params, std::wstring{}, false);
}

} // namespace dovari::db
