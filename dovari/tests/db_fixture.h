// Database files for tests, made with SQLite directly (the library under
// test never creates one): a path and the statements, in UTF-8, that fill it.
#pragma once

#include <string>
#include <string_view>

namespace dovari_test {

// Creates (or adds to) the database at path; fails the test on an error.
void MakeDatabase(const std::string& path, std::string_view utf8Sql);

// The one value the query gives, as UTF-8 ("<null>" for NULL, "<none>" when
// there is no row).
std::string QueryText(const std::string& path, std::string_view utf8Sql);

// The template tables the editor reads: Name and Content texts that compare
// without regard to case.
inline constexpr std::string_view kTemplateColumns = "(Name TEXT COLLATE NOCASE, Content TEXT)";

} // namespace dovari_test
