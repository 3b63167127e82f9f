#pragma once
// Line breaks as the calculator's texts take them: a CR LF pair, a lone CR
// and a lone LF are each one break. Texts of matrices run to megabytes, so
// each conversion copies whole stretches between breaks at once.

#include <string>
#include <string_view>

// Every break as one LF.
std::string LineFeedText(std::string_view text);
// LineFeedText(text) appended to `out`. A text cut in pieces gives the same
// as the whole when no piece ends between a CR and its LF.
void AppendLineFeedText(std::string& out, std::string_view text);

// Every break as CR LF.
std::string CrLfText(std::string_view text);

// Whether every break already is a CR LF pair (CrLfText would change nothing).
bool HasOnlyCrLf(std::string_view text);
