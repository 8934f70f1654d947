#pragma once
// Splits properties text into logical lines: line ends end a line, a
// backslash before a line end joins the next line, empty lines are skipped.
#include <string>

// Reads the next logical line from [pos, end) into `line` and moves pos past
// it; false when no line is left. Lines have no length limit.
bool NextLogicalLine(const char*& pos, const char* end, std::string& line);
