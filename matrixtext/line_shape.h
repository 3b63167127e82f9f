#pragma once
// How many numbers each line of an entry text holds, told by the readers as
// they read: SE says so when a reading dropped or moved numbers.

#include "matrixtext/matrix_text.h"

#include <cstddef>

// Numbers are told with their line (counted from 0), in reading order:
// whether every one of the text's `rows` lines holds as many as the first.
class LineShape {
  public:
    void Number(std::size_t line) { Numbers(line, 1); }
    // `count` numbers on `line`, told at once.
    void Numbers(std::size_t line, std::size_t count);
    // `lines` lines from `firstLine` on, told at once by a reader that
    // counted them itself: the first holds `first` numbers, every other as
    // many when `even`; `numbers` in all.
    void Lines(std::size_t firstLine, std::size_t lines, std::size_t first, bool even,
               std::size_t numbers);
    // The characters the reader passed over between two numbers it read:
    // a digit among them is a number it did not read, such as the -2 of
    // "1-2" (strtod stops after the 1).
    void PassedOver(const char* from, const char* to);
    // `count` such numbers, told at once.
    void Ignored(std::size_t count) { numbers_ += count; }
    void Finish(std::size_t rows);
    void Report(EntryReading& reading) const;

  private:
    void CloseLine();

    std::size_t line_ = 0;
    std::size_t lineNumbers_ = 0;
    std::size_t perLine_ = 0;
    std::size_t numbers_ = 0;
    bool ragged_ = false;
};

// Whether [from, to) holds a digit; false when the range is empty or
// reversed (strtod may have read beyond where a reader's scan stopped).
bool HasDigit(const char* from, const char* to);
