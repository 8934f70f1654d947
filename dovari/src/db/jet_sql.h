// The Jet SQL that callers send, made fit for SQLite, and the little the
// engine needs to know of a select to write a changed field back.
//
// Jet takes a double-quoted run as a string and accepts "delete * from";
// SQLite takes the first as an identifier and rejects the second. Single-
// quoted strings, [bracketed] and `backticked` names are the same in both
// and pass through untouched.
#pragma once

#include <string>
#include <string_view>

namespace dovari::db {

// Outside quotes, "..." becomes '...' ("" inside becomes ", ' becomes '')
// and delete * from becomes delete from. Everything else is kept as written.
std::wstring TranslateJetSql(std::wstring_view jet);

// What a select reads, for writing back through the rowid.
struct SelectShape {
    std::wstring table;        // the one table read; empty when not one table
    size_t afterSelect = 0;    // where a column can be added in front of the list
};

// The shape of a plain "select <columns> from <table> [where|order|limit ...]"
// without distinct, function calls, joins, grouping or compound parts, in
// SQLite's dialect. Anything else gives an empty table.
SelectShape ShapeOfSelect(std::wstring_view sql);

// name as a double-quoted SQLite identifier.
std::wstring QuoteIdentifier(std::wstring_view name);

// The text in one pair of [brackets] without them, otherwise the text.
std::wstring_view Unbracketed(std::wstring_view name);

} // namespace dovari::db
