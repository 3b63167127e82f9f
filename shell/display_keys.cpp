#include "shell/display_keys.h"

#include <iterator>

namespace zentabl {

namespace {

struct KeyRow {
    QKeySequence::StandardKey key;
    DisplayKeyAction action;
};

constexpr DisplayKeyAction Moves(CaretMove move) {
    return {DisplayEdit::Move, move, false};
}

constexpr DisplayKeyAction Selects(CaretMove move) {
    return {DisplayEdit::Move, move, true};
}

constexpr DisplayKeyAction Does(DisplayEdit edit) {
    return {edit, CaretMove::None, false};
}

// The platform's own bindings: whatever a text box does with a key here,
// the display does too.
constexpr KeyRow kKeyRows[] = {
    {QKeySequence::MoveToNextChar, Moves(CaretMove::CharRight)},
    {QKeySequence::MoveToPreviousChar, Moves(CaretMove::CharLeft)},
    {QKeySequence::MoveToNextWord, Moves(CaretMove::WordRight)},
    {QKeySequence::MoveToPreviousWord, Moves(CaretMove::WordLeft)},
    {QKeySequence::MoveToStartOfLine, Moves(CaretMove::LineStart)},
    {QKeySequence::MoveToEndOfLine, Moves(CaretMove::LineEnd)},
    {QKeySequence::MoveToStartOfBlock, Moves(CaretMove::LineStart)},
    {QKeySequence::MoveToEndOfBlock, Moves(CaretMove::LineEnd)},
    {QKeySequence::MoveToPreviousLine, Moves(CaretMove::LineUp)},
    {QKeySequence::MoveToNextLine, Moves(CaretMove::LineDown)},
    {QKeySequence::MoveToPreviousPage, Moves(CaretMove::PageUp)},
    {QKeySequence::MoveToNextPage, Moves(CaretMove::PageDown)},
    {QKeySequence::MoveToStartOfDocument, Moves(CaretMove::TextStart)},
    {QKeySequence::MoveToEndOfDocument, Moves(CaretMove::TextEnd)},
    {QKeySequence::SelectNextChar, Selects(CaretMove::CharRight)},
    {QKeySequence::SelectPreviousChar, Selects(CaretMove::CharLeft)},
    {QKeySequence::SelectNextWord, Selects(CaretMove::WordRight)},
    {QKeySequence::SelectPreviousWord, Selects(CaretMove::WordLeft)},
    {QKeySequence::SelectStartOfLine, Selects(CaretMove::LineStart)},
    {QKeySequence::SelectEndOfLine, Selects(CaretMove::LineEnd)},
    {QKeySequence::SelectStartOfBlock, Selects(CaretMove::LineStart)},
    {QKeySequence::SelectEndOfBlock, Selects(CaretMove::LineEnd)},
    {QKeySequence::SelectPreviousLine, Selects(CaretMove::LineUp)},
    {QKeySequence::SelectNextLine, Selects(CaretMove::LineDown)},
    {QKeySequence::SelectPreviousPage, Selects(CaretMove::PageUp)},
    {QKeySequence::SelectNextPage, Selects(CaretMove::PageDown)},
    {QKeySequence::SelectStartOfDocument, Selects(CaretMove::TextStart)},
    {QKeySequence::SelectEndOfDocument, Selects(CaretMove::TextEnd)},
    {QKeySequence::SelectAll, Does(DisplayEdit::SelectAll)},
    {QKeySequence::Copy, Does(DisplayEdit::Copy)},
    {QKeySequence::Cut, Does(DisplayEdit::Cut)},
    {QKeySequence::Paste, Does(DisplayEdit::Paste)},
    {QKeySequence::Delete, Does(DisplayEdit::DeleteForward)},
    {QKeySequence::Backspace, Does(DisplayEdit::DeleteBack)},
    {QKeySequence::DeleteStartOfWord, Does(DisplayEdit::DeleteWordBack)},
    {QKeySequence::DeleteEndOfWord, Does(DisplayEdit::DeleteWordForward)},
    {QKeySequence::InsertParagraphSeparator, Does(DisplayEdit::NewLine)},
    {QKeySequence::InsertLineSeparator, Does(DisplayEdit::NewLine)},
};

} // namespace

DisplayKeyAction DisplayKeyActionFor(const QKeyEvent& event) {
    for (const KeyRow& row : kKeyRows)
        if (event.matches(row.key)) return row.action;
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::MetaModifier;
    if (event.key() == Qt::Key_Backspace && !(event.modifiers() & chords))
        return Does(DisplayEdit::DeleteBack);
    const QString text = event.text();
    if (!text.isEmpty() && !(event.modifiers() & (chords | Qt::AltModifier)) &&
        text.at(0).isPrint())
        return Does(DisplayEdit::Type);
    return {};
}

} // namespace zentabl
