// The engine behind the database exports: a connection, a snapshot
// recordset and field values over SQLite, in the shape of the platform's data
// objects the exports were first written against (open a connection from a
// connection string, open a static client-side recordset with an exact
// count, move with BOF and EOF, read and write fields, run statements, list
// tables). Every failure throws DbError with a description.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace dovari::db {

class DbError {
public:
    explicit DbError(std::wstring description) : description_(std::move(description)) {}
    const std::wstring& description() const { return description_; }

private:
    std::wstring description_;
};

// One field value: a database NULL, a text (UTF-16) or anything else (a
// number or bytes), which callers asking for text cannot read.
struct DbValue {
    enum class Kind { Null, Text, Other };
    Kind kind = Kind::Null;
    std::wstring text;
};

class DbRecordset;

class DbConnection {
public:
    DbConnection() = default;
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens the existing database that the connection string's
    // "Data Source=" names. A missing file, a folder, an empty file or one
    // that is not a database fails here, not at the first statement.
    void Open(std::wstring_view connectionString);
    // Fails (and stays open) when the engine cannot let go of the file.
    void Close();

    // Runs one Jet SQL statement.
    void Execute(std::wstring_view jetSql);
    // A snapshot of a table (by name) or of the rows a Jet SQL statement gives.
    std::unique_ptr<DbRecordset> OpenRecordset(std::wstring_view source);
    // The schema rowset; only the tables schema (20) is known. The
    // restrictions are catalogue, schema, table name and table type, each
    // empty for any.
    std::unique_ptr<DbRecordset> OpenSchema(int schema, const std::vector<std::wstring>& restrictions);

private:
    sqlite3* db_ = nullptr;
};

class DbRecordset {
public:
    // Runs sql (SQLite's dialect) with its parameters bound as texts in
    // order and keeps every row. With withRowid the first column is the
    // rowid of table, through which Update writes; the connection must
    // outlive any such write.
    DbRecordset(sqlite3* db, std::wstring_view sql, const std::vector<std::wstring>& params,
                std::wstring table, bool withRowid);

    void Close();
    int RecordCount() const;
    bool Bof() const;
    bool Eof() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    // The named field of the current record (names compare without regard to case).
    const DbValue& Field(std::wstring_view name) const;
    // Writes text into the named field of the current record and stores it.
    void Update(std::wstring_view name, std::wstring_view text);

private:
    void RequireOpen() const;
    void RequireRecord() const;
    size_t ColumnOf(std::wstring_view name) const;

    sqlite3* db_;
    std::wstring table_;  // the one table the rows came from, for writing back
    std::vector<std::wstring> columns_;
    std::vector<std::vector<DbValue>> rows_;
    std::vector<long long> rowids_;
    long long position_ = 0;  // -1 is BOF, rows_.size() is EOF
    bool open_ = true;
};

} // namespace dovari::db
