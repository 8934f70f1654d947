#include "db/db_engine.h"
#include "db/db_statement.h"
#include "db/db_text.h"
#include "db/jet_sql.h"

#include <sqlite3.h>


namespace dovari::db {

namespace {

DbValue ValueAt(sqlite3_stmt* stmt, int column)
{
    DbValue value;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        break;
    case SQLITE_TEXT: {
        value.kind = DbValue::Kind::Text;
        auto text = static_cast<const wchar_t*>(sqlite3_column_text16(stmt, column));
        const int bytes = sqlite3_column_bytes16(stmt, column);
        if (text != nullptr)
            value.text.assign(text, bytes / sizeof(wchar_t));
        break;
    }
    default:
        value.kind = DbValue::Kind::Other;
        break;
    }
    return value;
}

} // namespace

DbRecordset::DbRecordset(sqlite3* db, std::wstring_view sql, const std::vector<std::wstring>& params,
                         std::wstring table, bool withRowid)
    : db_(db), table_(std::move(table))
{
    Statement statement(db, sql);
    for (size_t i = 0; i < params.size(); ++i)
        statement.BindText(static_cast<int>(i + 1), params[i]);
    const int first = withRowid ? 1 : 0;
    const int count = sqlite3_column_count(statement.get());
    for (int c = first; c < count; ++c) {
        auto name = static_cast<const wchar_t*>(sqlite3_column_name16(statement.get(), c));
        columns_.emplace_back(name != nullptr ? name : L"");
    }
    while (statement.Step()) {
        if (withRowid)
            rowids_.push_back(sqlite3_column_int64(statement.get(), 0));
        std::vector<DbValue> row;
        row.reserve(columns_.size());
        for (int c = first; c < count; ++c)
            row.push_back(ValueAt(statement.get(), c));
        rows_.push_back(std::move(row));
    }
    if (!withRowid)
        table_.clear();
}

void DbRecordset::Close()
{
    RequireOpen();
    open_ = false;
    rows_.clear();
    rowids_.clear();
}

int DbRecordset::RecordCount() const
{
    RequireOpen();
    return static_cast<int>(rows_.size());
}

bool DbRecordset::Bof() const
{
    RequireOpen();
    return rows_.empty() || position_ < 0;
}

bool DbRecordset::Eof() const
{
    RequireOpen();
    return rows_.empty() || position_ >= static_cast<long long>(rows_.size());
}

void DbRecordset::MoveFirst()
{
    RequireOpen();
    if (rows_.empty())
        RequireRecord();
    position_ = 0;
}

void DbRecordset::MoveLast()
{
    RequireOpen();
    if (rows_.empty())
        RequireRecord();
    position_ = static_cast<long long>(rows_.size()) - 1;
}

void DbRecordset::MoveNext()
{
    if (Eof())
        RequireRecord();
    ++position_;
}

void DbRecordset::MovePrevious()
{
    if (Bof())
        RequireRecord();
    --position_;
}

const DbValue& DbRecordset::Field(std::wstring_view name) const
{
    RequireOpen();
    const size_t column = ColumnOf(name);
    RequireRecord();
    return rows_[position_][column];
}

void DbRecordset::Update(std::wstring_view name, std::wstring_view text)
{
    RequireOpen();
    const size_t column = ColumnOf(name);
    RequireRecord();
    if (table_.empty())
        throw DbError(L"The recordset cannot be updated: its rows do not come from one table.");
    Statement update(db_, L"UPDATE " + QuoteIdentifier(table_) + L" SET " + QuoteIdentifier(columns_[column]) +
                              L" = ?1 WHERE _rowid_ = ?2");
    update.BindText(1, text);
    update.BindInt64(2, rowids_[position_]);
    update.Step();
    if (sqlite3_changes(db_) != 1)
        throw DbError(L"Row cannot be located for updating. Some values may have been changed since it was last read.");
    DbValue& value = rows_[position_][column];
    value.kind = DbValue::Kind::Text;
    value.text.assign(text);
}

void DbRecordset::RequireOpen() const
{
    if (!open_)
        throw DbError(L"Operation is not allowed when the object is closed.");
}

void DbRecordset::RequireRecord() const
{
    if (rows_.empty() || position_ < 0 || position_ >= static_cast<long long>(rows_.size()))
        throw DbError(L"Either BOF or EOF is True, or the current record has been deleted. "
                      L"Requested operation requires a current record.");
}

size_t DbRecordset::ColumnOf(std::wstring_view name) const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (SameIgnoringCase(columns_[i], name))
            return i;
    throw DbError(L"Item cannot be found in the collection corresponding to the requested name or ordinal.");
}

} // namespace dovari::db
