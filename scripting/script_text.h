#pragma once
// Strings in scripts and transcripts: double quotes with C escapes
// (\r, \n, \t, \", \\ and \xHH for other control characters).

#include <string>

// The text in double quotes, escaped.
std::string Quote(const std::string& text);

// Reads a quoted string starting at `line[pos]` (which must be '"') and moves
// `pos` past its closing quote. Throws ScriptError on a malformed string.
std::string Unquote(const std::string& line, std::size_t& pos);
