#pragma once
// What a key does in the display. The same answer decides whether the box
// claims the key before the window's shortcuts see it and what it does then.

#include <QKeyEvent>
#include <QString>

namespace zentabl {

enum class CaretMove {
    None,
    CharLeft,
    CharRight,
    WordLeft,
    WordRight,
    LineStart,
    LineEnd,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    TextStart,
    TextEnd,
};

enum class DisplayEdit {
    None,
    Move, // the caret moves; with `extend` the selection follows it
    SelectAll,
    Copy,
    Cut,
    Paste,
    DeleteBack,
    DeleteForward,
    DeleteWordBack,
    DeleteWordForward,
    NewLine,
    Type, // the event's text is inserted
};

struct DisplayKeyAction {
    DisplayEdit edit = DisplayEdit::None;
    CaretMove move = CaretMove::None;
    bool extend = false;
};

DisplayKeyAction DisplayKeyActionFor(const QKeyEvent& event);

} // namespace zentabl
