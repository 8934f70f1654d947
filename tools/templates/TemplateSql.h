#pragma once
// The statements the template pane sends to the template database, in Jet's
// dialect: names and contents between double quotes with an inner double
// quote written twice, and the category (a table) in brackets so that names
// with blanks or reserved words ("My Snippets", "Select") work too. The
// texts grow as needed: doubling the quotes can double a content's length.
#include <string>
#include <string_view>

namespace template_sql {

// text between double quotes, each '"' inside doubled: a"b gives "a""b".
std::string Quoted(std::string_view text);
// [table]
std::string Table(std::string_view table);

std::string SelectNames(std::string_view table);
std::string SelectTemplate(std::string_view table, std::string_view name);
std::string DeleteTemplate(std::string_view table, std::string_view name);
std::string InsertTemplate(std::string_view table, std::string_view name, std::string_view content);
// Renames the template oldName and replaces its content.
std::string UpdateTemplate(std::string_view table, std::string_view newName, std::string_view content,
                           std::string_view oldName);

}  // namespace template_sql
