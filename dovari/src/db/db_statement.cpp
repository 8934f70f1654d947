#include "db/db_statement.h"

#include <sqlite3.h>

#include <cwctype>
#include <string>

namespace dovari::db {

void ThrowEngineError(sqlite3* db)
{
    auto text = static_cast<const wchar_t*>(sqlite3_errmsg16(db));
    throw DbError(text != nullptr && *text != L'\0' ? text : L"The database engine failed.");
}

Statement::Statement(sqlite3* db, std::wstring_view sql) : db_(db)
{
    const std::wstring text(sql);
    const void* tail = nullptr;
    if (sqlite3_prepare16_v2(db, text.c_str(), -1, &stmt_, &tail) != SQLITE_OK)
        ThrowEngineError(db);
    if (stmt_ == nullptr)
        throw DbError(L"The statement is empty.");
    for (auto rest = static_cast<const wchar_t*>(tail); rest != nullptr && *rest != L'\0'; ++rest)
        if (!std::iswspace(*rest) && *rest != L';') {
            sqlite3_finalize(stmt_);
            throw DbError(L"Characters found after end of SQL statement.");
        }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::BindText(int index, std::wstring_view text)
{
    // Bound as a copy: the view need not outlive the statement. A null
    // pointer would bind NULL, so an empty text gets a real one.
    const wchar_t* data = text.empty() ? L"" : text.data();
    if (sqlite3_bind_text16(stmt_, index, data, static_cast<int>(text.size() * sizeof(wchar_t)),
                            SQLITE_TRANSIENT) != SQLITE_OK)
        ThrowEngineError(db_);
}

void Statement::BindInt64(int index, long long value)
{
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        ThrowEngineError(db_);
}

bool Statement::Step()
{
    switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        ThrowEngineError(db_);
    }
}

} // namespace dovari::db
