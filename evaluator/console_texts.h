#pragma once

#include <iosfwd>

class LineInput;

// The banner shown at start-up and after the help pages.
void PrintBanner(std::ostream& out);

// The help pages: pauses for a character from `input` after every 22 lines
// and at the end, then shows the banner again.
void ShowHelp(LineInput& input, std::ostream& out);
